#include "app/MainForm.h"
#include "config/AppState.h"
#include "app/CfgFolder.h"
#include "app/SplashForm.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.values[QStringLiteral("qvl_path")] = program.path();
        settings.values[QStringLiteral("cfg_dir")] = game.dirWithSlash();
        settings.values[QStringLiteral("cfg_file")] = QStringLiteral("config.cfg");
        game.write(QStringLiteral("config.cfg"), "unbindall\r\nrate \"25000\"\r\n");
    }

    TMainForm& start()
    {
        form = std::make_unique<TMainForm>(state, shell, registry);
        form->steamHome = home.path();
        form->openWizard = [this] { ++wizardOpened; };
        form->show();
        return *form;
    }

    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < form->ListBox1->count(); ++i)
            names << form->ListBox1->item(i)->text();
        return names;
    }

    TempDir game;
    TempDir program;
    TempDir home;
    MemorySettings settings;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeRegistry registry;
    AppState state{settings, dialogs};
    int wizardOpened = 0;
    std::unique_ptr<TMainForm> form;
};

} // namespace

TEST_F(MainFormTest, FirstShowTakesTheRememberedFolderAndRunsOnce)
{
    settings.values[QStringLiteral("show_server")] = QStringLiteral("No");
    TMainForm& f = start();
    EXPECT_EQ(state.ProgramDir, program.path());
    EXPECT_EQ(state.CfgDir, game.dirWithSlash());
    EXPECT_EQ(state.CfgFile, QStringLiteral("config.cfg"));
    EXPECT_TRUE(f.PageControl1->isTabVisible(2)) << "only \"no\" hides the server page";
    EXPECT_FALSE(f.FirstShow);

    settings.values[QStringLiteral("cfg_dir")] = QStringLiteral("/elsewhere/");
    f.hide();
    f.show();
    EXPECT_EQ(state.CfgDir, game.dirWithSlash());
}

TEST_F(MainFormTest, ShowServerNoHidesTheServerPage)
{
    settings.values[QStringLiteral("show_server")] = QStringLiteral("no");
    EXPECT_FALSE(start().PageControl1->isTabVisible(2));
}

TEST_F(MainFormTest, PageChangeSetsStatusApplyAndReloadsTheStore)
{
    TMainForm& f = start();
    const struct {
        int page;
        const char* status;
        bool apply;
    } pages[] = {
        {1, "Client options >> edit your personal settings", true},
        {2, "Server options >> change your server settings", true},
        {4, "HUDs >> Choose your favorite huds and play CS with them!", false},
        {0, "Main window >> here you can manipulate with your config files and setup some settings of QVL", false},
    };
    for (const auto& p : pages) {
        f.PageControl1->setCurrentIndex(p.page);
        EXPECT_EQ(f.Status->text(), QLatin1String(p.status));
        EXPECT_EQ(f.BitBtn8->isVisibleTo(&f), p.apply) << p.page;
    }

    game.write(QStringLiteral("config.cfg"), "rate \"9999\"\r\n");
    f.PageControl1->setCurrentIndex(1);
    QByteArray rate;
    EXPECT_TRUE(state.store.GetCfgVar("rate", rate));
    EXPECT_EQ(rate, "9999");
    EXPECT_EQ(state.store.filePath(), game.file(QStringLiteral("config.cfg")));
}

TEST_F(MainFormTest, UninstallEntryGivesTheFolderWhenNoneIsRemembered)
{
    settings.values[QStringLiteral("cfg_dir")] = QStringLiteral("default");
    registry.set(MachineRegistry::Root::LocalMachine, CfgFolder::uninstallKey(), CfgFolder::uninstallValue(),
                 QStringLiteral(R"(C:\Games\Half-Life\UNWISE.EXE C:\Games\Half-Life\INSTALL.LOG)"));
    start();
    // The scan then adds the separator it needs; the derived folder ends in a backslash already.
    EXPECT_EQ(settings.values[QStringLiteral("cfg_dir")], QStringLiteral(R"(C:\Games\Half-Life\cstrike\)"));
    EXPECT_EQ(wizardOpened, 0);
}

TEST_F(MainFormTest, SteamLibraryIsFoundWithoutUninstallEntry)
{
    settings.values.remove(QStringLiteral("cfg_dir"));
    const QString cstrike = home.path() + QStringLiteral("/.steam/steam/steamapps/common/Half-Life/cstrike");
    QDir().mkpath(cstrike);
    TempDir::writeFile(cstrike + QStringLiteral("/config.cfg"), "rate \"1\"\r\n");
    start();
    EXPECT_EQ(state.CfgDir, cstrike + QLatin1Char('/'));
    EXPECT_EQ(listed(), QStringList({"config.cfg"}));
    EXPECT_EQ(wizardOpened, 0);
}

TEST_F(MainFormTest, AskingForTheFolderRepeatsUntilAFileIsChosen)
{
    settings.values.remove(QStringLiteral("cfg_dir"));
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    game.write(QStringLiteral("mine.cfg"), "x");
    dialogs.files << QString() << QString() << game.file(QStringLiteral("config.cfg"));
    start();
    const QStringList shownTexts = dialogs.texts(QStringLiteral("window"));
    ASSERT_EQ(shownTexts.size(), 2);
    EXPECT_TRUE(shownTexts[0].startsWith(QStringLiteral("Sorry, 'config.cfg' not found at this dir.")));
    EXPECT_EQ(dialogs.shown[1].title, QStringLiteral("Information"));
    EXPECT_EQ(state.CfgDir, game.dirWithSlash());
    EXPECT_EQ(state.CfgFile, QStringLiteral("config.cfg"));
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("config.cfg"));
    EXPECT_EQ(state.store.filePath(), game.file(QStringLiteral("config.cfg")));
    EXPECT_EQ(wizardOpened, 1);
}

TEST_F(MainFormTest, ScanSelectsTheRememberedFileWithoutRegardToCase)
{
    for (const char* name : {"autoexec.cfg", "server.cfg", "Mine.cfg"})
        game.write(QLatin1String(name), "x");
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.CFG");
    TMainForm& f = start();
    QStringList names = listed();
    names.sort();
    EXPECT_EQ(names, QStringList({"Mine.cfg", "config.cfg"}));
    EXPECT_EQ(f.ListBox1->currentItem()->text(), QStringLiteral("Mine.cfg"));
    EXPECT_EQ(state.CfgFile, QStringLiteral("Mine.cfg"));

    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("gone.cfg");
    f.ScanCfgList();
    EXPECT_EQ(state.CfgFile, QStringLiteral("config.cfg"));
}

TEST_F(MainFormTest, EmptyFolderWorksWithConfigCfgAndCloseRemembersIt)
{
    QFile::remove(game.file(QStringLiteral("config.cfg")));
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    EXPECT_EQ(f.ListBox1->count(), 0);
    EXPECT_EQ(state.CfgFile, QStringLiteral("config.cfg"));
    f.close();
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("config.cfg"));
}

TEST_F(MainFormTest, ClickingAnEntryMakesItTheWorkingFile)
{
    game.write(QStringLiteral("mine.cfg"), "x");
    TMainForm& f = start();
    const QList<QListWidgetItem*> items = f.ListBox1->findItems(QStringLiteral("mine.cfg"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    const QRect rect = f.ListBox1->visualItemRect(items.first());
    QTest::mouseClick(f.ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(state.CfgFile, QStringLiteral("mine.cfg"));
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("mine.cfg"));
}

TEST_F(MainFormTest, FolderButton)
{
    game.write(QStringLiteral("mine.cfg"), "x");
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();

    QTest::mouseClick(f.BitBtn1, Qt::LeftButton); // cancelled: nothing changes
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("mine.cfg"));

    TempDir other;
    other.write(QStringLiteral("config.cfg"), "x");
    other.write(QStringLiteral("mine.cfg"), "x");
    dialogs.files << other.file(QStringLiteral("config.cfg"));
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("config.cfg"));
    EXPECT_EQ(state.CfgFile, QStringLiteral("config.cfg"));
    EXPECT_EQ(QDir::fromNativeSeparators(state.CfgDir), other.dirWithSlash());
    EXPECT_EQ(QDir::fromNativeSeparators(settings.values[QStringLiteral("cfg_dir")]), other.dirWithSlash());
}

TEST_F(MainFormTest, BackupTwiceKeepsTheLaterCopy)
{
    TMainForm& f = start();
    QTest::mouseClick(f.BitBtn4, Qt::LeftButton);
    game.write(QStringLiteral("config.cfg"), "second\r\n");
    QTest::mouseClick(f.BitBtn4, Qt::LeftButton);
    EXPECT_EQ(program.read(QStringLiteral("config.cfg")), "second\r\n");
    const QStringList infos = dialogs.texts(QStringLiteral("information"));
    ASSERT_EQ(infos.size(), 2);
    EXPECT_EQ(infos[1], QStringLiteral("config.cfg has been successfuly backuped. Backuped file:\n") +
                            QDir::toNativeSeparators(program.file(QStringLiteral("config.cfg"))));
}

TEST_F(MainFormTest, RestoreBringsBackTheCopyOrSaysWhatIsMissing)
{
    game.write(QStringLiteral("mine.cfg"), "mine\r\n");
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    QTest::mouseClick(f.BitBtn6, Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")),
              QStringList({"Restore of backuped file failed.\r\nMaybe you did'nt backup the mine.cfg?"}));
    EXPECT_EQ(game.read(QStringLiteral("mine.cfg")), "mine\r\n");

    program.write(QStringLiteral("mine.cfg"), "saved\r\n");
    QTest::mouseClick(f.BitBtn6, Qt::LeftButton);
    EXPECT_EQ(game.read(QStringLiteral("mine.cfg")), "saved\r\n");
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")).value(0),
              QStringLiteral("mine.cfg has been successfuly restored. Restored file:\n") + state.workingPath());
}

TEST_F(MainFormTest, DeletingAnotherFileSelectsConfigCfg)
{
    game.write(QStringLiteral("mine.cfg"), "x");
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    f.DeleteCFG1->trigger();
    EXPECT_FALSE(QFile::exists(game.file(QStringLiteral("mine.cfg"))));
    EXPECT_EQ(listed(), QStringList({"config.cfg"}));
    EXPECT_EQ(state.CfgFile, QStringLiteral("config.cfg"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainFormTest, PopupItemsDoNothingWithoutASelection)
{
    TMainForm& f = start();
    f.ListBox1->setCurrentRow(-1);
    for (QAction* action : {f.EditCFGmanually1, f.Backup, f.Restore1, f.DeleteCFG1})
        action->trigger();
    EXPECT_TRUE(QFile::exists(game.file(QStringLiteral("config.cfg"))));
    EXPECT_FALSE(QFile::exists(program.file(QStringLiteral("config.cfg"))));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(dialogs.shown.isEmpty());

    f.ListBox1->setCurrentRow(0);
    f.EditCFGmanually1->trigger();
    EXPECT_EQ(shell.opened, QStringList({game.file(QStringLiteral("config.cfg"))}));
}

TEST(SplashForm, MessagesFollowTheLabelsAfterItIsHidden)
{
    TSplashForm splash;
    splash.show();
    splash.hide();
    EXPECT_EQ(splash.message(QStringLiteral("Backupfailed")), QStringLiteral("Backup failed"));
    splash.findChild<QLabel*>(QStringLiteral("Backupfailed"))->setText(QStringLiteral("Sauvegarde impossible"));
    EXPECT_EQ(splash.message(QStringLiteral("Backupfailed")), QStringLiteral("Sauvegarde impossible"));
    EXPECT_EQ(splash.message(QStringLiteral("Image1")), QString());
}

TEST_F(MainFormTest, RestoreFailureKeepsTheFileNameApartFromATranslatedText)
{
    // Language files lose the blank that ends this text; the file name must not stick to it.
    state.messageSource = [](const QString& key) {
        return key == QLatin1String("RestoreFailed") ? QStringLiteral("Echec.\r\nAvez-vous sauvegarde") : QString();
    };
    TMainForm& f = start();
    QTest::mouseClick(f.BitBtn6, Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")), QStringList({"Echec.\r\nAvez-vous sauvegarde config.cfg?"}));
}

TEST_F(MainFormTest, MouseButtonsFallBackToThreeWithoutWritingTheSetting)
{
    const struct {
        const char* setting;
        int buttons;
    } cases[] = {{"5", 5}, {"7", 7}, {"", 3}, {"two", 3}, {"4.5", 3}};
    for (const auto& c : cases) {
        settings.values[QStringLiteral("mouse_btns")] = QLatin1String(c.setting);
        EXPECT_EQ(start().MouseButtons, c.buttons) << c.setting;
        EXPECT_EQ(settings.values[QStringLiteral("mouse_btns")], QLatin1String(c.setting));
    }
}

TEST_F(MainFormTest, TheLinkOpensTheHomePage)
{
    TMainForm& f = start();
    QTest::mouseClick(f.Label2, Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_TRUE(shell.opened[0].startsWith(QStringLiteral("http://")));
    EXPECT_EQ(shell.opened[0], f.Label2->text());
}
