#include "config/WorkingConfig.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The working file of a game folder, with the program folder's history behind it.
class WorkingHistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.write(u"config.cfg"_s, Written);
        working.setFolder(game.dirWithSlash());
        working.setWorkingFile(u"config.cfg"_s);
        working.setHistory(program.path());
        QObject::connect(&working, &WorkingConfig::changedOutside, &working,
                         [this](const QString& path) { outside << path; });
        QObject::connect(&working, &WorkingConfig::fileWritten, &working,
                         [this](const QString& path) { written << path; });
        ASSERT_TRUE(working.load());
    }
    bool set(const char* value)
    {
        working.store().SetCfgVar("rate", value);
        return working.save(&error, u"Apply"_s);
    }

    static constexpr const char* Written = "unbindall\r\nbind \"+\" \"sizeup\"\r\nrate \"25000\"\r\n";
    TempDir game;
    TempDir program;
    WorkingConfig working;
    QStringList outside;
    QStringList written;
    QString error;
};

TEST_F(WorkingHistoryTest, EachWriteCanBeUndoneOnceInTurnAndANewWriteStartsAgain)
{
    EXPECT_EQ(working.undoableWrites(), 0);
    EXPECT_FALSE(working.undoLastWrite(&error));
    ASSERT_TRUE(set("30000"));
    ASSERT_TRUE(set("40000"));
    ASSERT_TRUE(set("40000")); // writes nothing: no write to undo
    EXPECT_EQ(working.undoableWrites(), 2);
    EXPECT_EQ(written, QStringList(2, working.path())) << "each write is announced, a save that wrote nothing is not";

    ASSERT_TRUE(working.undoLastWrite(&error)) << error.toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), QByteArray(Written).replace("25000", "30000"));
    ASSERT_TRUE(working.undoLastWrite(&error)) << error.toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), Written);
    EXPECT_EQ(working.undoableWrites(), 0);
    EXPECT_FALSE(working.undoLastWrite(&error)) << "once per write";
    QByteArray rate;
    EXPECT_TRUE(working.store().GetCfgVar("rate", rate) && rate == "25000") << "the store holds the file as it is now";
    EXPECT_TRUE(outside.isEmpty()) << "the program's own writes are no change from outside";

    // A write after undos can be undone; the writes before them are not undone a second time.
    ASSERT_TRUE(set("50000"));
    EXPECT_EQ(working.undoableWrites(), 1);
    ASSERT_TRUE(working.undoLastWrite(&error));
    EXPECT_EQ(game.read(u"config.cfg"_s), Written);
}

TEST_F(WorkingHistoryTest, ABytesChangeByAnotherProgramIsAnnouncedOnceAtTheNextRead)
{
    ASSERT_TRUE(working.load());
    EXPECT_TRUE(outside.isEmpty());
    game.write(u"config.cfg"_s, "rate \"1\"\n"); // an editor, or the game at its exit
    ASSERT_TRUE(working.load());
    EXPECT_EQ(outside, QStringList{working.path()});
    ASSERT_TRUE(working.load());
    EXPECT_EQ(outside.size(), 1);
}

TEST_F(WorkingHistoryTest, UndoPutsBackTheBytesBeforeTheWriteWhateverVersionsCameBetween)
{
    ASSERT_TRUE(set("30000"));
    const QByteArray afterFirst = game.read(u"config.cfg"_s);
    ASSERT_TRUE(working.keepVersion(working.path(), u"Backup"_s)); // a version with no write
    ASSERT_TRUE(set("40000"));
    ASSERT_TRUE(working.undoLastWrite(&error)) << error.toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), afterFirst);
    ASSERT_TRUE(working.undoLastWrite(&error)) << error.toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), Written);
}

TEST_F(WorkingHistoryTest, AChangeByAnotherProgramIsNeverUndoneByCtrlZ)
{
    ASSERT_TRUE(set("30000"));
    game.write(u"config.cfg"_s, "rate \"1\"\n");
    ASSERT_TRUE(working.load());
    EXPECT_EQ(working.undoableWrites(), 0);
    EXPECT_FALSE(working.undoLastWrite(&error));
    EXPECT_EQ(game.read(u"config.cfg"_s), "rate \"1\"\n");

    // A write into a file that did not exist has no bytes to go back to.
    working.setWorkingFile(u"new.cfg"_s);
    ASSERT_TRUE(working.keepVersion(working.path(), u"Wizard"_s));
    game.write(u"new.cfg"_s, "rate \"2\"\n");
    working.wroteFile(working.path());
    EXPECT_EQ(working.undoableWrites(), 0);
}

TEST_F(WorkingHistoryTest, AnUndoThatCannotWriteKeepsTheWriteUndoable)
{
    ASSERT_TRUE(set("30000"));
    const QByteArray now = game.read(u"config.cfg"_s);
    ASSERT_TRUE(QFile::setPermissions(working.path(), QFileDevice::ReadOwner));
    EXPECT_FALSE(working.undoLastWrite(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(working.undoableWrites(), 1);
    ASSERT_TRUE(QFile::setPermissions(working.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(game.read(u"config.cfg"_s), now);
}

TEST_F(WorkingHistoryTest, AWholeFileWriteIsKeptAnnouncedAndUndoableUnlessItFails)
{
    const QByteArray next = "unbindall\r\nrate \"30000\"\r\n";
    ASSERT_TRUE(working.writeFile(working.path(), next, u"Restore CFG"_s, &error)) << error.toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), next);
    EXPECT_EQ(written, QStringList{working.path()});
    EXPECT_EQ(working.undoableWrites(), 1);

    ASSERT_TRUE(QFile::setPermissions(game.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(working.writeFile(working.path(), Written, u"Restore CFG"_s, &error));
    ASSERT_TRUE(
        QFile::setPermissions(game.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(game.read(u"config.cfg"_s), next);
    EXPECT_EQ(written.size(), 1) << "a failed write is not announced";
    EXPECT_EQ(working.undoableWrites(), 1) << "nor counted";
    ASSERT_TRUE(working.undoLastWrite(&error)) << error.toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), Written);
}

TEST_F(WorkingHistoryTest, AVersionThatCannotBeKeptStopsTheWrite)
{
    ASSERT_TRUE(set("30000")); // the history folder exists now
    ASSERT_TRUE(QFile::setPermissions(program.file(u"history"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    for (const QString& folder : QDir(program.file(u"history"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QFile::setPermissions(program.file(u"history/"_s + folder), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray before = game.read(u"config.cfg"_s);
    EXPECT_FALSE(set("40000"));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(game.read(u"config.cfg"_s), before);
}

} // namespace
