# The update's progress, run, site address and patch signature, and how a news page is read (Qt
# Core); the update's network client, the update window and the news view.
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/UpdateProgress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateRun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SiteAddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PatchSignature.cpp
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

# The update key is compiled in from its base64 text; the build configures again when it changes.
set(qvl_update_key_file ${PROJECT_SOURCE_DIR}/packaging/update-key.pub)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qvl_update_key_file})
file(STRINGS ${qvl_update_key_file} qvl_update_key REGEX "^[A-Za-z0-9+/=]+$" LIMIT_COUNT 1)
if(NOT qvl_update_key MATCHES "^[A-Za-z0-9+/]+=*$")
    message(FATAL_ERROR "${qvl_update_key_file} holds no base64 key")
endif()
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/PatchSignature.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS QVL_UPDATE_KEY="${qvl_update_key}")
