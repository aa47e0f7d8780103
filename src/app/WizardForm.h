#pragma once

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
class TMainForm;
struct WizardAnswers;

// The configuration wizard: five pages of questions, shown modally from the main window, whose
// answers WriteWizardConfig turns into a configuration. One window lives for the whole run, so
// the answers typed at one opening are there at the next.
class Twizard final : public QDialog {
    Q_OBJECT
public:
    Twizard(AppState& state, TMainForm& main);

    // Translates the window into the main window's language, keeping the typed file name: the
    // translator would otherwise put the design text back over the user's answer.
    void translate(TFormTranslator& translator);

    // The answers as the controls hold them now.
    WizardAnswers answers() const;

    void BitBtn1Click();
    void BitBtn2Click();
    void CfgNameChange();
    void ConfigsChange(int index);
    void wasdClick();
    void arrowsClick();
    void WriteWizardConfig();

    QLabel* Image1 = nullptr;
    QStackedWidget* WizardTabs = nullptr;
    QWidget* t1 = nullptr;
    QWidget* t2 = nullptr;
    QWidget* t3 = nullptr;
    QWidget* t4 = nullptr;
    QWidget* t5 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Done = nullptr;
    QPushButton* next = nullptr;

    QLabel* Welcome = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* CfgName = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QComboBox* Configs = nullptr;
    QLabel* Advice = nullptr;
    QLabel* CfgNameMark = nullptr; // why the typed name is refused, in the advice's place
    QLabel* emptyname = nullptr;   // hidden: the text that refuses an empty name

    QGroupBox* GroupBox3 = nullptr;
    QRadioButton* server0 = nullptr;
    QRadioButton* server1 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QComboBox* w7 = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QComboBox* buttons = nullptr;

    QGroupBox* GroupBox5 = nullptr;
    QRadioButton* wasd = nullptr;
    QRadioButton* arrows = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QGroupBox* w5 = nullptr;
    QComboBox* w6 = nullptr;

    QGroupBox* wiz1 = nullptr;
    QLineEdit* name = nullptr;
    QGroupBox* wiz2 = nullptr;
    QRadioButton* w1 = nullptr;
    QRadioButton* w2 = nullptr;
    QGroupBox* wiz3 = nullptr;
    QRadioButton* w3 = nullptr;
    QRadioButton* w4 = nullptr;

    QLabel* Closing = nullptr;

public:
    void done(int result) override;

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
    void copyCaptions();
    void fitSize();
    void setPage(int index);
    void checkCfgName();
    void t2Show(bool fromFirstPage);
    void t3Show();
    void t4Show();

    AppState& m_state;
    TMainForm& m_main;
    // The main window hidden while the wizard is open, shown again when it closes.
    bool m_mainHidden = false;
    // After a refused Done the pages keep every answer as the user left it, instead of filling
    // themselves again on entry, until the wizard is opened anew.
    bool m_keepAnswers = false;
};
