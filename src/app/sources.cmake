target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FormTranslator.cpp
)
