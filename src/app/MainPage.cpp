// The Main page: the configuration list, the game folder, the file actions, the update and the news.
#include "app/MainForm.h"
#include "config/Settings.h"

#include "app/CfgFolder.h"
#include "app/MainHistoryControls.h"
#include "app/MainLossesBox.h"
#include "binder/BinderPage.h"
#include "chain/WorkingFileChain.h"
#include "config/AppState.h"
#include "online/NewsView.h"
#include "online/SiteAddress.h"
#include "online/UpdateArtwork.h"
#include "online/UpdateForm.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "wizard/WizardWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton* iconButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& hint)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setFixedSize(30, 28);
    return button;
}

} // namespace

void TMainForm::buildMainPage()
{
    auto* page = new QGridLayout(m_sheets[MainPage]);
    page->setContentsMargins(6, 6, 6, 6);
    page->setHorizontalSpacing(8);

    auto* fileGroup = new QGroupBox(QStringLiteral("Quarvel uses this file:"), m_sheets[MainPage]);
    fileGroup->setObjectName(QStringLiteral("GroupBox1"));
    auto* listBox = new QGridLayout(fileGroup);
    listBox->setVerticalSpacing(3);
    m_configList = new QListWidget(fileGroup);
    m_configList->setObjectName(QStringLiteral("ListBox1"));
    m_configList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_configList->setToolTip(
        QStringLiteral("CS uses config.cfg by default.\r\nYou can keep several config files with different settings "
                       "(one for each server or game style) and choose here the one that Quarvel edits."));
    m_configList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_editButton = iconButton(fileGroup, "Edit", QStyle::SP_FileDialogDetailedView,
                              QStringLiteral("Open the config in your text editor"));
    m_backupButton =
        iconButton(fileGroup, "BitBtn4", QStyle::SP_DialogSaveButton, QStringLiteral("Backup current config"));
    m_restoreButton =
        iconButton(fileGroup, "BitBtn6", QStyle::SP_BrowserReload, QStringLiteral("Restore backuped file"));
    m_folderButton = iconButton(fileGroup, "BitBtn1", QStyle::SP_DirOpenIcon, QStringLiteral("Open 'cstrike' dir"));
    listBox->addWidget(m_configList, 0, 0, 5, 1);
    listBox->addWidget(m_editButton, 0, 1);
    listBox->addWidget(m_backupButton, 1, 1);
    listBox->addWidget(m_restoreButton, 2, 1);
    listBox->addWidget(m_folderButton, 3, 1);
    listBox->setRowStretch(4, 1);
    m_lossesBox = new MainLossesBox(m_state, fileGroup);
    listBox->addWidget(m_lossesBox, 5, 0, 1, 2); // hidden while nothing is lost

    m_listMenu = new QMenu(m_configList);
    m_listMenu->setObjectName(QStringLiteral("ListPopup"));
    const QList<QPair<QAction**, QPair<const char*, const char*>>> items = {
        {&m_editAction, {"EditCFGmanually1", "Edit CFG manually"}},
        {&m_backupAction, {"Backup", "Backup CFG"}},
        {&m_restoreAction, {"Restore1", "Restore CFG"}},
        {&m_deleteAction, {"DeleteCFG1", "Delete CFG"}}};
    for (const auto& [action, names] : items) {
        *action = m_listMenu->addAction(QLatin1String(names.second));
        (*action)->setObjectName(QLatin1String(names.first));
    }
    m_historyControls = new MainHistoryControls(m_state, fileGroup, m_listMenu, this);
    listBox->addWidget(m_historyControls->button(), 4, 1, Qt::AlignTop);

    auto* updateGroup = new QGroupBox(QStringLiteral("Auto-update via Internet"), m_sheets[MainPage]);
    updateGroup->setObjectName(QStringLiteral("GroupBox2"));
    auto* updateLayout = new QGridLayout(updateGroup);
    updateLayout->setContentsMargins(6, 2, 6, 4);
    updateLayout->setVerticalSpacing(2);
    auto* updatePicture = new QLabel(updateGroup);
    updatePicture->setObjectName(QStringLiteral("Image2"));
    updatePicture->setPixmap(UpdateArtwork::picture(40, 40));
    updatePicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* updateNote =
        new QLabel(QStringLiteral("Connect to the Internet and press the button. Updates come out about every week."),
                   updateGroup);
    updateNote->setObjectName(QStringLiteral("Label4"));
    updateNote->setWordWrap(true);
    QFont small = updateNote->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    updateNote->setFont(small);
    m_updateButton = new QPushButton(UpdateArtwork::windowIcon(), QStringLiteral("Update!"), updateGroup);
    m_updateButton->setObjectName(QStringLiteral("UButton"));
    updateLayout->addWidget(updatePicture, 0, 0, Qt::AlignTop);
    updateLayout->addWidget(updateNote, 0, 1);
    updateLayout->addWidget(m_updateButton, 1, 0, 1, 2, Qt::AlignRight);

    auto* languageGroup = new QGroupBox(QStringLiteral("QVL Language"), m_sheets[MainPage]);
    languageGroup->setObjectName(QStringLiteral("GroupBox3"));
    auto* langBox = new QVBoxLayout(languageGroup);
    langBox->setContentsMargins(6, 2, 6, 4);
    langBox->setSpacing(2);
    auto* languageNote =
        new QLabel(QStringLiteral("You can change QVL language! Avilalible: English, Russian, French"), languageGroup);
    languageNote->setObjectName(QStringLiteral("Label3"));
    languageNote->setWordWrap(true);
    languageNote->setFont(small); // three lines in Russian and French: the page has no room for larger type
    m_languageList = new QComboBox(languageGroup);
    m_languageList->setObjectName(QStringLiteral("Lang"));
    m_languageList->addItems(
        {QStringLiteral("English"), QStringLiteral("Russian"), QStringLiteral("French"), QStringLiteral("Swedish")});
    m_languageList->setCurrentIndex(-1);
    langBox->addWidget(languageNote);
    // The review switch stands beside the language list: the group has no room under it.
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(m_languageList, 1);
    languageRow->addWidget(m_historyControls->reviewSwitch());
    langBox->addLayout(languageRow);

    auto* newsGroup = new QGroupBox(QStringLiteral("Z.U. Zori"), m_sheets[MainPage]);
    newsGroup->setObjectName(QStringLiteral("GroupBox42"));
    auto* newsLayout = new QGridLayout(newsGroup);
    newsLayout->setContentsMargins(6, 2, 6, 4);
    m_news = new NewsView([this](MessageKey key) { return m_state.message(key); }, newsGroup);
    m_news->setObjectName(QStringLiteral("News"));
    m_news->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_news->setFixedHeight(50);
    m_news->setMinimumWidth(256);
    connect(m_news, &NewsView::webLinkClicked, this, [this](const QUrl& url) {
        // The desktop may answer after a while: the box says so only if it is still there.
        m_shell.open(url.toString(), [news = QPointer<NewsView>(m_news), url] {
            if (news)
                news->linkFailed(url);
        });
    });
    m_newsButton = new QPushButton(UpdateArtwork::newsGlyph(), QStringLiteral("GetNews!"), newsGroup);
    m_newsButton->setObjectName(QStringLiteral("GetNews"));
    // Beside the box rather than under it: the page has no room for a taller group.
    newsLayout->addWidget(m_news, 0, 0, 2, 1);
    newsLayout->addWidget(m_newsButton, 1, 1, Qt::AlignBottom | Qt::AlignRight);
    newsLayout->setRowStretch(0, 1);

    page->addWidget(fileGroup, 0, 0, 2, 1);
    page->addWidget(updateGroup, 0, 1);
    page->addWidget(languageGroup, 1, 1);
    page->addWidget(newsGroup, 2, 0, 1, 2);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(0, 1);
    page->setRowStretch(1, 1);

    updateFileActions();
}

void TMainForm::connectMainPage()
{
    connect(m_configList, &QListWidget::itemSelectionChanged, this, &TMainForm::configSelectionChanged);
    connect(m_configList, &QListWidget::itemClicked, this, &TMainForm::configClicked);
    m_configList->viewport()->installEventFilter(this);
    m_configList->installEventFilter(this);
    connect(m_configList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_listMenu->popup(m_configList->viewport()->mapToGlobal(pos)); });
    connect(m_folderButton, &QPushButton::clicked, this, &TMainForm::chooseGameFolder);
    connect(m_editButton, &QPushButton::clicked, this, &TMainForm::editSelectedConfig);
    connect(m_backupButton, &QPushButton::clicked, this, &TMainForm::backupSelectedConfig);
    connect(m_restoreButton, &QPushButton::clicked, this, &TMainForm::restoreSelectedConfig);
    connect(m_editAction, &QAction::triggered, this, &TMainForm::editSelectedConfig);
    connect(m_backupAction, &QAction::triggered, this, &TMainForm::backupSelectedConfig);
    connect(m_restoreAction, &QAction::triggered, this, &TMainForm::restoreSelectedConfig);
    connect(m_deleteAction, &QAction::triggered, this, &TMainForm::deleteSelectedConfig);
    connect(m_updateButton, &QPushButton::clicked, this, &TMainForm::openUpdateWindow);
    connect(m_newsButton, &QPushButton::clicked, this, &TMainForm::loadNews);
    connect(m_news, &NewsView::loadEnded, this, [this] { m_newsButton->setText(m_state.message(Msg::NewsLoaded)); });
    connect(m_languageList, &QComboBox::activated, this, &TMainForm::changeLanguage);
    connect(m_historyControls, &MainHistoryControls::restored, this, &TMainForm::readOptionPages);
}

QListWidgetItem* TMainForm::selectedEntry() const
{
    const QList<QListWidgetItem*> selected = m_configList->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void TMainForm::selectWithoutReading(int row)
{
    m_selectingByProgram = true;
    m_configList->setCurrentRow(row);
    if (row < 0)
        m_configList->clearSelection();
    m_selectingByProgram = false;
    updateFileActions();
}

void TMainForm::scanConfigList()
{
    m_state.working.setFolder(CfgFolder::withTrailingSeparator(m_state.working.folder()));
    writeSetting(Setting::GameFolder, m_state.working.folder());
    const QStringList names = CfgFolder::listCfgFiles(QDir::fromNativeSeparators(m_state.working.folder()));
    m_selectingByProgram = true;
    m_configList->clear();
    m_configList->addItems(names);
    m_selectingByProgram = false;
    const int row = CfgFolder::pickEntry(names, m_state.settings.read(Setting::WorkingFile));
    selectWithoutReading(row);
    m_state.working.setWorkingFile(row >= 0 ? names[row] : QStringLiteral("config.cfg"));
    enablePagesForFile();
}

void TMainForm::enablePagesForFile()
{
    const bool any = m_configList->count() > 0;
    for (QWidget* page : {m_sheets[ClientPage], m_sheets[ServerPage], m_sheets[BinderTab]})
        page->setEnabled(any);
    const QString why = any ? QString() : m_state.message(Msg::NoConfigFile);
    for (QWidget* page : {m_sheets[ClientPage], m_sheets[ServerPage], m_sheets[BinderTab]})
        page->setToolTip(why);
}

bool TMainForm::hasWorkingFile()
{
    if (m_configList->count() > 0)
        return true;
    m_state.dialogs.error(m_state.message(Msg::NoConfigFile));
    return false;
}

void TMainForm::configSelectionChanged()
{
    updateFileActions();
    if (m_selectingByProgram || !selectedEntry())
        return;
    m_readOnPress = true;
    readSelectedConfig();
}

void TMainForm::configClicked(QListWidgetItem* item)
{
    // A click on the entry that is already selected reads the file again: that is how the user
    // drops edits not yet applied. A click that selected the entry has read it already.
    const bool alreadyRead = m_readOnPress;
    m_readOnPress = false;
    if (!alreadyRead && !m_selectingByProgram && item && item->isSelected())
        readSelectedConfig();
}

void TMainForm::updateFileActions()
{
    const bool selected = selectedEntry() != nullptr;
    for (QWidget* button : {static_cast<QWidget*>(m_editButton), static_cast<QWidget*>(m_backupButton),
                            static_cast<QWidget*>(m_restoreButton)})
        button->setEnabled(selected);
    for (QAction* action : {m_editAction, m_backupAction, m_restoreAction, m_deleteAction})
        action->setEnabled(selected);
    m_historyControls->setEnabled(selected);
}

void TMainForm::readSelectedConfig()
{
    const QListWidgetItem* item = selectedEntry();
    if (!item)
        return;
    m_state.working.setWorkingFile(item->text());
    writeSetting(Setting::WorkingFile, m_state.working.file());
    readOptionPages();
    noteWhetherTheGameRunsIt();
}

void TMainForm::noteWhetherTheGameRunsIt()
{
    const QString file = m_state.working.file();
    if (m_configList->count() == 0 || m_notedOutsideChain.contains(file, Qt::CaseInsensitive))
        return;
    if (WorkingFileChain::reach(QDir::fromNativeSeparators(m_state.working.folder()), file).reached)
        return;
    m_notedOutsideChain << file;
    showStatus(m_state.message(Msg::NotInChain).arg(file));
}

void TMainForm::useConfigEntry(const QString& name)
{
    const QList<QListWidgetItem*> found = m_configList->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    selectWithoutReading(m_configList->row(found.first()));
    readSelectedConfig();
}

void TMainForm::wizardWritten(const QString& cfgFile, bool showServer, int mouseButtons)
{
    scanConfigList();
    // The scan picks the file the setting cfg_file names; the written file is the working file
    // even when that setting could not be stored.
    const QList<QListWidgetItem*> found = m_configList->findItems(cfgFile, Qt::MatchFixedString);
    if (!found.isEmpty()) {
        const int row = m_configList->row(found.first());
        selectWithoutReading(row);
        m_state.working.setWorkingFile(found.first()->text());
    }
    m_tabs->setTabVisible(m_tabs->indexOf(m_sheets[ServerPage]), showServer);
    m_mouseButtons = mouseButtons;
    if (m_binderPage)
        m_binderPage->applyMouseButtons(mouseButtons);
    readOptionPages();
}

void TMainForm::chooseGameFolder()
{
    const QString chosen = chooseConfigCfg();
    if (chosen.isEmpty())
        return;
    useChosenConfig(chosen);
    scanConfigList();
}

void TMainForm::rememberWorkingFile()
{
    if (m_abandoned)
        return;
    if (!selectedEntry()) {
        const QList<QListWidgetItem*> found =
            m_configList->findItems(QStringLiteral("config.cfg"), Qt::MatchFixedString);
        if (!found.isEmpty())
            selectWithoutReading(m_configList->row(found.first()));
        m_state.working.setWorkingFile(found.isEmpty() ? QStringLiteral("config.cfg") : found.first()->text());
    }
    const QListWidgetItem* item = selectedEntry();
    writeSetting(Setting::WorkingFile, item ? item->text() : QStringLiteral("config.cfg"));
}

void TMainForm::loadNews()
{
    m_newsButton->setText(m_state.message(Msg::NewsLoading));
    QString refused;
    const QUrl root = SiteAddress::root(m_state.settings.read(Setting::Site), &refused);
    if (!root.isValid()) {
        m_news->showFailure(Msg::NewsSite, refused);
        return;
    }
    m_news->load(SiteAddress::news(root));
}
