target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WizardAnswers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WizardTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WizardName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WizardConfig.cpp
)
# The wizard's window and its pages (widgets).
target_sources(qvl_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WizardWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WizardPages.cpp
)
