target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/VersionFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/History.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LineDiff.cpp
)
