# The game's start chain across the files it runs, and what config.cfg loses at exit (Qt Core).
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ArchivedCvars.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChainCommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartChain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigLosses.cpp
)
