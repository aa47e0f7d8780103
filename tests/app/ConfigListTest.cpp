// The configuration list on the Main page: which file the pages show, and the first-run prompt.
#include "MainFormFixture.h"

#include "language/LanguageIni.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>

TEST_F(MainFormTest, ClickingAnEntryShowsItsValuesAndAClickOnItAgainDropsEdits)
{
    game.write(QStringLiteral("config.cfg"), "name \"Alpha\"\r\n");
    game.write(QStringLiteral("mine.cfg"), "name \"Bravo\"\r\n");
    TMainForm& f = start();
    ASSERT_EQ(nameField()->text(), QStringLiteral("Alpha"));

    clickEntry(QStringLiteral("mine.cfg"));
    EXPECT_EQ(state.working.file(), QStringLiteral("mine.cfg"));
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("mine.cfg"));
    EXPECT_EQ(nameField()->text(), QStringLiteral("Bravo"));

    typeName(QStringLiteral("Unapplied"));
    clickEntry(QStringLiteral("mine.cfg"));
    EXPECT_EQ(nameField()->text(), QStringLiteral("Bravo"));

    // The keyboard picks too.
    const int row =
        control<QListWidget>(f, "ListBox1")->row(control<QListWidget>(f, "ListBox1")->selectedItems().value(0));
    control<QListWidget>(f, "ListBox1")->setFocus();
    QTest::keyClick(control<QListWidget>(f, "ListBox1"), row == 0 ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(state.working.file(), QStringLiteral("config.cfg"));
    EXPECT_EQ(nameField()->text(), QStringLiteral("Alpha"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainFormTest, AScanIsNoClick)
{
    game.write(QStringLiteral("config.cfg"), "name \"Alpha\"\r\n");
    game.write(QStringLiteral("mine.cfg"), "name \"Bravo\"\r\n");
    TMainForm& f = start();
    typeName(QStringLiteral("Unapplied"));
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("MINE.cfg");
    f.scanConfigList();
    EXPECT_EQ(state.working.file(), QStringLiteral("mine.cfg"));
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("MINE.cfg")) << "a scan wrote cfg_file";
    EXPECT_EQ(nameField()->text(), QStringLiteral("Unapplied")) << "a scan read the pages again";
}

TEST_F(MainFormTest, CancellingTheFirstRunPromptEndsTheProgramWithoutWritingSettings)
{
    settings.values.remove(QStringLiteral("cfg_dir"));
    settings.writes = 0;
    // Cancel is the answer: the program ends with no message after it.
    TMainForm& f = start();
    EXPECT_EQ(quits, 1);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].what, QStringLiteral("openFile"));
    EXPECT_FALSE(wizardShown());
    f.close();
    EXPECT_EQ(settings.writes, 0);
    EXPECT_FALSE(settings.values.contains(QStringLiteral("cfg_dir")));
}

TEST_F(MainFormTest, FirstRunPromptTakesTheChosenConfigAndOpensTheWizard)
{
    settings.values.remove(QStringLiteral("cfg_dir"));
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    game.write(QStringLiteral("mine.cfg"), "x");
    dialogs.files << game.file(QStringLiteral("config.cfg"));
    start();
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(state.working.folder(), game.dirWithSlash());
    EXPECT_EQ(state.working.file(), QStringLiteral("config.cfg"));
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("config.cfg"));
    EXPECT_EQ(state.working.store().filePath(), game.file(QStringLiteral("config.cfg")));
    EXPECT_TRUE(wizardShown());
}

TEST_F(MainFormTest, TheFolderDialogStartsInTheGameFolderWithAPathOfThisSystem)
{
    TMainForm& f = start();
    QTest::mouseClick(control<QPushButton>(f, "BitBtn1"), Qt::LeftButton); // cancelled
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].text.endsWith(QLatin1Char('|') + QDir::toNativeSeparators(game.dirWithSlash())))
        << dialogs.shown[0].text.toStdString();
    EXPECT_EQ(dialogs.shown[0].title,
              QStringLiteral("Please choose the %1 file")
                  .arg(QDir::toNativeSeparators(QStringLiteral("Half-Life/cstrike/config.cfg"))));
}

TEST_F(MainFormTest, ALanguageChangeKeepsEditsAndTheSelectorShowsTheLanguageAfterARestart)
{
    program.write(QStringLiteral("Languages/French.lng"),
                  TempDir::readFile(QStringLiteral(QVL_SOURCE_DATA "/Languages/French.lng")));
    TMainForm& f = start();
    EXPECT_EQ(control<QComboBox>(f, "Lang")->currentIndex(), -1);
    typeName(QStringLiteral("Unapplied"));
    control<QComboBox>(f, "Lang")->setCurrentIndex(control<QComboBox>(f, "Lang")->findText(QStringLiteral("French")));
    activate(control<QComboBox>(f, "Lang"));
    EXPECT_NE(control<QTabWidget>(f, "PageControl1")->tabText(0), QStringLiteral("Main"));
    EXPECT_EQ(nameField()->text(), QStringLiteral("Unapplied"));

    const QByteArray ini = TempDir::readFile(LanguageIni::path(program.path()));
    start(); // the next run
    EXPECT_EQ(control<QComboBox>(*form, "Lang")->currentText(), QStringLiteral("French"));
    EXPECT_EQ(TempDir::readFile(LanguageIni::path(program.path())), ini);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainFormTest, TheStatusLineFitsItsStripOrShowsTheWholeTextAsATip)
{
    TMainForm& f = start();
    for (int page : {0, 1, 2, 4}) {
        control<QTabWidget>(f, "PageControl1")->setCurrentIndex(page);
        const QString shown = control<QLabel>(f, "Status")->text();
        EXPECT_LE(control<QLabel>(f, "Status")->fontMetrics().horizontalAdvance(shown),
                  control<QLabel>(f, "Status")->contentsRect().width())
            << page;
        const QString whole =
            control<QLabel>(f, "Status")->toolTip().isEmpty() ? shown : control<QLabel>(f, "Status")->toolTip();
        EXPECT_FALSE(whole.contains(QChar(0x2026)));
        EXPECT_TRUE(whole.startsWith(shown.chopped(shown.endsWith(QChar(0x2026)) ? 1 : 0)));
    }
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(0);
    EXPECT_EQ(
        control<QLabel>(f, "Status")->toolTip().isEmpty() ? control<QLabel>(f, "Status")->text()
                                                          : control<QLabel>(f, "Status")->toolTip(),
        QStringLiteral("Main window >> here you can manipulate with your config files and setup some settings of QVL"));
}

TEST_F(MainFormTest, TheListHintWraps)
{
    TMainForm& f = start();
    QWidget* viewport = control<QListWidget>(f, "ListBox1")->viewport();
    const QPoint pos(4, viewport->height() - 4);
    QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &help);
    ASSERT_TRUE(QToolTip::isVisible());
    QLabel* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible())
            tip = qobject_cast<QLabel*>(w);
    }
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->wordWrap());
    EXPECT_LT(tip->width(), 500);
    EXPECT_TRUE(tip->text().contains(QStringLiteral("CS uses config.cfg by default.")));
    QToolTip::hideText();
}

TEST_F(MainFormTest, AWorkingFileTheGameDoesNotRunIsToldOnceWithHowToRunIt)
{
    game.write(QStringLiteral("config.cfg"), "unbindall\r\nexec extra.cfg\r\nexec userconfig.cfg\r\n");
    game.write(QStringLiteral("extra.cfg"), "rate 1\r\n");
    game.write(QStringLiteral("match.cfg"), "mp_roundtime 3\n");
    TMainForm& f = start();
    const auto status = [&f] {
        return control<QLabel>(f, "Status")->toolTip();
    }; // the whole text, cut short on the strip
    const QString hint = control<QLabel>(f, "Status")->text();
    clickEntry(QStringLiteral("extra.cfg"));
    EXPECT_EQ(control<QLabel>(f, "Status")->text(), hint) << "config.cfg runs extra.cfg";
    clickEntry(QStringLiteral("match.cfg"));
    EXPECT_EQ(status(), state.message(Msg::NotInChain).arg(QStringLiteral("match.cfg")));
    EXPECT_TRUE(status().contains(QStringLiteral("exec match.cfg")));
    clickEntry(QStringLiteral("config.cfg"));
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(0);
    clickEntry(QStringLiteral("match.cfg"));
    EXPECT_EQ(control<QLabel>(f, "Status")->text(), state.message(Msg::MainPageHint)) << "once";
}

TEST_F(MainFormTest, AtStartTheNoteThatTheGameDoesNotRunTheFileFollowsTheFirstShow)
{
    game.write(QStringLiteral("match.cfg"), "mp_roundtime 3\n");
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("match.cfg");
    TMainForm& f = start();
    EXPECT_EQ(control<QLabel>(f, "Status")->text(), state.message(Msg::MainPageHint));
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QLabel>(f, "Status")->toolTip(), state.message(Msg::NotInChain).arg(QStringLiteral("match.cfg")));
}
