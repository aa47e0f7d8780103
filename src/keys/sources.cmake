# The game's key names and how it reads the binds of a configuration file (Qt Core).
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KeyNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BindReader.cpp
)
