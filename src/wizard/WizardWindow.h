#pragma once

#include "wizard/WizardConfig.h"
#include "wizard/WizardContext.h"

#include <QDialog>

class AppState;
class QComboBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TFormTranslator;
struct WizardAnswers;

// The configuration wizard: five pages of questions, shown modally over its parent (the main
// window, hidden while the wizard is open), whose answers WriteWizardConfig turns into a
// configuration. One window lives for the whole run, so the answers typed at one opening are there
// at the next. It learns what it needs from a WizardContext and tells what it did by its signals.
class WizardWindow final : public QDialog {
    Q_OBJECT
public:
    explicit WizardWindow(AppState& state, QWidget* parent = nullptr);

    // Opens the wizard on its first page, modal, with what the main window shows now; returns at
    // once.
    void start(const WizardContext& context);
    // What the main window shows now, while the wizard is open (after configChosen).
    void setContext(const WizardContext& context);

    // Translates the window into the main window's language, keeping the typed file name: the
    // translator would otherwise put the design text back over the user's answer.
    void translate(TFormTranslator& translator);

    // The answers as the controls hold them now.
    WizardAnswers answers() const;

    void done(int result) override;

Q_SIGNALS:
    // The user chose an existing configuration on the first page: it is to be the working file.
    void configChosen(const QString& name);
    // Done has written the configuration; the wizard closes.
    void written(const WizardResult& result);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QHBoxLayout* buildButtons();
    void buildFilePage();
    void buildMachinePage();
    void buildMovementPage();
    void buildPlayerPage();
    void buildClosingPage();
    void fillLists();
    void fillConfigs();
    void showClientQuestions();
    void fitSize();
    void setPage(int index);
    void goBack();
    void goForward();
    void checkConfigName();
    void forgetConfigChoice();
    void chooseConfig(int index);
    void showChosenLayout();
    void enterMachinePage(bool fromFirstPage);
    void enterMovementPage();
    void enterPlayerPage();
    void writeAnswers();

    AppState& m_state;
    WizardContext m_context;
    // The parent hidden while the wizard is open, shown again when it closes.
    bool m_parentHidden = false;
    // After a refused Done the pages keep every answer as the user left it, instead of filling
    // themselves again on entry, until the wizard is opened anew.
    bool m_keepAnswers = false;

    QLabel* m_picture = nullptr;
    QStackedWidget* m_pages = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_forwardButton = nullptr;
    QPushButton* m_doneFace = nullptr; // hidden: the forward button's face on the last page
    QPushButton* m_nextFace = nullptr; // hidden: its face on the others

    QLineEdit* m_configName = nullptr;
    QComboBox* m_configs = nullptr;
    QLabel* m_advice = nullptr;
    QLabel* m_nameRefusal = nullptr;   // why the typed name is refused, in the advice's place
    QLabel* m_emptyNameText = nullptr; // hidden: the text that refuses an empty name

    QRadioButton* m_runsServer = nullptr;
    QRadioButton* m_noServer = nullptr;
    QComboBox* m_computerSpeed = nullptr;
    QComboBox* m_mouseButtons = nullptr;

    QRadioButton* m_wasd = nullptr;
    QRadioButton* m_arrows = nullptr;
    QFrame* m_wasdKeys = nullptr;
    QFrame* m_arrowKeys = nullptr;
    QGroupBox* m_connectionBox = nullptr;
    QComboBox* m_connection = nullptr;

    QGroupBox* m_nameBox = nullptr;
    QLineEdit* m_playerName = nullptr;
    QGroupBox* m_handBox = nullptr;
    QRadioButton* m_rightHand = nullptr;
    QRadioButton* m_leftHand = nullptr;
    QGroupBox* m_weaponBox = nullptr;
    QRadioButton* m_showWeapon = nullptr;
    QRadioButton* m_hideWeapon = nullptr;
};
