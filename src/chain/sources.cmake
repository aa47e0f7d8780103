# The game's start chain across the files it runs, what config.cfg loses at exit, and the chain
# as seen from the working file (Qt Core).
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ArchivedCvars.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChainCommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartChain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigLosses.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkingFileChain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UserconfigMove.cpp
)
