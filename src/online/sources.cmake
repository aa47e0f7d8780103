# The update's progress, run and site address, and how a news page is read (Qt Core); the
# update's network client, the update window and the news view.
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/UpdateProgress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateRun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SiteAddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NewsPage.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/IdleWatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateClient.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NewsView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateArtwork.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateTray.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateForm.cpp
)
