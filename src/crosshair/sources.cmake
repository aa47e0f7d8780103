target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CrosshairGeometry.cpp
)
