// The Main page's actions on the selected configuration: open, back up, restore, delete.
#include "MainFormFixture.h"

#include "RestoreChooserDriver.h"
#include "history/History.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {

const QByteArray Alpha = "name \"Alpha\"\r\nrate \"9999\"\r\n";
const QByteArray Bravo = "name \"Bravo\"\r\n";

} // namespace

TEST_F(MainFormTest, BackupTwiceKeepsTheLaterCopy)
{
    TMainForm& f = start();
    dialogs.inputs << QStringLiteral("one") << QStringLiteral("two");
    QTest::mouseClick(control<QPushButton>(f, "BitBtn4"), Qt::LeftButton);
    game.write(QStringLiteral("config.cfg"), "second\r\n");
    QTest::mouseClick(control<QPushButton>(f, "BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(program.read(QStringLiteral("config.cfg")), "second\r\n");
    const QStringList infos = dialogs.texts(QStringLiteral("information"));
    ASSERT_EQ(infos.size(), 2);
    EXPECT_EQ(infos[1], QStringLiteral("config.cfg has been successfuly backuped. Backuped file:\n") +
                            QDir::toNativeSeparators(program.file(QStringLiteral("config.cfg"))));
}

TEST_F(MainFormTest, FailedBackupSaysSoInTheInterfaceLanguageWithTheCause)
{
    TMainForm& f = start();
    const MessageCatalog english;
    for (const auto& [key, text] : english.entries())
        state.messages.setText(key, QLatin1Char('<') + key + QLatin1Char('>'));

    QFile::remove(game.file(QStringLiteral("config.cfg"))); // deleted behind the program's back
    dialogs.inputs << QStringLiteral("gone");
    control<QAction>(f, "Backup")->trigger();
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("<Backupfailed>\n"))) << errors[0].toStdString();
    EXPECT_GT(errors[0].size(), QStringLiteral("<Backupfailed>\n").size()) << "the cause is missing";
    EXPECT_TRUE(dialogs.texts(QStringLiteral("information")).isEmpty());
}

TEST_F(MainFormTest, RestoreBringsBackTheCopyAndThePagesShowIt)
{
    game.write(QStringLiteral("mine.cfg"), Bravo);
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    QTest::mouseClick(control<QPushButton>(f, "BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")),
              QStringList({"Restore of backuped file failed.\r\nMaybe you did'nt backup the mine.cfg?"}));
    EXPECT_EQ(game.read(QStringLiteral("mine.cfg")), Bravo);

    program.write(QStringLiteral("mine.cfg"), Alpha);
    typeName(QStringLiteral("Unapplied"));
    control<QAction>(f, "Restore1")->trigger();
    // An old backup file and no history: the file alone is offered.
    EXPECT_EQ(RestoreChooserDriver::offered(f).size(), 1);
    RestoreChooserDriver::answer(f, 0);
    EXPECT_EQ(game.read(QStringLiteral("mine.cfg")), Alpha);
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")).value(0),
              QStringLiteral("mine.cfg has been successfuly restored. Restored file:\n") + state.working.path());
    // The file was replaced under the pages: they show it now, and Apply writes it back unchanged.
    EXPECT_EQ(nameField()->text(), QStringLiteral("Alpha"));
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    QTest::mouseClick(control<QPushButton>(f, "BitBtn8"), Qt::LeftButton);
    QByteArray name;
    ASSERT_TRUE(state.working.store().LoadCfg(game.file(QStringLiteral("mine.cfg"))));
    EXPECT_TRUE(state.working.store().GetCfgVar("name", name));
    EXPECT_EQ(name, "Alpha");
}

TEST_F(MainFormTest, RestoreLeavesAReadOnlyFileAndSaysWhy)
{
    const QString working = game.file(QStringLiteral("config.cfg"));
    const QByteArray before = game.read(QStringLiteral("config.cfg"));
    program.write(QStringLiteral("config.cfg"), Alpha);
    QFile::setPermissions(working, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    TMainForm& f = start();
    QTest::mouseClick(control<QPushButton>(f, "BitBtn6"), Qt::LeftButton);
    RestoreChooserDriver::answer(f, 0);
    QFile::setPermissions(working, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(game.read(QStringLiteral("config.cfg")), before);
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("read-only"))) << errors[0].toStdString();
    EXPECT_FALSE(errors[0].contains(QStringLiteral("Maybe you did'nt backup"))) << "the backup is there";
    EXPECT_TRUE(dialogs.texts(QStringLiteral("information")).isEmpty());
    EXPECT_TRUE(History::in(program.path()).versions(working).isEmpty()) << "nothing kept for a refused write";
}

TEST_F(MainFormTest, RestoreFailureKeepsTheFileNameApartFromATranslatedText)
{
    // Language files lose the blank that ends this text; the file name must not stick to it.
    TMainForm& f = start();
    state.messages.setText(QStringLiteral("RestoreFailed"), QStringLiteral("Echec.\r\nAvez-vous sauvegarde"));
    QTest::mouseClick(control<QPushButton>(f, "BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")), QStringList({"Echec.\r\nAvez-vous sauvegarde config.cfg?"}));
}

TEST_F(MainFormTest, DeleteAsksFirstThenShowsTheNewWorkingFile)
{
    game.write(QStringLiteral("config.cfg"), Alpha);
    game.write(QStringLiteral("mine.cfg"), Bravo);
    game.write(QStringLiteral("zulu.cfg"), "name Zulu\n");
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    ASSERT_EQ(nameField()->text(), QStringLiteral("Bravo"));

    control<QAction>(f, "DeleteCFG1")->trigger(); // answered No
    EXPECT_EQ(dialogs.texts(QStringLiteral("question")),
              QStringList({QStringLiteral("Do you want to delete %1? This cannot be undone.")
                               .arg(QDir::toNativeSeparators(game.file(QStringLiteral("mine.cfg"))))}));
    EXPECT_EQ(dialogs.questionDefaults, QList<Dialogs::Default>{Dialogs::Default::No});
    EXPECT_EQ(game.read(QStringLiteral("mine.cfg")), Bravo);
    EXPECT_EQ(state.working.file(), QStringLiteral("mine.cfg"));

    dialogs.answers << true;
    control<QAction>(f, "DeleteCFG1")->trigger();
    EXPECT_FALSE(QFile::exists(game.file(QStringLiteral("mine.cfg"))));
    EXPECT_EQ(listed(), QStringList({"config.cfg", "zulu.cfg"}));
    // The entry that took its place is the working file of every page, and is remembered.
    EXPECT_EQ(control<QListWidget>(f, "ListBox1")->currentItem()->text(), QStringLiteral("zulu.cfg"));
    EXPECT_EQ(state.working.file(), QStringLiteral("zulu.cfg"));
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("zulu.cfg"));
    EXPECT_EQ(nameField()->text(), QStringLiteral("Zulu"));

    dialogs.answers << true;
    control<QAction>(f, "DeleteCFG1")->trigger(); // the last entry: the one before it follows
    EXPECT_EQ(state.working.file(), QStringLiteral("config.cfg"));
    EXPECT_EQ(nameField()->text(), QStringLiteral("Alpha"));
    // Apply now writes into config.cfg what config.cfg holds, not the deleted file's values.
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    QTest::mouseClick(control<QPushButton>(f, "BitBtn8"), Qt::LeftButton);
    EXPECT_TRUE(game.read(QStringLiteral("config.cfg")).startsWith(Alpha));
    EXPECT_TRUE(dialogs.texts(QStringLiteral("error")).isEmpty());

    // No file left: nothing is read, the pages that edit a file are disabled, Apply says why.
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(0);
    dialogs.answers << true;
    control<QAction>(f, "DeleteCFG1")->trigger();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(dialogs.texts(QStringLiteral("error")).isEmpty()) << "no file to read is no error";
    for (QWidget* page :
         {control<QWidget>(f, "TabSheet2"), control<QWidget>(f, "TabSheet3"), control<QWidget>(f, "TabSheet4")})
        EXPECT_FALSE(page->isEnabled());
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    EXPECT_TRUE(dialogs.texts(QStringLiteral("error")).isEmpty());
    QTest::mouseClick(control<QPushButton>(f, "BitBtn8"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")),
              QStringList({QStringLiteral("There is no configuration file to edit: make one with the wizard, or "
                                          "choose the game folder on the Main page.")}));
    EXPECT_TRUE(QDir(game.path()).entryList(QDir::Files).isEmpty()) << "nothing written";

    game.write(QStringLiteral("new.cfg"), Bravo); // as the wizard writes one
    f.scanConfigList();
    EXPECT_TRUE(control<QWidget>(f, "TabSheet2")->isEnabled());
}

TEST_F(MainFormTest, NothingSelectedNothingActedOn)
{
    game.write(QStringLiteral("mine.cfg"), Bravo);
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    clickEntry(QStringLiteral("mine.cfg"), Qt::ControlModifier); // clears the selection
    ASSERT_TRUE(control<QListWidget>(f, "ListBox1")->selectedItems().isEmpty());
    for (QPushButton* button :
         {control<QPushButton>(f, "Edit"), control<QPushButton>(f, "BitBtn4"), control<QPushButton>(f, "BitBtn6")})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();

    dialogs.answers << true << true;
    for (QAction* action : {control<QAction>(f, "EditCFGmanually1"), control<QAction>(f, "Backup"),
                            control<QAction>(f, "Restore1"), control<QAction>(f, "DeleteCFG1")})
        action->trigger();
    control<QPushButton>(f, "Edit")->click();
    control<QPushButton>(f, "BitBtn4")->click();
    control<QPushButton>(f, "BitBtn6")->click();
    EXPECT_TRUE(QFile::exists(game.file(QStringLiteral("mine.cfg"))));
    EXPECT_FALSE(QFile::exists(program.file(QStringLiteral("mine.cfg"))));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(dialogs.shown.isEmpty());

    f.close();
    EXPECT_EQ(settings.values[QStringLiteral("cfg_file")], QStringLiteral("config.cfg"));
}

TEST_F(MainFormTest, OpenFileHasAHintAndSaysWhenNoProgramOpensIt)
{
    TMainForm& f = start();
    EXPECT_FALSE(control<QPushButton>(f, "Edit")->toolTip().isEmpty());
    QTest::mouseClick(control<QPushButton>(f, "Edit"), Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList({game.file(QStringLiteral("config.cfg"))}));
    EXPECT_TRUE(dialogs.shown.isEmpty());

    shell.openFails = true;
    control<QAction>(f, "EditCFGmanually1")->trigger();
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")),
              QStringList({QStringLiteral("No program is set up to open .cfg files on this computer.\r\nOpen %1 with a "
                                          "text editor.")
                               .arg(QDir::toNativeSeparators(game.file(QStringLiteral("config.cfg"))))}));
}

TEST_F(MainFormTest, ADeleteThatFailsSaysWhyAndKeepsTheList)
{
    game.write(QStringLiteral("mine.cfg"), Bravo);
    settings.values[QStringLiteral("cfg_file")] = QStringLiteral("mine.cfg");
    TMainForm& f = start();
    const QStringList before = listed();
    // Replaced behind the program's back by a folder, which a file's removal cannot take away.
    QFile::remove(game.file(QStringLiteral("mine.cfg")));
    game.write(QStringLiteral("mine.cfg/inside"), "x");
    dialogs.answers << true;
    control<QAction>(f, "DeleteCFG1")->trigger();
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(
        QStringLiteral("Cannot delete %1: ").arg(QDir::toNativeSeparators(game.file(QStringLiteral("mine.cfg"))))))
        << errors[0].toStdString();
    EXPECT_EQ(listed(), before);
    EXPECT_EQ(state.working.file(), QStringLiteral("mine.cfg"));
}
