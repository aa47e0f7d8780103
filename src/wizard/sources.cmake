target_sources(qvl_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WizardAnswers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WizardTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WizardName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WizardConfig.cpp
)
