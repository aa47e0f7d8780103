target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CfgFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RestoreSources.cpp
)
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Artwork.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SplashForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InformationForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainPages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFileActions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainGameFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainHistoryControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainLossesBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RestoreChooser.cpp
)
