# The composer's tables and chains, and the bind file edits (Qt Core).
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BuyTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Composer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BindLines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BindEdits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BindFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChainKeys.cpp
)
# The Binder page's key table (data only), then the page and its pictures (widgets).
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KeyTable.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KeyLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BinderArtwork.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BinderPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BinderMap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BinderComposer.cpp
)
