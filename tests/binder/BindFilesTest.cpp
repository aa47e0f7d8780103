#include "binder/BindFiles.h"
#include "binder/BindLines.h"
#include "binder/BindReader.h"
#include "config/AppState.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// A game folder with a working file and, unless told otherwise, an autoexec.cfg.
struct GameFolder {
    TempDir dir;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};

    GameFolder(const QByteArray& config, const QByteArray* autoexec)
    {
        state.CfgDir = dir.dirWithSlash();
        state.CfgFile = "config.cfg";
        dir.write("config.cfg", config);
        if (autoexec)
            dir.write("autoexec.cfg", *autoexec);
    }
    QByteArray config() const { return dir.read("config.cfg"); }
    QByteArray autoexec() const { return dir.read("autoexec.cfg"); }
    bool hasAutoexec() const { return QFile::exists(dir.file("autoexec.cfg")); }
    void lock(const QString& name) const
    {
        // Permission bits only: tests run as root, for whom access(2) allows everything.
        ASSERT_TRUE(QFile::setPermissions(dir.file(name), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
    // The store holds the working file, as the page expects after every operation.
    bool storeHoldsWorkingFile() const { return state.store.filePath() == dir.file("config.cfg"); }
};

const QByteArray Config = "unbindall\r\n"
                          "bind \"w\" \"+forward\"\r\n"
                          "name \"QVL fan\"\r\n"
                          "bind \"F2\" \"QVL_F2\"\r\n"
                          "rate \"25000\"\r\n";
const QByteArray Autoexec = "// mine\r\n"
                            "alias jt \"+jump;wait;-jump\"\r\n"
                            "alias \"QVL_F2\" \"wait; slot10;\"\r\n"
                            "exec QVL_extra.cfg\r\n";

TEST(BindFiles, WriteBindWritesExactlyTheTwoLines)
{
    GameFolder g(Config, &Autoexec);
    QString error;
    ASSERT_TRUE(BindFiles::WriteBind(g.state, "ESCAPE", "say_team hi;wait; slot10;", &error)) << error.toStdString();
    EXPECT_EQ(g.config(), Config + "bind \"ESCAPE\" \"QVL_ESCAPE\"");
    EXPECT_EQ(g.autoexec(), Autoexec + "alias \"QVL_ESCAPE\" \"say_team hi;wait; slot10;\"");
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    // Binding the same key again replaces both lines in place; the key's spelling follows the game.
    ASSERT_TRUE(BindFiles::WriteBind(g.state, "f2", "buy;wait; slot10;", &error));
    EXPECT_EQ(g.config(), Config + "bind \"ESCAPE\" \"QVL_ESCAPE\"\r\n");
    const BindReading reading = BindReader::read(g.state.store);
    ASSERT_NE(reading.find("F2"), nullptr);
    EXPECT_EQ(reading.find("F2")->command, "QVL_F2");
    EXPECT_TRUE(g.autoexec().contains("alias \"QVL_F2\" \"buy;wait; slot10;\"\r\n"));
    EXPECT_EQ(g.autoexec().count("QVL_F2"), 1);
    EXPECT_TRUE(g.dialogs.shown.isEmpty()); // the page shows what goes wrong, not the files
}

TEST(BindFiles, WriteBindOfPunctuationAndMissingAutoexec)
{
    GameFolder g("bind \";\" \"say old\"\n", nullptr);
    ASSERT_TRUE(BindFiles::WriteBind(g.state, "SEMICOLON", "wait; slot10;"));
    EXPECT_EQ(g.config(), "bind \"SEMICOLON\" \"QVL_SEMICOLON\"");
    EXPECT_EQ(g.autoexec(), "unbindall\r\nalias \"QVL_SEMICOLON\" \"wait; slot10;\"");

    QString error;
    EXPECT_FALSE(BindFiles::WriteBind(g.state, "ESC", "wait; slot10;", &error));
    EXPECT_TRUE(error.contains("ESC"));
    const QByteArray before = g.config();
    for (const QByteArray& body : {QByteArray("say \"hi\""), QByteArray("a\r\nquit"), QByteArray(515, 'x')}) {
        EXPECT_FALSE(BindFiles::WriteBind(g.state, "F5", body, &error));
        EXPECT_TRUE(error.contains("F5")) << error.toStdString();
    }
    EXPECT_EQ(g.config(), before);
    EXPECT_FALSE(g.autoexec().contains("QVL_F5"));
}

TEST(BindFiles, WriteBindMovesALineThatALaterUnbindWouldUndo)
{
    GameFolder g("bind F2 old\r\nunbind F2\r\nrate 1\r\n", nullptr);
    ASSERT_TRUE(BindFiles::WriteBind(g.state, "F2", "wait; slot10;"));
    EXPECT_EQ(g.config(), "unbind F2\r\nrate 1\r\nbind \"F2\" \"QVL_F2\"");
}

TEST(BindFiles, AFailedBindLeavesNoAliasBehind)
{
    GameFolder g(Config, &Autoexec);
    g.lock("config.cfg");
    QString error;
    EXPECT_FALSE(BindFiles::WriteBind(g.state, "F3", "wait; slot10;", &error));
    EXPECT_TRUE(error.contains("config.cfg")) << error.toStdString();
    EXPECT_EQ(g.autoexec(), Autoexec);
    EXPECT_EQ(g.config(), Config);
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    GameFolder h(Config, &Autoexec);
    h.lock("autoexec.cfg");
    EXPECT_FALSE(BindFiles::WriteBind(h.state, "F3", "wait; slot10;", &error));
    EXPECT_TRUE(error.contains("autoexec.cfg")) << error.toStdString();
    EXPECT_EQ(h.config(), Config); // the bind is never written without its alias
    EXPECT_TRUE(h.storeHoldsWorkingFile());
}

TEST(BindFiles, UnbindRemovesThatKeysBindsAndNothingElse)
{
    const QByteArray config = "bind \"ALT\" \"+strafe\"\r\n"
                              "bind \"ALTX\" \"x\"\r\n"
                              "say bind \"ALT\" a\r\n"
                              "  BIND alt +speed; echo kept\r\n"
                              "bind ~ toggleconsole\r\n"
                              "bind \"`\" toggleconsole\r\n";
    GameFolder g(config, &Autoexec);
    int removed = -1;
    QString error;
    ASSERT_TRUE(BindFiles::UnbindKey(g.state, "alt", &error, &removed));
    EXPECT_EQ(removed, 2);
    EXPECT_EQ(g.config(), "bind \"ALTX\" \"x\"\r\n"
                          "say bind \"ALT\" a\r\n"
                          "  echo kept\r\n"
                          "bind ~ toggleconsole\r\n"
                          "bind \"`\" toggleconsole\r\n");
    ASSERT_TRUE(BindFiles::UnbindKey(g.state, "`", &error, &removed));
    EXPECT_EQ(removed, 2);

    // Nothing to remove: the file is not written at all.
    const QByteArray untouched = "bind w +forward\n";
    GameFolder h(untouched, &Autoexec);
    ASSERT_TRUE(BindFiles::UnbindKey(h.state, "F2", &error, &removed));
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(h.config(), untouched);

    GameFolder locked(config, &Autoexec);
    locked.lock("config.cfg");
    EXPECT_FALSE(BindFiles::UnbindKey(locked.state, "ALT", &error, &removed));
    EXPECT_TRUE(error.contains("config.cfg"));
    EXPECT_EQ(locked.config(), config);
}

TEST(BindFiles, RemoveAllAliasesKeepsTheUsersLines)
{
    const QByteArray config = Config + "bind q qvl_q\r\nbind x \"QVL_x; +jump\"\r\n";
    GameFolder g(config, &Autoexec);
    QString error;
    ASSERT_TRUE(BindFiles::RemoveAllAliases(g.state, &error)) << error.toStdString();
    EXPECT_EQ(g.config(), "unbindall\r\n"
                          "bind \"w\" \"+forward\"\r\n"
                          "name \"QVL fan\"\r\n"
                          "rate \"25000\"\r\n"
                          "bind x \"QVL_x; +jump\"\r\n");
    EXPECT_EQ(g.autoexec(), "// mine\r\n"
                            "alias jt \"+jump;wait;-jump\"\r\n"
                            "exec QVL_extra.cfg\r\n");
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    GameFolder fresh(Config, nullptr);
    ASSERT_TRUE(BindFiles::RemoveAllAliases(fresh.state, &error));
    EXPECT_EQ(fresh.autoexec(), "unbindall");
    EXPECT_FALSE(fresh.config().contains("QVL_F2"));
}

TEST(BindFiles, RemoveAllAliasesReportsAFileItCannotWrite)
{
    GameFolder g(Config, &Autoexec);
    g.lock("autoexec.cfg");
    QString error;
    EXPECT_FALSE(BindFiles::RemoveAllAliases(g.state, &error));
    EXPECT_TRUE(error.contains("autoexec.cfg")) << error.toStdString();
    EXPECT_FALSE(g.config().contains("QVL_F2")); // the binds went first: no bind is left dangling
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    GameFolder h(Config, &Autoexec);
    h.lock("config.cfg");
    EXPECT_FALSE(BindFiles::RemoveAllAliases(h.state, &error));
    EXPECT_TRUE(error.contains("config.cfg")) << error.toStdString();
    EXPECT_EQ(h.autoexec(), Autoexec); // the aliases stay for the binds that stay
}

TEST(BindFiles, EnsureAutoexecCreatesOnlyAMissingFile)
{
    TempDir dir;
    ASSERT_TRUE(BindFiles::ensureAutoexec(dir.dirWithSlash()));
    EXPECT_EQ(dir.read("autoexec.cfg"), "unbindall");
    dir.write("autoexec.cfg", "exec mine.cfg\n");
    ASSERT_TRUE(BindFiles::ensureAutoexec(dir.dirWithSlash()));
    EXPECT_EQ(dir.read("autoexec.cfg"), "exec mine.cfg\n");
    QString error;
    EXPECT_FALSE(BindFiles::ensureAutoexec(dir.file("missing") + "/", &error));
    EXPECT_TRUE(error.contains("autoexec.cfg")) << error.toStdString();
}

} // namespace
