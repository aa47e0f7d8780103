#include "MainFormFixture.h"
#include "app/CfgFolder.h"
#include "online/NewsView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

TEST_F(MainFormTest, FirstShowTakesTheRememberedFolderAndRunsOnce)
{
    settings.values[QStringLiteral("show_server")] = QStringLiteral("No");
    TMainForm& f = start();
    EXPECT_EQ(state.ProgramDir, program.path());
    EXPECT_EQ(state.working.folder(), game.dirWithSlash());
    EXPECT_EQ(state.working.file(), QStringLiteral("config.cfg"));
    EXPECT_TRUE(control<QTabWidget>(f, "PageControl1")->isTabVisible(2)) << "only \"no\" hides the server page";
    // One size: no maximize button.
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);

    settings.values[QStringLiteral("cfg_dir")] = QStringLiteral("/elsewhere/");
    f.hide();
    f.show();
    EXPECT_EQ(state.working.folder(), game.dirWithSlash());
}

TEST_F(MainFormTest, ShowServerNoHidesTheServerPage)
{
    settings.values[QStringLiteral("show_server")] = QStringLiteral("no");
    EXPECT_FALSE(control<QTabWidget>(start(), "PageControl1")->isTabVisible(2));
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
        control<QTabWidget>(f, "PageControl1")->setCurrentIndex(p.page);
        // A text too long for the strip is cut short there and shown whole as its tip.
        EXPECT_EQ(control<QLabel>(f, "Status")->toolTip().isEmpty() ? control<QLabel>(f, "Status")->text()
                                                                    : control<QLabel>(f, "Status")->toolTip(),
                  QLatin1String(p.status));
        EXPECT_EQ(control<QPushButton>(f, "BitBtn8")->isVisibleTo(&f), p.apply) << p.page;
    }

    game.write(QStringLiteral("config.cfg"), "rate \"9999\"\r\n");
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    QByteArray rate;
    EXPECT_TRUE(state.working.store().GetCfgVar("rate", rate));
    EXPECT_EQ(rate, "9999");
    EXPECT_EQ(state.working.store().filePath(), game.file(QStringLiteral("config.cfg")));
}

TEST_F(MainFormTest, UninstallEntryGivesTheFolderWhenNoneIsRemembered)
{
    settings.values[QStringLiteral("cfg_dir")] = QStringLiteral("default");
    registry.set(MachineRegistry::Root::LocalMachine, CfgFolder::uninstallKey(), CfgFolder::uninstallValue(),
                 QStringLiteral(R"(C:\Games\Half-Life\UNWISE.EXE C:\Games\Half-Life\INSTALL.LOG)"));
    start();
    // The scan then adds the separator it needs; the derived folder ends in a backslash already.
    EXPECT_EQ(settings.values[QStringLiteral("cfg_dir")], QStringLiteral(R"(C:\Games\Half-Life\cstrike\)"));
    EXPECT_FALSE(wizardShown());
}

TEST_F(MainFormTest, SteamLibraryIsFoundWithoutUninstallEntry)
{
    settings.values.remove(QStringLiteral("cfg_dir"));
    const QString cstrike = home.path() + QStringLiteral("/.steam/steam/steamapps/common/Half-Life/cstrike");
    QDir().mkpath(cstrike);
    TempDir::writeFile(cstrike + QStringLiteral("/config.cfg"), "rate \"1\"\r\n");
    start();
    EXPECT_EQ(state.working.folder(), cstrike + QLatin1Char('/'));
    EXPECT_EQ(listed(), QStringList({"config.cfg"}));
    EXPECT_FALSE(wizardShown());
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
    EXPECT_EQ(control<QListWidget>(f, "ListBox1")->currentItem()->text(), QStringLiteral("Mine.cfg"));
    EXPECT_EQ(state.working.file(), QStringLiteral("Mine.cfg"));

    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("gone.cfg");
    f.scanConfigList();
    EXPECT_EQ(state.working.file(), QStringLiteral("config.cfg"));
}

TEST_F(MainFormTest, EmptyFolderWorksWithConfigCfgAndCloseRemembersIt)
{
    QFile::remove(game.file(QStringLiteral("config.cfg")));
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    EXPECT_EQ(control<QListWidget>(f, "ListBox1")->count(), 0);
    EXPECT_EQ(state.working.file(), QStringLiteral("config.cfg"));
    f.close();
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("config.cfg"));
}

TEST_F(MainFormTest, FolderButton)
{
    game.write(QStringLiteral("mine.cfg"), "x");
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();

    QTest::mouseClick(control<QPushButton>(f, "BitBtn1"), Qt::LeftButton); // cancelled: nothing changes
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("mine.cfg"));

    TempDir other;
    other.write(QStringLiteral("config.cfg"), "x");
    other.write(QStringLiteral("mine.cfg"), "x");
    dialogs.files << other.file(QStringLiteral("config.cfg"));
    QTest::mouseClick(control<QPushButton>(f, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("config.cfg"));
    EXPECT_EQ(state.working.file(), QStringLiteral("config.cfg"));
    EXPECT_EQ(QDir::fromNativeSeparators(state.working.folder()), other.dirWithSlash());
    EXPECT_EQ(QDir::fromNativeSeparators(settings.values[QStringLiteral("cfg_dir")]), other.dirWithSlash());
}

TEST_F(MainFormTest, MouseButtonsFallBackToThreeWithoutWritingTheSetting)
{
    const struct {
        const char* setting;
        int buttons;
    } cases[] = {{"5", 5}, {"7", 7}, {"", 3}, {"two", 3}, {"4.5", 3}};
    for (const auto& c : cases) {
        settings.values[QStringLiteral("mouse_btns")] = QLatin1String(c.setting);
        // The count the wizard offers when the setting gives none of its own.
        control<QPushButton>(start(), "WizardButton")->click();
        const auto* wizard = form->findChild<QDialog*>(QStringLiteral("wizard"));
        ASSERT_NE(wizard, nullptr);
        settings.values.remove(QStringLiteral("mouse_btns"));
        control<QPushButton>(*wizard, "BitBtn2")->click();
        EXPECT_EQ(control<QComboBox>(*wizard, "buttons")->currentText(), QString::number(c.buttons)) << c.setting;
        settings.values[QStringLiteral("mouse_btns")] = QLatin1String(c.setting);
        EXPECT_EQ(settings.values[QStringLiteral("mouse_btns")], QLatin1String(c.setting));
    }
}

TEST_F(MainFormTest, TheLinkOpensTheHomePage)
{
    TMainForm& f = start();
    QTest::mouseClick(control<QLabel>(f, "Label2"), Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_TRUE(shell.opened[0].startsWith(QStringLiteral("http://")));
    EXPECT_EQ(shell.opened[0], control<QLabel>(f, "Label2")->text());
}

TEST_F(MainFormTest, ANewsLinkThatNoBrowserOpensIsSaidInTheBox)
{
    TMainForm& f = start();
    const QLabel* notice = control<NewsView>(f, "News")->findChild<QLabel*>(QStringLiteral("NewsNotice"));
    ASSERT_NE(notice, nullptr);
    const QString link = QStringLiteral("https://www.quarvel.org/changes.htm");
    for (const bool fails : {false, true}) {
        shell.openFails = fails;
        Q_EMIT control<NewsView>(f, "News")->anchorClicked(QUrl(link));
        EXPECT_EQ(shell.opened.last(), link);
        EXPECT_EQ(notice->isVisible(), fails);
    }
    EXPECT_EQ(notice->text(), QStringLiteral("No web browser can open this link: ") + link);
}

TEST_F(MainFormTest, TheApplyButtonCoversNoneOfThePageInAnyLanguage)
{
    program.write(QStringLiteral("Languages/Russian.lng"),
                  TempDir::readFile(QStringLiteral(QVL_SOURCE_DATA "/Languages/Russian.lng")));
    TMainForm& f = start();
    for (const char* language : {"English", "Russian"}) {
        control<QComboBox>(f, "Lang")->setCurrentIndex(
            control<QComboBox>(f, "Lang")->findText(QLatin1String(language)));
        activate(control<QComboBox>(f, "Lang"));
        for (int page : {1, 2}) {
            control<QTabWidget>(f, "PageControl1")->setCurrentIndex(page);
            QApplication::processEvents(); // the page lays itself out once shown
            const QRect button = control<QPushButton>(f, "BitBtn8")->geometry();
            const QWidget* sheet = control<QTabWidget>(f, "PageControl1")->widget(page);
            const auto* scroll = sheet->findChild<QScrollArea*>();
            ASSERT_NE(scroll, nullptr);
            const QRect content(scroll->viewport()->mapTo(&f, QPoint(0, 0)), scroll->viewport()->size());
            EXPECT_FALSE(button.intersects(content)) << language << " page " << page;
            EXPECT_TRUE(QRect(sheet->mapTo(&f, QPoint(0, 0)), sheet->size()).contains(button)) << language;
            for (const QLabel* title : sheet->findChildren<QLabel*>(QRegularExpression(QStringLiteral("Title$"))))
                EXPECT_FALSE(button.intersects(QRect(title->mapTo(&f, QPoint(0, 0)), title->sizeHint())))
                    << language << " " << title->text().toStdString();
        }
    }
}

TEST_F(MainFormTest, ApplyWritesWhatThePageShownHolds)
{
    TMainForm& f = start();
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(2);
    const QByteArray before = game.read(QStringLiteral("config.cfg"));
    QTest::mouseClick(control<QPushButton>(f, "BitBtn8"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(f, "Status")->text(), QStringLiteral("Nothing to apply"));
    EXPECT_EQ(game.read(QStringLiteral("config.cfg")), before);
    f.findChild<QAbstractButton*>(QStringLiteral("s4_1"))->click(); // friendly fire on
    QTest::mouseClick(control<QPushButton>(f, "BitBtn8"), Qt::LeftButton);
    EXPECT_TRUE(game.read(QStringLiteral("config.cfg")).contains("mp_friendlyfire \"1\""));
    EXPECT_EQ(control<QLabel>(f, "Status")->text(), QStringLiteral("Server options >> change your server settings"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainFormTest, AStatusTooLongForTheStripIsCutThereAndShownWholeAsItsTip)
{
    const QString longText = QStringLiteral("Client options >> ") + QString(300, QLatin1Char('x'));
    TMainForm& f = start();
    state.messages.setText(QStringLiteral("TabSheet2"), longText);
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    EXPECT_EQ(control<QLabel>(f, "Status")->toolTip(), longText);
    EXPECT_TRUE(control<QLabel>(f, "Status")->text().startsWith(QStringLiteral("Client options >> xx")));
    EXPECT_LT(control<QLabel>(f, "Status")->text().size(), longText.size());
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(0);
    EXPECT_TRUE(control<QLabel>(f, "Status")->toolTip().isEmpty()) << "a text that fits has no tip";
}

TEST_F(MainFormTest, ClosingRemembersTheFileClickedLast)
{
    game.write(QStringLiteral("mine.cfg"), "name \"Bravo\"\r\n");
    TMainForm& f = start();
    clickEntry(QStringLiteral("mine.cfg"));
    f.close();
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("mine.cfg"));
}

TEST_F(MainFormTest, AnotherStartBringsTheWindowTheUserWorksInToTheFront)
{
    TMainForm& f = start();
    f.setWindowState(Qt::WindowMinimized);
    f.comeForward();
    EXPECT_FALSE(f.isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));

    QDialog question(&f); // as the wizard or a message box over the window, both minimized
    question.setWindowModality(Qt::ApplicationModal);
    question.show();
    for (QWidget* window : {static_cast<QWidget*>(&f), static_cast<QWidget*>(&question)})
        window->setWindowState(Qt::WindowMinimized);
    f.comeForward();
    EXPECT_FALSE(f.isMinimized());
    EXPECT_FALSE(question.isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&question));
}

TEST_F(MainFormTest, CtrlZTakesBackTheLastWriteAndThePagesShowTheFileAgain)
{
    const QByteArray before = game.read(QStringLiteral("config.cfg"));
    TMainForm& f = start();
    QApplication::setActiveWindow(&f); // the shortcut works in the window the user works in
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(control<QLabel>(f, "Status")->text(), state.message(Msg::NothingToUndo));

    typeName(QStringLiteral("Neo"));
    control<QPushButton>(f, "BitBtn8")->click();
    ASSERT_NE(game.read(QStringLiteral("config.cfg")), before);
    QApplication::setActiveWindow(&f);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game.read(QStringLiteral("config.cfg")), before);
    EXPECT_EQ(control<QLabel>(f, "Status")->text(), state.message(Msg::Undone).arg(QStringLiteral("config.cfg")));
    EXPECT_EQ(nameField()->text(), QString()) << "the file holds no name again";
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // A change made by another program is told at the next read.
    game.write(QStringLiteral("config.cfg"), "rate \"1\"\r\n");
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(2);
    EXPECT_EQ(control<QLabel>(f, "Status")->text(),
              state.message(Msg::ChangedOutside).arg(QStringLiteral("config.cfg")));
}
