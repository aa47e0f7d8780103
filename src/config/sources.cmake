target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ConsoleLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CfgStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextLines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LineIndex.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextCodec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkingConfig.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AppState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClientVariables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsKeptText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsLines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsValueRules.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/OptionsSetting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsChoiceSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsFieldSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsMapRotation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsFileMark.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsSpinEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsNumberMark.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsColorSwatches.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClientOptionsPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ServerOptionsPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionPages.cpp
)
