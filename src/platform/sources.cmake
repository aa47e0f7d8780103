target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtSettingsStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NativeMachineRegistry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileCopy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SteamLibraries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VdfText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteCheck.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/QtShell.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtDialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtTranslations.cpp
)
