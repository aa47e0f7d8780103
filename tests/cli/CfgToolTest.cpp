#include "cli/ToolRun.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

ToolRun runTool(const TempDir& dir, const QStringList& args)
{
    return runTool(dir.path(), args);
}

// A failure is one line on stderr that names what it should.
void expectOneLine(const ToolRun& run, int exitCode, const QString& mentions)
{
    EXPECT_EQ(run.exitCode, exitCode);
    EXPECT_TRUE(run.err.startsWith("qvl-cfg: ") && run.err.count('\n') == 1 && run.err.endsWith('\n') &&
                run.err.contains(mentions.toLocal8Bit()))
        << run.err.toStdString() << " should name " << mentions.toStdString();
}

TEST(CfgTool, ActsOnTheFile)
{
    const QString get = u"get"_s, set = u"set"_s, del = u"delete"_s, file = u"config.cfg"_s;
    const struct {
        QStringList args;
        QByteArray before;
        int exitCode;
        QByteArray out;
        QByteArray after; // "=" for unchanged
    } cases[] = {
        {{get, file, u"rate"_s}, "cl_updaterate 60\r\nrate 5000 // x\n", 0, "5000\n", "="},
        {{get, file, u"name"_s}, "name \"Caf\xe9 \\o/\"\r\n", 0, "Caf\xe9 \\o/\n", "="},
        {{get, file, u"rate"_s}, "cl_updaterate 60\nbind r \"rate 1\"", 1, "", "="},
        {{set, file, u"cl_showfps"_s, u"1"_s}, "rate 1\n\n", 0, "", "rate 1\n\ncl_showfps \"1\"\n"},
        {{set, file, u"rate"_s, u"1"_s}, "\n\nRATE 1 // mine\n\x1a", 0, "", "="},
        {{del, file, u"drawradar"_s}, "drawradar\r\n\nrate 1\n", 0, "", "\nrate 1\n"},
        {{u"normalize"_s, file}, "a\n\nb\rc", 0, "", "a\r\nb\r\nc\r\n"},
        // Nothing to change: nothing written.
        {{del, file, u"nosuchvar"_s}, "rate 1\n", 1, "", "="},
        {{set, file, u"name"_s, u"say \"hi"_s}, "rate 1\n", 2, "", "="},
        {{set, file, u"name"_s, u"a\nquit"_s}, "rate 1\n", 2, "", "="},
        {{set, file, u"name"_s, u"a\r"_s}, "rate 1\n", 2, "", "="},
        // Usage errors leave the file alone.
        {{get, file}, "rate 1\n", 2, "", "="},
        {{get, file, u"rate"_s, u"x"_s}, "rate 1\n", 2, "", "="},
        {{set, file, u"  "_s, u"1"_s}, "rate 1\n", 2, "", "="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        TempDir dir;
        const QString path = dir.write(file, c.before);
        const qint64 past = TempDir::backdate(path);
        const ToolRun run = runTool(dir, c.args);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(dir.read(file), c.after == "=" ? c.before : c.after);
        if (c.after == "=") {
            EXPECT_EQ(TempDir::modified(path), past) << "not written";
        }
        if (c.exitCode != 0) {
            expectOneLine(run, c.exitCode, file);
        } else {
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_EQ(run.err, "");
        }
    }
}

TEST(CfgTool, ErrorsNameTheFileOrTheCommand)
{
    TempDir dir;
    expectOneLine(runTool(dir, {}), 2, u"no command"_s);
    const ToolRun help = runTool(dir, {u"--help"_s});
    EXPECT_TRUE(help.exitCode == 0 && help.out.startsWith("Usage: qvl-cfg get FILE NAME\n")) << help.out.toStdString();
    expectOneLine(runTool(dir, {u"frobnicate"_s, u"x.cfg"_s}), 2, u"frobnicate"_s);
    const QString missing = dir.file(u"missing.cfg"_s);
    expectOneLine(runTool(dir, {u"get"_s, missing, u"rate"_s}), 2, missing);
    expectOneLine(runTool(dir, {u"normalize"_s, dir.path()}), 2, dir.path());

    // Permission bits only: tests run as root, for whom access(2) allows everything.
    const QString locked = dir.write(u"locked.cfg"_s, "rate 1\nbind F2 x\n");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    expectOneLine(runTool(dir, {u"set"_s, locked, u"rate"_s, u"2"_s}), 2, locked + u": the file is read-only"_s);
    expectOneLine(runTool(dir, {u"bind"_s, locked, u"F2"_s, u"+jump"_s}), 2, locked + u": the file is read-only"_s);
    expectOneLine(runTool(dir, {u"unbind"_s, locked, u"F2"_s}), 2, locked + u": the file is read-only"_s);
    EXPECT_EQ(TempDir::readFile(locked), "rate 1\nbind F2 x\n");
    EXPECT_EQ(runTool(dir, {u"get"_s, locked, u"rate"_s}).out, "1\n");
}

TEST(CfgTool, BindsListsWhatTheFileLeavesBound)
{
    TempDir dir;
    const QByteArray text = "unbindall\r\n"
                            "bind \"w\" \"+forward\"\r\n"
                            "bind ESC quit\r\n"
                            "  BIND mouse1 +attack // indented\n"
                            "bind \";\" \"say \xe9t\xe9\"\r\n"
                            "say bind MOUSE2 x\r\n"
                            "bind kp_multiply \"+duck\"\r\n"
                            "bind W \"+forward; +jump\"\r\n"
                            "unbind mouse1\r\n";
    dir.write(u"config.cfg"_s, text);
    const ToolRun run = runTool(dir, {u"binds"_s, u"config.cfg"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "SEMICOLON\tsay \xe9t\xe9\nw\t+forward; +jump\n");
    EXPECT_EQ(run.err, "qvl-cfg: config.cfg:3: warning: the game has no key named 'ESC'\n"
                       "qvl-cfg: config.cfg:7: warning: the game has no key named 'kp_multiply'\n");
    EXPECT_EQ(dir.read(u"config.cfg"_s), text);
}

TEST(CfgTool, BindAndUnbindEditOnlyThatKeysLines)
{
    const QString bind = u"bind"_s, unbind = u"unbind"_s, file = u"config.cfg"_s;
    const QByteArray before = "bind \"F2\" \"QVL_F2\"\r\n"
                              "say bind \"F2\" x\r\n"
                              "bind f2 \"old\"\r\n"
                              "bind \"F22\" y\r\n";
    const struct {
        QStringList args;
        int exitCode;
        QByteArray after; // "=" for unchanged
    } cases[] = {
        // clang-format off
        {{bind, file, u"f2"_s, u"+jump; wait"_s}, 0,
         "bind \"F2\" \"+jump; wait\"\r\nsay bind \"F2\" x\r\nbind \"F2\" \"+jump; wait\"\r\nbind \"F22\" y\r\n"},
        {{bind, file, u"Q"_s, u"+duck"_s}, 0, before + "bind \"q\" \"+duck\"\r\n"},
        {{bind, file, u";"_s, u"say hi"_s}, 0, before + "bind \"SEMICOLON\" \"say hi\"\r\n"},
        {{unbind, file, u"F2"_s}, 0, "say bind \"F2\" x\r\nbind \"F22\" y\r\n"},
        {{unbind, file, u"F3"_s}, 1, "="},
        {{bind, file, u"ESC"_s, u"quit"_s}, 2, "="},
        {{bind, file, u"F2"_s, u"say \"hi\""_s}, 2, "="},
        {{bind, file, u"F3"_s, QString(514, u'x')}, 0, before + "bind \"F3\" \"" + QByteArray(514, 'x') + "\"\r\n"},
        {{bind, file, u"F2"_s, QString(515, u'x')}, 2, "="},
        {{bind, file, u"F2"_s, u""_s}, 2, "="},
        {{bind, file, u"F2"_s, u"say a\nquit"_s}, 2, "="},
        {{unbind, file, u""_s}, 2, "="},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').left(60).toStdString());
        TempDir dir;
        dir.write(file, before);
        const ToolRun run = runTool(dir, c.args);
        EXPECT_EQ(dir.read(file), c.after == "=" ? before : c.after);
        EXPECT_EQ(run.out, "");
        if (c.exitCode != 0)
            expectOneLine(run, c.exitCode, file);
        else
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    }

    // LF lines, blank ones, no final line end: the bind goes last in the file's own line end, and
    // an unbind inside a line keeps the rest of it.
    TempDir dir;
    dir.write(u"lf.cfg"_s, "\n// art\n\nbind \"a\" \"+jump\"; bind \"b\" \"+duck\"\nname x");
    EXPECT_EQ(runTool(dir, {bind, u"lf.cfg"_s, u"\\"_s, u"+mlook"_s}).exitCode, 0);
    EXPECT_EQ(runTool(dir, {unbind, u"lf.cfg"_s, u"a"_s}).exitCode, 0);
    EXPECT_EQ(dir.read(u"lf.cfg"_s), "\n// art\n\nbind \"b\" \"+duck\"\nname x\nbind \"\\\" \"+mlook\"\n");
}

} // namespace
