# INI files, qvl.ini's language lines (Qt Core), and the translator of windows' texts (widgets).
target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageIni.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FormTranslator.cpp
)
