// The Main page: the configuration list, the game folder, the file actions, the update and the news.
#include "app/MainForm.h"
#include "config/Settings.h"

#include "app/CfgFolder.h"
#include "binder/BinderPage.h"
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
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
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
    auto* page = new QGridLayout(TabSheet1);
    page->setContentsMargins(6, 6, 6, 6);
    page->setHorizontalSpacing(8);

    GroupBox1 = new QGroupBox(QStringLiteral("Quarvel uses this file:"), TabSheet1);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* listBox = new QGridLayout(GroupBox1);
    ListBox1 = new QListWidget(GroupBox1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setToolTip(
        QStringLiteral("CS uses config.cfg by default.\r\nYou can keep several config files with different settings "
                       "(one for each server or game style) and choose here the one that Quarvel edits."));
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    Edit = iconButton(GroupBox1, "Edit", QStyle::SP_FileDialogDetailedView,
                      QStringLiteral("Open the config in your text editor"));
    BitBtn4 = iconButton(GroupBox1, "BitBtn4", QStyle::SP_DialogSaveButton, QStringLiteral("Backup current config"));
    BitBtn6 = iconButton(GroupBox1, "BitBtn6", QStyle::SP_BrowserReload, QStringLiteral("Restore backuped file"));
    BitBtn1 = iconButton(GroupBox1, "BitBtn1", QStyle::SP_DirOpenIcon, QStringLiteral("Open 'cstrike' dir"));
    listBox->addWidget(ListBox1, 0, 0, 5, 1);
    listBox->addWidget(Edit, 0, 1);
    listBox->addWidget(BitBtn4, 1, 1);
    listBox->addWidget(BitBtn6, 2, 1);
    listBox->addWidget(BitBtn1, 3, 1);
    listBox->setRowStretch(4, 1);

    ListPopup = new QMenu(ListBox1);
    ListPopup->setObjectName(QStringLiteral("ListPopup"));
    const QList<QPair<QAction**, QPair<const char*, const char*>>> items = {
        {&EditCFGmanually1, {"EditCFGmanually1", "Edit CFG manually"}},
        {&Backup, {"Backup", "Backup CFG"}},
        {&Restore1, {"Restore1", "Restore CFG"}},
        {&DeleteCFG1, {"DeleteCFG1", "Delete CFG"}}};
    for (const auto& [action, names] : items) {
        *action = ListPopup->addAction(QLatin1String(names.second));
        (*action)->setObjectName(QLatin1String(names.first));
    }

    GroupBox2 = new QGroupBox(QStringLiteral("Auto-update via Internet"), TabSheet1);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* updateBox = new QGridLayout(GroupBox2);
    updateBox->setContentsMargins(6, 2, 6, 4);
    updateBox->setVerticalSpacing(2);
    Image2 = new QLabel(GroupBox2);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(UpdateArtwork::picture(40, 40));
    Image2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label4 = new QLabel(
        QStringLiteral("Connect to the Internet and press the button. Updates come out about every week."), GroupBox2);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    QFont small = Label4->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    Label4->setFont(small);
    UButton = new QPushButton(UpdateArtwork::windowIcon(), QStringLiteral("Update!"), GroupBox2);
    UButton->setObjectName(QStringLiteral("UButton"));
    updateBox->addWidget(Image2, 0, 0, Qt::AlignTop);
    updateBox->addWidget(Label4, 0, 1);
    updateBox->addWidget(UButton, 1, 0, 1, 2, Qt::AlignRight);

    GroupBox3 = new QGroupBox(QStringLiteral("QVL Language"), TabSheet1);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* langBox = new QVBoxLayout(GroupBox3);
    langBox->setContentsMargins(6, 2, 6, 4);
    langBox->setSpacing(2);
    Label3 = new QLabel(QStringLiteral("You can change QVL language! Avilalible: English, Russian, French"), GroupBox3);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setFont(small); // three lines in Russian and French: the page has no room for larger type
    Lang = new QComboBox(GroupBox3);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->addItems(
        {QStringLiteral("English"), QStringLiteral("Russian"), QStringLiteral("French"), QStringLiteral("Swedish")});
    Lang->setCurrentIndex(-1);
    langBox->addWidget(Label3);
    langBox->addWidget(Lang);

    GroupBox42 = new QGroupBox(QStringLiteral("Z.U. Zori"), TabSheet1);
    GroupBox42->setObjectName(QStringLiteral("GroupBox42"));
    auto* newsBox = new QGridLayout(GroupBox42);
    newsBox->setContentsMargins(6, 2, 6, 4);
    News = new NewsView(GroupBox42);
    News->setObjectName(QStringLiteral("News"));
    News->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    News->setFixedHeight(64);
    News->setMinimumWidth(256);
    News->message = [this](MessageKey key) { return m_state.message(key); };
    News->openLink = [this](const QUrl& url) {
        // The desktop may answer after a while: the box says so only if it is still there.
        m_shell.open(url.toString(), [news = QPointer<NewsView>(News), url] {
            if (news)
                news->linkFailed(url);
        });
    };
    GetNews = new QPushButton(UpdateArtwork::newsGlyph(), QStringLiteral("GetNews!"), GroupBox42);
    GetNews->setObjectName(QStringLiteral("GetNews"));
    // Beside the box rather than under it: the page has no room for a taller group.
    newsBox->addWidget(News, 0, 0, 2, 1);
    newsBox->addWidget(GetNews, 1, 1, Qt::AlignBottom | Qt::AlignRight);
    newsBox->setRowStretch(0, 1);

    page->addWidget(GroupBox1, 0, 0, 2, 1);
    page->addWidget(GroupBox2, 0, 1);
    page->addWidget(GroupBox3, 1, 1);
    page->addWidget(GroupBox42, 2, 0, 1, 2);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(0, 1);
    page->setRowStretch(1, 1);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TMainForm::ListBox1SelectionChanged);
    connect(ListBox1, &QListWidget::itemClicked, this, &TMainForm::ListBox1ItemClicked);
    ListBox1->viewport()->installEventFilter(this);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ListPopup->popup(ListBox1->viewport()->mapToGlobal(pos)); });
    connect(BitBtn1, &QPushButton::clicked, this, &TMainForm::BitBtn1Click);
    connect(Edit, &QPushButton::clicked, this, &TMainForm::EditClick);
    connect(BitBtn4, &QPushButton::clicked, this, &TMainForm::BitBtn4Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TMainForm::BitBtn6Click);
    connect(EditCFGmanually1, &QAction::triggered, this, &TMainForm::EditCFGmanually1Click);
    connect(Backup, &QAction::triggered, this, &TMainForm::BackupClick);
    connect(Restore1, &QAction::triggered, this, &TMainForm::Restore1Click);
    connect(DeleteCFG1, &QAction::triggered, this, &TMainForm::DeleteCFG1Click);
    connect(UButton, &QPushButton::clicked, this, &TMainForm::UButtonClick);
    connect(GetNews, &QPushButton::clicked, this, &TMainForm::GetNewsClick);
    connect(News, &NewsView::loadEnded, this, [this] { GetNews->setText(message(QStringLiteral("Loaded"))); });
    updateFileActions();
}

QListWidgetItem* TMainForm::selectedEntry() const
{
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void TMainForm::selectWithoutReading(int row)
{
    m_selectingByProgram = true;
    ListBox1->setCurrentRow(row);
    if (row < 0)
        ListBox1->clearSelection();
    m_selectingByProgram = false;
    updateFileActions();
}

void TMainForm::ScanCfgList()
{
    m_state.working.setFolder(CfgFolder::withTrailingSeparator(m_state.working.folder()));
    writeSetting(Setting::GameFolder, m_state.working.folder());
    const QStringList names = CfgFolder::listCfgFiles(QDir::fromNativeSeparators(m_state.working.folder()));
    m_selectingByProgram = true;
    ListBox1->clear();
    ListBox1->addItems(names);
    m_selectingByProgram = false;
    const int row = CfgFolder::pickEntry(names, m_state.settings.read(Setting::WorkingFile));
    selectWithoutReading(row);
    m_state.working.setWorkingFile(row >= 0 ? names[row] : QStringLiteral("config.cfg"));
    enablePagesForFile();
}

void TMainForm::enablePagesForFile()
{
    const bool any = ListBox1->count() > 0;
    for (QWidget* page : {TabSheet2, TabSheet3, TabSheet4})
        page->setEnabled(any);
    const QString why = any ? QString() : message(QStringLiteral("nocfgfile"));
    for (QWidget* page : {TabSheet2, TabSheet3, TabSheet4})
        page->setToolTip(why);
}

bool TMainForm::hasWorkingFile()
{
    if (ListBox1->count() > 0)
        return true;
    m_state.dialogs.error(message(QStringLiteral("nocfgfile")));
    return false;
}

void TMainForm::ListBox1SelectionChanged()
{
    updateFileActions();
    if (m_selectingByProgram || !selectedEntry())
        return;
    m_readOnPress = true;
    ListBox1Click();
}

void TMainForm::ListBox1ItemClicked(QListWidgetItem* item)
{
    // A click on the entry that is already selected reads the file again: that is how the user
    // drops edits not yet applied. A click that selected the entry has read it already.
    const bool alreadyRead = m_readOnPress;
    m_readOnPress = false;
    if (!alreadyRead && !m_selectingByProgram && item && item->isSelected())
        ListBox1Click();
}

void TMainForm::updateFileActions()
{
    const bool selected = selectedEntry() != nullptr;
    for (QWidget* button :
         {static_cast<QWidget*>(Edit), static_cast<QWidget*>(BitBtn4), static_cast<QWidget*>(BitBtn6)})
        button->setEnabled(selected);
    for (QAction* action : {EditCFGmanually1, Backup, Restore1, DeleteCFG1})
        action->setEnabled(selected);
}

void TMainForm::ListBox1Click()
{
    const QListWidgetItem* item = selectedEntry();
    if (!item)
        return;
    m_state.working.setWorkingFile(item->text());
    writeSetting(Setting::WorkingFile, m_state.working.file());
    ReadOptionPages();
}

void TMainForm::useCfgEntry(const QString& name)
{
    const QList<QListWidgetItem*> found = ListBox1->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    selectWithoutReading(ListBox1->row(found.first()));
    ListBox1Click();
}

void TMainForm::wizardWritten(const QString& cfgFile, bool showServer, int mouseButtons)
{
    ScanCfgList();
    // The scan picks the file the setting cfg_file names; the written file is the working file
    // even when that setting could not be stored.
    const QList<QListWidgetItem*> found = ListBox1->findItems(cfgFile, Qt::MatchFixedString);
    if (!found.isEmpty()) {
        const int row = ListBox1->row(found.first());
        selectWithoutReading(row);
        m_state.working.setWorkingFile(found.first()->text());
    }
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet3), showServer);
    MouseButtons = mouseButtons;
    binderPage->applyMouseButtons(mouseButtons);
    ReadOptionPages();
}

void TMainForm::BitBtn1Click()
{
    const QString chosen = chooseConfigCfg();
    if (chosen.isEmpty())
        return;
    useChosenConfig(chosen);
    ScanCfgList();
}

void TMainForm::FormClose()
{
    if (m_abandoned)
        return;
    if (!selectedEntry()) {
        const QList<QListWidgetItem*> found = ListBox1->findItems(QStringLiteral("config.cfg"), Qt::MatchFixedString);
        if (!found.isEmpty())
            selectWithoutReading(ListBox1->row(found.first()));
        m_state.working.setWorkingFile(found.isEmpty() ? QStringLiteral("config.cfg") : found.first()->text());
    }
    const QListWidgetItem* item = selectedEntry();
    writeSetting(Setting::WorkingFile, item ? item->text() : QStringLiteral("config.cfg"));
}

void TMainForm::UButtonClick()
{
    if (!m_updateForm)
        return;
    // The update window brings this one back, and ends the program once its patch runs.
    m_updateForm->disconnect(this);
    connect(m_updateForm, &TUpdateForm::mainWindowWanted, this, &QWidget::show);
    connect(m_updateForm, &TUpdateForm::patchStarted, this, [] { QCoreApplication::exit(0); });
    hide();
    m_updateForm->showModal();
}

void TMainForm::GetNewsClick()
{
    GetNews->setText(message(QStringLiteral("Loading")));
    QString refused;
    const QUrl root = SiteAddress::root(m_state.settings.read(Setting::Site), &refused);
    if (!root.isValid()) {
        News->showFailure(Msg::NewsSite, refused);
        return;
    }
    News->load(SiteAddress::news(root));
}
