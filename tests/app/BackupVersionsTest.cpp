// Backups kept as named versions, and Restore offering them with the backup file and the history.
#include "MainFormFixture.h"

#include "RestoreChooserDriver.h"
#include "history/History.h"

#include <QAction>
#include <QFile>
#include <QPushButton>

namespace {

const QByteArray Alpha = "name \"Alpha\"\r\nrate \"9999\"\r\n";
const QByteArray Bravo = "name \"Bravo\"\n\nbind \"+\" \"sizeup\"\n";

class BackupVersionsTest : public MainFormTest {
protected:
    QString working() const { return game.file(QStringLiteral("config.cfg")); }
    QStringList actions() const
    {
        QStringList list;
        for (const HistoryVersion& v : History::in(program.path()).versions(working()))
            list << v.action;
        return list;
    }
    void backUp(const QString& name)
    {
        dialogs.inputs << name;
        QTest::mouseClick(control<QPushButton>(*form, "BitBtn4"), Qt::LeftButton);
    }
    // Restore, answered with the line in `row`, or Cancel for -1.
    void restore(int row)
    {
        control<QAction>(*form, "Restore1")->trigger();
        RestoreChooserDriver::answer(*form, row);
    }
};

TEST_F(BackupVersionsTest, ABackupIsANamedVersionEvenWhenTheBytesAreKeptAlready)
{
    start();
    const QByteArray bytes = game.read(QStringLiteral("config.cfg"));
    ASSERT_TRUE(state.working.keepVersion(working(), QStringLiteral("Apply")));
    backUp(QStringLiteral("before the match"));
    EXPECT_EQ(actions(), (QStringList{"backup: before the match", "Apply"}));
    EXPECT_EQ(History::in(program.path()).bytes(working(), 1), bytes);
    EXPECT_EQ(program.read(QStringLiteral("config.cfg")), bytes);

    // Cancel makes no backup at all: neither a version nor the file.
    QFile::remove(program.file(QStringLiteral("config.cfg")));
    QTest::mouseClick(control<QPushButton>(*form, "BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(actions().size(), 2);
    EXPECT_FALSE(QFile::exists(program.file(QStringLiteral("config.cfg"))));
    // A name left blank is the time's.
    backUp(QStringLiteral("  "));
    EXPECT_TRUE(actions().value(0).startsWith(QStringLiteral("backup: 20"))) << actions().value(0).toStdString();
}

TEST_F(BackupVersionsTest, RestoreOffersTheBackupsThenTheHistoryAndWritesOnlyWhatTheReviewAllows)
{
    game.write(QStringLiteral("config.cfg"), Bravo);
    start();
    ASSERT_TRUE(state.working.keepVersion(working(), QStringLiteral("Apply")));
    game.write(QStringLiteral("config.cfg"), "rate 1\r\n");
    state.working.wroteFile(working());
    backUp(QStringLiteral("mid"));
    program.write(QStringLiteral("config.cfg"), Alpha); // a backup file as an older program wrote it
    QList<PendingWrite> reviewed;
    bool allow = false;
    state.reviewer = [&](const QList<PendingWrite>& writes) {
        reviewed = writes;
        return allow;
    };

    control<QAction>(*form, "Restore1")->trigger();
    const QStringList lines = RestoreChooserDriver::offered(*form);
    ASSERT_EQ(lines.size(), 3) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Backup file, saved 20"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Backup \"mid\", 20"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Version of 20")) && lines[2].endsWith(QStringLiteral(" (Apply)")))
        << lines[2].toStdString();
    RestoreChooserDriver::answer(*form, -1);
    EXPECT_TRUE(reviewed.isEmpty());

    // The review's Cancel writes nothing and keeps nothing.
    restore(2);
    ASSERT_EQ(reviewed.size(), 1);
    EXPECT_EQ(reviewed[0].path, working());
    EXPECT_EQ(reviewed[0].before, "rate 1\r\n");
    EXPECT_EQ(reviewed[0].after, Bravo);
    EXPECT_EQ(game.read(QStringLiteral("config.cfg")), "rate 1\r\n");
    EXPECT_EQ(actions().size(), 2);
    EXPECT_TRUE(dialogs.texts(QStringLiteral("information")).size() == 1) << "only the backup's";

    // Written: the chosen bytes, the pages showing the file.
    allow = true;
    restore(0);
    EXPECT_EQ(game.read(QStringLiteral("config.cfg")), Alpha);
    // The bytes it replaced are the newest version, the backup's: they are not kept twice.
    EXPECT_EQ(actions(), (QStringList{"backup: mid", "Apply"}));
    EXPECT_EQ(History::in(program.path()).bytes(working(), 1), "rate 1\r\n");
    EXPECT_EQ(nameField()->text(), QStringLiteral("Alpha"));
    restore(2);
    EXPECT_EQ(game.read(QStringLiteral("config.cfg")), Bravo);
    EXPECT_EQ(actions(), (QStringList{"Restore CFG", "backup: mid", "Apply"}));
    EXPECT_EQ(History::in(program.path()).bytes(working(), 1), Alpha);

    // A backup between writes does not confuse the undo: it takes back the last restore.
    backUp(QStringLiteral("after"));
    ASSERT_TRUE(state.working.undoLastWrite());
    EXPECT_EQ(game.read(QStringLiteral("config.cfg")), Alpha);
    EXPECT_TRUE(dialogs.texts(QStringLiteral("error")).isEmpty())
        << dialogs.texts(QStringLiteral("error")).join(u'\n').toStdString();
}

} // namespace
