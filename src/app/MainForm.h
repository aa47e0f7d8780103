#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class AppState;
class BinderPage;
class ClientOptionsPage;
class HudPage;
class ServerOptionsPage;
class MachineRegistry;
class NewsView;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QTabWidget;
class Shell;
class TFormTranslator;
class TUpdateForm;
class Twizard;

// The main window: header, status line, the five pages, the Wizard and Apply buttons and the
// link to the home page. Its Main page holds the configuration list and the file actions.
class TMainForm final : public QWidget {
    Q_OBJECT
public:
    TMainForm(AppState& state, Shell& shell, const MachineRegistry& registry, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Start-up steps that run once the other windows exist.
    void setWizard(Twizard* wizard) { m_wizard = wizard; }
    void setUpdateForm(TUpdateForm* form) { m_updateForm = form; }

    // Where Steam's folders are looked for (the user's home; tests point it elsewhere).
    QString steamHome;
    // Opens the wizard modally; tests replace it.
    std::function<void()> openWizard;
    // Ends the program once its event loop runs (the user gave up choosing a game folder);
    // tests replace it.
    std::function<void()> quitProgram;

    // Handlers and operations, named as the program's documentation names them.
    void FormCreate();
    void FormShow();
    void FormClose();
    void PageControl1Change(int index);
    void BitBtn8Click();
    void Label2Click();
    void LocateCfgFolder();
    void AskCfgFolder();
    void ScanCfgList();
    void ListBox1Click();
    void BitBtn1Click();
    void EditClick();
    void BitBtn4Click();
    void BitBtn6Click();
    void EditCFGmanually1Click();
    void BackupClick();
    void Restore1Click();
    void DeleteCFG1Click();
    void ReadOptionPages();
    void LangChange();
    void UButtonClick();
    void GetNewsClick();

    // Another start of the program on the same settings: the window the user works in comes to
    // the front (a dialog or the update window over this one, else this one), restored if minimized.
    void comeForward();

    // The wizard's choice of an existing configuration: selected and read as a click in the list.
    void useCfgEntry(const QString& name);
    // After the wizard has written `cfgFile`: the list shows and selects it, the server tab and the
    // binder's mouse picture follow the answers, and the option pages show the file.
    void wizardWritten(const QString& cfgFile, bool showServer, int mouseButtons);

    std::unique_ptr<TFormTranslator> FormTranslator1;

    bool FirstShow = false;
    // The mouse's button count from the setting mouse_btns, read at the first show (3 when the
    // setting is missing or not a whole number; the setting itself is then left alone).
    int MouseButtons = 3;

    QLabel* Image1 = nullptr;
    QLabel* Status = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QPushButton* WizardButton = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QLabel* Label2 = nullptr;
    ClientOptionsPage* clientPage = nullptr;
    ServerOptionsPage* serverPage = nullptr;
    BinderPage* binderPage = nullptr;
    HudPage* hudPage = nullptr;

    QGroupBox* GroupBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Edit = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QMenu* ListPopup = nullptr;
    QAction* EditCFGmanually1 = nullptr;
    QAction* Backup = nullptr;
    QAction* Restore1 = nullptr;
    QAction* DeleteCFG1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Lang = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* UButton = nullptr;
    QGroupBox* GroupBox42 = nullptr;
    NewsView* News = nullptr;
    QPushButton* GetNews = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMainPage();
    void placeApplyButton();
    // The banner, with its subtitle in the interface language.
    void drawHeader();
    // A text shown as it is; a message shown by its key follows a change of language.
    void showStatus(const QString& text);
    void showStatusMessage(const QString& key);
    // The status line after an Apply of an options page.
    void showApplied(bool written);
    QString message(const QString& key) const;
    void writeSetting(const QString& name, const QString& value);
    // The game's config.cfg as the user picks it in the file dialog; empty when cancelled.
    QString chooseConfigCfg();
    void useChosenConfig(const QString& chosenPath);
    // The list's selected entry: the file actions act on it alone (the current row may be left
    // after Ctrl+click has cleared the selection).
    QListWidgetItem* selectedEntry() const;
    void selectWithoutReading(int row);
    // With no configuration file in the list, the pages that edit one are disabled, and say why.
    void enablePagesForFile();
    // Whether there is a working file to write; shows why not.
    bool hasWorkingFile();
    void ListBox1SelectionChanged();
    void ListBox1ItemClicked(QListWidgetItem* item);
    void updateFileActions();
    void showListHint(const QPoint& globalPos);

    AppState& m_state;
    Shell& m_shell;
    const MachineRegistry& m_registry;
    Twizard* m_wizard = nullptr;
    TUpdateForm* m_updateForm = nullptr;
    // Set while the program itself selects a list entry, which is no pick of the user's.
    bool m_selectingByProgram = false;
    // Set when a mouse press has already read the entry it selected, so that the click that
    // follows does not read it again.
    bool m_readOnPress = false;
    QLabel* m_subtitle = nullptr; // hidden: the banner's subtitle as the language file gives it
    QString m_statusKey;          // the message the status line shows, or empty for a text of its own
    // Set when the user gave up choosing a game folder: nothing more is read or remembered.
    bool m_abandoned = false;
};
