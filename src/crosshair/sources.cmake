target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CrosshairGeometry.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CrosshairBackdrop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CrosshairPreview.cpp
)
