# Runs PROGRAM with OPTION where no display is reachable. Passes when the program exits with 0
# and its output matches the regular expression EXPECT.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${PROGRAM} ${OPTION}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 60)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${OPTION} ended with '${status}':\n${output}${errors}")
endif()
if(NOT output MATCHES "${EXPECT}")
    message(FATAL_ERROR "${OPTION} printed:\n${output}\nexpected to match: ${EXPECT}")
endif()
