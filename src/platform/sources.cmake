target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtSettingsStore.cpp
)
