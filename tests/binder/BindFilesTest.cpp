#include "binder/BindFiles.h"
#include "binder/BindLines.h"
#include "config/AppState.h"
#include "keys/BindReader.h"
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
        state.working.setFolder(dir.dirWithSlash());
        state.working.setWorkingFile("config.cfg");
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
    // The working store holds no file but the working file (never autoexec.cfg on its way).
    bool storeHoldsWorkingFile() const
    {
        const QString held = state.working.store().filePath();
        return held.isEmpty() || held == dir.file("config.cfg");
    }
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
    ASSERT_TRUE(BindFiles::WriteBind(g.state, "ESCAPE", "say_team hi;", &error)) << error.toStdString();
    EXPECT_EQ(g.config(), Config + "bind \"ESCAPE\" \"QVL_ESCAPE\"\r\n");
    EXPECT_EQ(g.autoexec(), Autoexec + "alias \"QVL_ESCAPE\" \"say_team hi;\"\r\n");
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    ASSERT_TRUE(BindFiles::WriteBind(g.state, "f2", "ak47;", &error));
    EXPECT_EQ(g.config(), Config + "bind \"ESCAPE\" \"QVL_ESCAPE\"\r\n");
    EXPECT_TRUE(g.autoexec().contains("alias \"QVL_F2\" \"ak47;\"\r\n"));
    EXPECT_EQ(g.autoexec().count("QVL_F2"), 1);

    // The first bind makes autoexec.cfg; a bind a later unbind would undo moves below it.
    GameFolder h("bind F2 old\r\nunbind F2\r\n", nullptr);
    ASSERT_TRUE(BindFiles::WriteBind(h.state, "F2", "go;"));
    EXPECT_EQ(h.config(), "unbind F2\r\nbind \"F2\" \"QVL_F2\"\r\n");
    EXPECT_EQ(h.autoexec(), "unbindall\r\nalias \"QVL_F2\" \"go;\"\r\n");
}

TEST(BindFiles, WhatTheGameWouldMisreadIsRefusedAndWritesNothing)
{
    GameFolder g(Config, nullptr);
    QString error;
    EXPECT_FALSE(BindFiles::WriteBind(g.state, "ESC", "go;", &error));
    EXPECT_TRUE(error.contains("ESC"));
    for (const QByteArray& body : {QByteArray("say \"hi\""), QByteArray("a\r\nquit"), QByteArray(515, 'x')}) {
        EXPECT_FALSE(BindFiles::WriteBind(g.state, "F5", body, &error));
        EXPECT_TRUE(error.contains("F5")) << error.toStdString();
    }
    EXPECT_EQ(g.config(), Config);
    EXPECT_FALSE(QFile::exists(g.dir.file("autoexec.cfg")));
}

TEST(BindFiles, AFailedBindLeavesNoAliasBehind)
{
    GameFolder g(Config, &Autoexec);
    g.lock("config.cfg");
    QString error;
    EXPECT_FALSE(BindFiles::WriteBind(g.state, "F3", "go;", &error));
    EXPECT_TRUE(error.contains("config.cfg")) << error.toStdString();
    EXPECT_EQ(g.autoexec(), Autoexec);
    EXPECT_EQ(g.config(), Config);
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    // An autoexec.cfg made for the bind goes again.
    GameFolder fresh(Config, nullptr);
    fresh.lock("config.cfg");
    EXPECT_FALSE(BindFiles::WriteBind(fresh.state, "F3", "go;", &error));
    EXPECT_FALSE(QFile::exists(fresh.dir.file("autoexec.cfg")));

    GameFolder h(Config, &Autoexec);
    h.lock("autoexec.cfg");
    EXPECT_FALSE(BindFiles::WriteBind(h.state, "F3", "go;", &error));
    EXPECT_TRUE(error.contains("autoexec.cfg")) << error.toStdString();
    EXPECT_EQ(h.config(), Config); // the bind is never written without its alias
    EXPECT_TRUE(h.storeHoldsWorkingFile());

    // The same when the bind goes into the file that wins and that file cannot be written.
    GameFolder later(Config, &Autoexec);
    later.dir.write("userconfig.cfg", "bind F3 +use\n");
    later.lock("userconfig.cfg");
    EXPECT_FALSE(BindFiles::WriteBind(later.state, "F3", "go;", &error, later.dir.file("userconfig.cfg")));
    EXPECT_TRUE(error.contains("userconfig.cfg")) << error.toStdString();
    EXPECT_EQ(later.autoexec(), Autoexec);
    EXPECT_EQ(later.config(), Config);
}

TEST(BindFiles, UnbindRemovesEachCommandThatBindsTheKeyAndKeepsEveryOtherByte)
{
    const struct {
        const char* key;
        QByteArray before;
        QByteArray after;
        int removed;
    } cases[] = {
        {"alt", "bind \"ALT\" \"+strafe\"\r\nbind \"ALTX\" \"x\"\r\nsay bind \"ALT\" a\r\n",
         "bind \"ALTX\" \"x\"\r\nsay bind \"ALT\" a\r\n", 1},
        {"ALT", "  BIND alt +speed; echo kept\n", "  echo kept\n", 1},
        {"b", "bind \"a\" \"+jump\"; bind \"b\" \"+duck\" // mine\r\nrate 1", "bind \"a\" \"+jump\" // mine\r\nrate 1",
         1},
        {"a", "// old; bind \"a\" \"x\"\n\nbind a y\r", "// old\n\n", 2},
        {"w", "echo 1;bind w a;  echo 2;bind w b\n", "echo 1;  echo 2\n", 2},
        {"SEMICOLON", "bind \";\" a\r\nbind \"semicolon\" b; bind x \"say ;\"\r\n", "bind x \"say ;\"\r\n", 2},
        {"~", "bind ~ a\r\nbind ` b\r\n", "bind ` b\r\n", 1},
        {"+", "bind \"+\" \"sizeup\"\r\nbind \"=\" \"sizeup\"", "bind \"=\" \"sizeup\"", 1},
        {"F2", "bind w +forward\n", "bind w +forward\n", 0}, // nothing to remove: not written at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before.toStdString());
        GameFolder g(c.before, &Autoexec);
        if (c.removed == 0)
            g.lock("config.cfg"); // a write would fail
        int removed = -1;
        QString error;
        ASSERT_TRUE(BindFiles::UnbindKey(g.state, c.key, &error, &removed)) << error.toStdString();
        EXPECT_EQ(removed, c.removed);
        EXPECT_EQ(g.config(), c.after);
        EXPECT_TRUE(g.storeHoldsWorkingFile());
    }

    GameFolder locked("bind F2 x\n", &Autoexec);
    locked.lock("config.cfg");
    QString error;
    EXPECT_FALSE(BindFiles::UnbindKey(locked.state, "F2", &error));
    EXPECT_TRUE(error.contains("config.cfg"));
    EXPECT_EQ(locked.config(), "bind F2 x\n");
}

TEST(BindFiles, RemoveAllAliasesCleansEveryFileThatBindsOneAndKeepsTheUsersLines)
{
    // The user's own chain and alias stay, whatever their names look like.
    const QByteArray users = "bind y \"QVL_y;+jump\"\r\nalias qvlrun \"+speed\"\r\nbind k qvlrun\r\n";
    GameFolder g(Config + users, &Autoexec);
    g.dir.write("userconfig.cfg", "bind F3 qvl_f3; echo mine\n");
    g.dir.write("match.cfg", "bind F4 QVL_F4\n");
    g.dir.write("server.cfg", "hostname \"QVL_F2\"\n");
    g.lock("match.cfg");
    g.dir.write("autoexec.cfg", Autoexec + "alias QVL_F3 buy\r\nalias QVL_F4 vest;\r\n");
    const QStringList files = BindFiles::filesBindingAliases(g.state.working.folder());
    ASSERT_EQ(files, (QStringList{"config.cfg", "match.cfg", "userconfig.cfg"}));

    QString error;
    EXPECT_FALSE(BindFiles::RemoveAllAliases(g.state, files, &error));
    EXPECT_EQ(error, "Cannot write " + g.dir.file("match.cfg") + ": the file is read-only");
    EXPECT_EQ(g.config(), "unbindall\r\nbind \"w\" \"+forward\"\r\nname \"QVL fan\"\r\n" + users);
    EXPECT_EQ(g.dir.read("userconfig.cfg"), "echo mine\n");
    EXPECT_EQ(g.dir.read("match.cfg"), "bind F4 QVL_F4\n");
    // The alias the unwritable file still binds stays.
    EXPECT_EQ(g.autoexec(), Autoexec.left(Autoexec.indexOf("alias \"QVL")) + "alias QVL_F4 vest;\r\n");
    EXPECT_TRUE(g.storeHoldsWorkingFile());

    // Nothing left to remove and no autoexec.cfg: nothing is written or made.
    GameFolder fresh("bind w +forward\n", nullptr);
    EXPECT_TRUE(BindFiles::filesBindingAliases(fresh.state.working.folder()).isEmpty());
    EXPECT_TRUE(BindFiles::RemoveAllAliases(fresh.state, {}, &error));
    EXPECT_FALSE(QFile::exists(fresh.dir.file("autoexec.cfg")));
}

TEST(BindFiles, NoWriteSavesAnEditLeftUnsavedInTheWorkingStore)
{
    using Write = bool (*)(AppState&);
    const struct {
        const char* what;
        Write write;
        QByteArray config;
    } writes[] = {
        {"bind", [](AppState& s) { return BindFiles::WriteBind(s, "F3", "go;"); },
         Config + "bind \"F3\" \"QVL_F3\"\r\n"},
        {"unbind", [](AppState& s) { return BindFiles::UnbindKey(s, "w"); },
         "unbindall\r\nname \"QVL fan\"\r\nbind \"F2\" \"QVL_F2\"\r\n"},
        {"remove all", [](AppState& s) { return BindFiles::RemoveAllAliases(s, {"config.cfg"}); },
         "unbindall\r\nbind \"w\" \"+forward\"\r\nname \"QVL fan\"\r\n"},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.what);
        GameFolder g(Config, &Autoexec);
        ASSERT_TRUE(g.state.working.load());
        g.state.working.store().SetCfgVar("name", "another page's edit");
        ASSERT_TRUE(w.write(g.state));
        EXPECT_EQ(g.config(), w.config);
        EXPECT_TRUE(g.storeHoldsWorkingFile());
    }

    // With autoexec.cfg itself the working file, the alias and the bind both land in it.
    GameFolder g(Config, &Autoexec);
    g.state.working.setWorkingFile("autoexec.cfg");
    ASSERT_TRUE(g.state.working.load());
    g.state.working.store().SetCfgVar("echo", "unsaved");
    ASSERT_TRUE(BindFiles::WriteBind(g.state, "F3", "go;"));
    EXPECT_EQ(g.autoexec(), Autoexec + "alias \"QVL_F3\" \"go;\"\r\nbind \"F3\" \"QVL_F3\"\r\n");
    EXPECT_EQ(g.config(), Config);
}

} // namespace
