// The Main page: the configuration list, the game folder, and the file actions.
#include "app/MainForm.h"

#include "config/AppState.h"
#include "app/CfgFolder.h"
#include "app/WizardForm.h"
#include "platform/Dialogs.h"
#include "platform/MachineRegistry.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/SteamLibraries.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
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

QString startFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Half-Life\\cstrike");
#else
    return QDir::homePath();
#endif
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
    Edit = iconButton(GroupBox1, "Edit", QStyle::SP_FileDialogDetailedView, QString());
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
    new QVBoxLayout(GroupBox2);

    GroupBox3 = new QGroupBox(QStringLiteral("QVL Language"), TabSheet1);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* langBox = new QVBoxLayout(GroupBox3);
    Label3 = new QLabel(QStringLiteral("You can change QVL language! Avilalible: English, Russian, French"), GroupBox3);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Lang = new QComboBox(GroupBox3);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->addItems(
        {QStringLiteral("English"), QStringLiteral("Russian"), QStringLiteral("French"), QStringLiteral("Swedish")});
    Lang->setCurrentIndex(-1);
    langBox->addWidget(Label3);
    langBox->addWidget(Lang);

    GroupBox4 = new QGroupBox(QStringLiteral("Z.U. Zori"), TabSheet1);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    new QVBoxLayout(GroupBox4);

    page->addWidget(GroupBox1, 0, 0, 2, 1);
    page->addWidget(GroupBox2, 0, 1);
    page->addWidget(GroupBox3, 1, 1);
    page->addWidget(GroupBox4, 2, 0, 1, 2);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(2, 1);

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (!m_scanning)
            ListBox1Click();
    });
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
}

void TMainForm::LocateCfgFolder()
{
    SettingsStore& settings = m_state.settings;
    const QString remembered = settings.read(QStringLiteral("cfg_dir"));
    if (!remembered.isEmpty() && remembered != QLatin1String("default")) {
        m_state.CfgDir = remembered;
        m_state.CfgFile = settings.read(QStringLiteral("cfg_file"));
        return;
    }
    const QString uninstall = m_registry.readString(MachineRegistry::Root::LocalMachine, CfgFolder::uninstallKey(),
                                                    CfgFolder::uninstallValue());
    QString found = uninstall.isEmpty() ? QString() : CfgFolder::folderFromUninstallString(uninstall);
    if (found.isEmpty()) // Steam installs write no uninstall entry
        found =
            QDir::toNativeSeparators(SteamLibraries::findCstrike(SteamLibraries::steamRoots(m_registry, steamHome)));
    if (found.isEmpty()) {
        AskCfgFolder();
        return;
    }
    writeSetting(QStringLiteral("cfg_dir"), found);
    m_state.CfgDir = settings.read(QStringLiteral("cfg_dir"));
    m_state.CfgFile = settings.read(QStringLiteral("cfg_file"));
}

void TMainForm::useChosenConfig(const QString& chosenPath)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(chosenPath).absolutePath());
    writeSetting(QStringLiteral("cfg_dir"), folder);
    m_state.CfgDir = CfgFolder::withTrailingSeparator(folder);
    writeSetting(QStringLiteral("cfg_file"), QStringLiteral("config.cfg"));
    m_state.CfgFile = QStringLiteral("config.cfg");
}

void TMainForm::AskCfgFolder()
{
    QString chosen;
    while ((chosen = m_state.dialogs.openFile(QStringLiteral("Please choose the Half-Life\\cstrike\\config.cfg file"),
                                              QStringLiteral("config.cfg (config.cfg)"), startFolder()))
               .isEmpty())
        m_state.dialogs.information(message(QStringLiteral("Information")), message(QStringLiteral("cfgnotfound")));
    useChosenConfig(chosen);
    m_state.LoadCfg();
    ScanCfgList();
    if (openWizard)
        openWizard();
}

void TMainForm::ScanCfgList()
{
    m_state.CfgDir = CfgFolder::withTrailingSeparator(m_state.CfgDir);
    writeSetting(QStringLiteral("cfg_dir"), m_state.CfgDir);
    const QStringList names = CfgFolder::listCfgFiles(QDir::fromNativeSeparators(m_state.CfgDir));
    m_scanning = true;
    ListBox1->clear();
    if (m_wizard)
        m_wizard->Configs->clear();
    ListBox1->addItems(names);
    if (m_wizard)
        m_wizard->Configs->addItems(names);
    m_state.CfgFile = m_state.settings.read(QStringLiteral("cfg_file"));
    const int row = CfgFolder::pickEntry(names, m_state.CfgFile);
    ListBox1->setCurrentRow(row);
    if (m_wizard)
        m_wizard->Configs->setCurrentRow(row);
    m_state.CfgFile = row >= 0 ? names[row] : QStringLiteral("config.cfg");
    m_scanning = false;
}

void TMainForm::ListBox1Click()
{
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item)
        return;
    m_state.CfgFile = item->text();
    writeSetting(QStringLiteral("cfg_file"), m_state.CfgFile);
    ReadOptionPages();
}

void TMainForm::BitBtn1Click()
{
    const QString chosen =
        m_state.dialogs.openFile(QStringLiteral("Please choose the Half-Life\\cstrike\\config.cfg file"),
                                 QStringLiteral("config.cfg (config.cfg)"), startFolder());
    if (chosen.isEmpty())
        return;
    useChosenConfig(chosen);
    ScanCfgList();
}

void TMainForm::FormClose()
{
    if (!ListBox1->currentItem()) {
        const QList<QListWidgetItem*> found = ListBox1->findItems(QStringLiteral("config.cfg"), Qt::MatchFixedString);
        if (!found.isEmpty())
            ListBox1->setCurrentItem(found.first());
        m_state.CfgFile = found.isEmpty() ? QStringLiteral("config.cfg") : found.first()->text();
    }
    const QListWidgetItem* item = ListBox1->currentItem();
    writeSetting(QStringLiteral("cfg_file"), item ? item->text() : QStringLiteral("config.cfg"));
}

void TMainForm::EditClick()
{
    m_shell.open(QDir::fromNativeSeparators(m_state.workingPath()));
}

void TMainForm::BitBtn4Click()
{
    if (m_shell.CopyFileToFolder(QDir::fromNativeSeparators(m_state.workingPath()), m_state.ProgramDir)) {
        m_state.dialogs.info(m_state.CfgFile + QLatin1Char(' ') + message(QStringLiteral("Backuped")) +
                             QLatin1Char('\n') +
                             QDir::toNativeSeparators(m_state.ProgramDir + QLatin1Char('/') + m_state.CfgFile));
    } else {
        m_state.dialogs.error(message(QStringLiteral("Backupfailed")));
    }
}

void TMainForm::BitBtn6Click()
{
    const QString backup = m_state.ProgramDir + QLatin1Char('/') + m_state.CfgFile;
    if (m_shell.CopyFileToFolder(backup, QDir::fromNativeSeparators(m_state.CfgDir))) {
        m_state.dialogs.info(m_state.CfgFile + QLatin1Char(' ') + message(QStringLiteral("Restored")) +
                             QLatin1Char('\n') + m_state.workingPath());
    } else {
        // A language file cannot keep the blank that ends this text (its reader trims texts).
        QString text = message(QStringLiteral("RestoreFailed"));
        if (!text.isEmpty() && !text.back().isSpace())
            text += QLatin1Char(' ');
        m_state.dialogs.error(text + m_state.CfgFile + QLatin1Char('?'));
    }
}

void TMainForm::EditCFGmanually1Click()
{
    if (ListBox1->currentItem())
        EditClick();
}

void TMainForm::BackupClick()
{
    if (ListBox1->currentItem())
        BitBtn4Click();
}

void TMainForm::Restore1Click()
{
    if (ListBox1->currentItem())
        BitBtn6Click();
}

void TMainForm::DeleteCFG1Click()
{
    if (!ListBox1->currentItem())
        return;
    QFile file(QDir::fromNativeSeparators(m_state.workingPath()));
    if (!file.remove())
        m_state.dialogs.error(QStringLiteral("Cannot delete %1: %2")
                                  .arg(QDir::toNativeSeparators(m_state.workingPath()), file.errorString()));
    ScanCfgList();
}
