#pragma once

#include "config/MessageKeys.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class AppState;
class BinderPage;
class ClientOptionsPage;
class HudPage;
class ServerOptionsPage;
class MachineRegistry;
class MainHistoryControls;
class NewsView;
struct TextSetting;
class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class MainLossesBox;
class QMenu;
class QPushButton;
class QTabWidget;
class Shell;
class TFormTranslator;
class TUpdateForm;
class WizardWindow;
struct WizardContext;

// The main window: header, status line, the five pages, the Wizard and Apply buttons and the
// link to the home page. Its Main page holds the configuration list and the file actions.
// Start-up builds the Main page and the status line only; the other pages, the wizard and the
// update window are built when first shown or first needed.
class TMainForm final : public QWidget {
    Q_OBJECT
public:
    // With `templateOnly`, the window only writes its texts into that language file for translators
    // (see exportTemplate): it applies no language and changes no setting.
    TMainForm(AppState& state, Shell& shell, const MachineRegistry& registry, QWidget* parent = nullptr,
              const QString& templateOnly = QString());
    ~TMainForm() override;

    // Where Steam's folders are looked for (the user's home unless set).
    void setSteamHome(const QString& folder) { m_steamHome = folder; }

    // Reads the game folder's configuration files into the list again, selecting the one the
    // setting cfg_file names (the pages are not read again).
    void scanConfigList();

    // Another start of the program on the same settings: the window the user works in comes to
    // the front (a dialog or the update window over this one, else this one), restored if minimized.
    void comeForward();

    // Builds the main window with every page, the wizard and the update window, and writes all
    // their texts and the messages, as designed, into the language file `path` for translators.
    // Returns false with `error` when it cannot be written.
    static bool exportTemplate(AppState& state, Shell& shell, const MachineRegistry& registry, const QString& path,
                               QString* error);

Q_SIGNALS:
    // The user gave up choosing a game folder: the program ends, remembering nothing.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Page { MainPage, ClientPage, ServerPage, BinderTab, HudTab };

    // Start-up: the program folder, the translator and the interface language.
    void setUpLanguage(const QString& templateOnly);
    // The first show: the settings that shape the pages, the game folder, the list and the pages.
    void firstShow();
    void buildFrame();
    void buildMainPage();
    void connectMainPage();

    // The pages built on demand, each translated into the interface language when it is built.
    void ensurePage(int index);
    void ensureOptionPages();
    WizardWindow& wizard();
    TUpdateForm& updateWindow();
    // Puts a page just built on its tab, translated, and shows it.
    void placePage(QWidget* page, int tab);
    // What the wizard is told of this window when it opens.
    WizardContext wizardContext() const;

    void pageChanged(int index);
    void applyCurrentPage();
    void openHomePage();
    void changeLanguage();
    void openWizard();
    // Ctrl+Z: the working file as it was before the program's last write to it.
    void undoLastWrite();
    void openUpdateWindow();
    void loadNews();

    void locateGameFolder();
    void askGameFolder();
    void chooseGameFolder();
    void readSelectedConfig();
    // Says once per file in the status line when the game does not run the working file at start.
    void noteWhetherTheGameRunsIt();
    void readOptionPages();
    void editSelectedConfig();
    void backupSelectedConfig();
    void restoreSelectedConfig();
    void deleteSelectedConfig();
    void rememberWorkingFile();
    // The wizard's choice of an existing configuration: selected and read as a click in the list.
    void useConfigEntry(const QString& name);
    // After the wizard has written `cfgFile`: the list shows and selects it, the server tab and the
    // binder's mouse picture follow the answers, and the option pages show the file.
    void wizardWritten(const QString& cfgFile, bool showServer, int mouseButtons);

    void placeApplyButton();
    // The banner, with its subtitle in the interface language.
    void drawHeader();
    // A text shown as it is; a message shown by its key follows a change of language.
    void showStatus(const QString& text);
    void showStatusMessage(MessageKey key);
    // The status line after an Apply of an options page.
    void showApplied(bool written);
    void writeSetting(TextSetting setting, const QString& value);
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
    void configSelectionChanged();
    void configClicked(QListWidgetItem* item);
    void updateFileActions();
    void showListHint(const QPoint& globalPos);

    AppState& m_state;
    Shell& m_shell;
    const MachineRegistry& m_registry;
    QString m_steamHome;
    std::unique_ptr<TFormTranslator> m_translator;
    bool m_firstShowPending = false;
    // The mouse's button count from the setting mouse_btns, read at the first show.
    int m_mouseButtons = 3;

    QLabel* m_banner = nullptr;
    QLabel* m_subtitle = nullptr; // hidden: the banner's subtitle as the language file gives it
    QLabel* m_status = nullptr;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_sheets[5] = {};
    QPushButton* m_wizardButton = nullptr;
    QPushButton* m_applyButton = nullptr;
    QLabel* m_homeLink = nullptr;
    ClientOptionsPage* m_clientPage = nullptr;
    ServerOptionsPage* m_serverPage = nullptr;
    BinderPage* m_binderPage = nullptr;
    HudPage* m_hudPage = nullptr;
    WizardWindow* m_wizard = nullptr;
    TUpdateForm* m_updateForm = nullptr;

    QListWidget* m_configList = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_backupButton = nullptr;
    QPushButton* m_restoreButton = nullptr;
    QPushButton* m_folderButton = nullptr;
    QMenu* m_listMenu = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_backupAction = nullptr;
    QAction* m_restoreAction = nullptr;
    QAction* m_deleteAction = nullptr;
    QComboBox* m_languageList = nullptr;
    QPushButton* m_updateButton = nullptr;
    NewsView* m_news = nullptr;
    QPushButton* m_newsButton = nullptr;
    MainLossesBox* m_lossesBox = nullptr;             // config.cfg's lines the game drops at exit
    MainHistoryControls* m_historyControls = nullptr; // the History window and the review switch

    // Set while the program itself selects a list entry, which is no pick of the user's.
    bool m_selectingByProgram = false;
    // Set when a mouse press has already read the entry it selected, so that the click that
    // follows does not read it again.
    bool m_readOnPress = false;
    MessageKey m_statusKey{nullptr}; // the message the status line shows, or none for a text of its own
    QStringList m_notedOutsideChain; // working files the status line has said the game does not run
    // Set when the user gave up choosing a game folder: nothing more is read or remembered.
    bool m_abandoned = false;
};
