# The HUD changer's core: sprite files, the JPEG decoder and encoder, and installing a sprite.
find_package(JPEG REQUIRED)
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SpriteFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JpegDecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JpegEncoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HudInstall.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HudRestore.cpp
)
target_link_libraries(qvl_core PUBLIC JPEG::JPEG)
# The HUDs page and its pictures (widgets).
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/HudPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HudSample.cpp
)
