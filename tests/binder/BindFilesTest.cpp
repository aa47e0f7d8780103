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
                          "bind \"F2\" \"QVL_F2\"\r\n";
const QByteArray Autoexec = "// mine\r\n"
                            "alias jt \"+jump;wait;-jump\"\r\n"
                            "alias \"QVL_F2\" \"wait; slot10;\"\r\n";

TEST(BindFiles, WriteBindWritesTheBindAndItsAliasAndReplacesThemInPlace)
{
    GameFolder g(Config, &Autoexec);
    QString error;
    ASSERT_TRUE(BindFiles::WriteBind(g.state, "ESCAPE", "say_team hi;wait; slot10;", &error)) << error.toStdString();
    EXPECT_EQ(g.config(), Config + "bind \"ESCAPE\" \"QVL_ESCAPE\"\r\n");
    EXPECT_EQ(g.autoexec(), Autoexec + "alias \"QVL_ESCAPE\" \"say_team hi;wait; slot10;\"\r\n");
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    ASSERT_TRUE(BindFiles::WriteBind(g.state, "f2", "buy;wait; slot10;", &error));
    EXPECT_EQ(g.config(), Config + "bind \"ESCAPE\" \"QVL_ESCAPE\"\r\n");
    EXPECT_TRUE(g.autoexec().contains("alias \"QVL_F2\" \"buy;wait; slot10;\"\r\n"));
    EXPECT_EQ(g.autoexec().count("QVL_F2"), 1);

    // A bind a later unbind would undo moves below it.
    GameFolder h("bind F2 old\r\nunbind F2\r\n", nullptr);
    ASSERT_TRUE(BindFiles::WriteBind(h.state, "F2", "wait; slot10;"));
    EXPECT_EQ(h.config(), "unbind F2\r\nbind \"F2\" \"QVL_F2\"\r\n");
    EXPECT_EQ(h.autoexec(), "unbindall\r\nalias \"QVL_F2\" \"wait; slot10;\"\r\n");
}

TEST(BindFiles, WhatTheGameWouldMisreadIsRefusedAndWritesNothing)
{
    GameFolder g(Config, nullptr);
    QString error;
    EXPECT_FALSE(BindFiles::WriteBind(g.state, "ESC", "wait; slot10;", &error));
    EXPECT_TRUE(error.contains("ESC"));
    for (const QByteArray& body : {QByteArray("say \"hi\""), QByteArray("a\r\nquit"), QByteArray(515, 'x')}) {
        EXPECT_FALSE(BindFiles::WriteBind(g.state, "F5", body, &error));
        EXPECT_TRUE(error.contains("F5")) << error.toStdString();
    }
    EXPECT_EQ(g.config(), Config);
    EXPECT_FALSE(QFile::exists(g.dir.file("autoexec.cfg")));
    EXPECT_FALSE(BindFiles::ensureAutoexec(g.dir.file("missing") + "/", &error));
    EXPECT_TRUE(error.contains("autoexec.cfg")) << error.toStdString();
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
                              "bind ~ toggleconsole\r\n";
    GameFolder g(config, &Autoexec);
    int removed = -1;
    QString error;
    ASSERT_TRUE(BindFiles::UnbindKey(g.state, "alt", &error, &removed));
    EXPECT_EQ(removed, 2);
    EXPECT_EQ(g.config(), "bind \"ALTX\" \"x\"\r\nsay bind \"ALT\" a\r\n  echo kept\r\nbind ~ toggleconsole\r\n");
    ASSERT_TRUE(BindFiles::UnbindKey(g.state, "`", &error, &removed));
    EXPECT_EQ(removed, 1);

    // Nothing to remove: the file is not written at all.
    GameFolder h("bind w +forward\n", &Autoexec);
    ASSERT_TRUE(BindFiles::UnbindKey(h.state, "F2", &error, &removed));
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(h.config(), "bind w +forward\n");

    GameFolder locked(config, &Autoexec);
    locked.lock("config.cfg");
    EXPECT_FALSE(BindFiles::UnbindKey(locked.state, "ALT", &error, &removed));
    EXPECT_TRUE(error.contains("config.cfg"));
    EXPECT_EQ(locked.config(), config);
}

TEST(BindFiles, RemoveAllAliasesKeepsTheUsersLines)
{
    GameFolder g(Config + "bind x \"QVL_x; +jump\"\r\n", &Autoexec);
    QString error;
    ASSERT_TRUE(BindFiles::RemoveAllAliases(g.state, &error)) << error.toStdString();
    EXPECT_EQ(g.config(), "unbindall\r\nbind \"w\" \"+forward\"\r\nname \"QVL fan\"\r\nbind x \"QVL_x; +jump\"\r\n");
    EXPECT_EQ(g.autoexec(), "// mine\r\nalias jt \"+jump;wait;-jump\"\r\n");
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    GameFolder fresh(Config, nullptr);
    ASSERT_TRUE(BindFiles::RemoveAllAliases(fresh.state, &error));
    EXPECT_EQ(fresh.autoexec(), "unbindall");
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

} // namespace
