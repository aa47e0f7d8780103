target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DiffView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReviewWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VersionText.cpp
)
