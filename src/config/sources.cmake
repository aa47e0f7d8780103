target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ConsoleLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CfgStore.cpp
)
