# Runs PROGRAM with ARGUMENTS (separated by commas) where no display is reachable. Passes when the program
# exits with STATUS (0 unless given) and prints what matches the regular expression EXPECT: on
# standard output when it succeeds, on standard error when it fails.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
if(NOT DEFINED STATUS)
    set(STATUS 0)
endif()
string(REPLACE "," ";" arguments "${ARGUMENTS}")
execute_process(COMMAND ${PROGRAM} ${arguments}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 60)
if(NOT status STREQUAL "${STATUS}")
    message(FATAL_ERROR "'${ARGUMENTS}' ended with '${status}', expected ${STATUS}:\n${output}${errors}")
endif()
set(printed "${output}")
if(NOT STATUS EQUAL 0)
    set(printed "${errors}")
endif()
if(NOT printed MATCHES "${EXPECT}")
    message(FATAL_ERROR "'${ARGUMENTS}' printed:\n${output}${errors}\nexpected to match: ${EXPECT}")
endif()
