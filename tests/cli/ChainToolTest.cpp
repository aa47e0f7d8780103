#include "cli/ToolRun.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// autoexec.cfg, config.cfg (unbindall, exec extra.cfg in the middle, exec userconfig.cfg at the
// end), extra.cfg and userconfig.cfg, overriding each other every way.
const QString ChainFolder = QStringLiteral(QVL_TEST_DATA "/chain");

TEST(ChainTool, EffectivePrintsWhatTheChainLeaves)
{
    const ToolRun all = runTool(ChainFolder, {u"effective"_s, u"."_s});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out, "alias +jd\t+jump\tuserconfig.cfg:4\n"            // over autoexec.cfg's
                       "bind +\tsizeup\tconfig.cfg:3\n"                  // c: wiped by unbindall
                       "cl_crosshair_color\t255 0 0\tuserconfig.cfg:1\n" // over autoexec and config
                       "cl_righthand\t1\tuserconfig.cfg:5\n"             // over extra.cfg
                       "hud_fastswitch\t0\tconfig.cfg:7\n"               // over autoexec.cfg
                       "name\tPlayer One\tautoexec.cfg:7\n"
                       "rate\t25000\tconfig.cfg:9\n"       // over extra.cfg, run before it
                       "setinfo _ah\t0\tconfig.cfg:10\n"); // TAB and w: cleared later
    EXPECT_EQ(all.err, "autoexec.cfg:6: exec AUTOEXEC.CFG: the file is already running; not run again\n"
                       "config.cfg:5: the game has no key named 'ESC'\n"
                       "extra.cfg:3: exec nothere.cfg: no such file\n");

    const struct {
        QStringList names;
        int exitCode;
        QByteArray out;
    } cases[] = {
        {{u"RATE"_s, u"Bind \"+\""_s, u"setinfo _AH"_s, u"alias +JD"_s},
         0,
         "alias +jd\t+jump\tuserconfig.cfg:4\nbind +\tsizeup\tconfig.cfg:3\nrate\t25000\tconfig.cfg:9\n"
         "setinfo _ah\t0\tconfig.cfg:10\n"},
        {{u"bind TAB"_s, u"rate"_s}, 1, "rate\t25000\tconfig.cfg:9\n"}, // cleared by an empty bind
        {{u"bind c"_s}, 1, ""},                                         // wiped by unbindall
        {{u"cl_bob"_s}, 1, ""},
        {{u"bind ESC"_s}, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.join(u',').toStdString());
        const ToolRun run = runTool(ChainFolder, QStringList{u"effective"_s, ChainFolder} + c.names);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, c.out);
    }
}

TEST(ChainTool, LostListsWhatTheNextExitDrops)
{
    TempDir dir;
    dir.write(u"autoexec.cfg"_s, "alias buyall \"m4a1; primammo\"\n");
    dir.write(u"config.cfg"_s, TempDir::testData(u"config.cfg"_s) + // 212 lines the game wrote
                                   "exec userconfig.cfg\r\n"
                                   "// mine; alias +jd \"+jump; +duck\"\r\n"
                                   "buyall 1; cl_bobup 1\r\n"
                                   "bind \"ESC\" \"cancelselect\"\r\n"
                                   "rate 25000 // fast\r\n"
                                   "exec userconfig.cfg");
    const ToolRun run = runTool(dir.path(), {u"lost"_s, dir.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "config.cfg:89\tnot archived\n" // the game's own lines lose only what it does not archive
                       "config.cfg:90\tnot archived\n"
                       "config.cfg:134\tnot archived\n"
                       "config.cfg:162\tnot archived\n"
                       "config.cfg:184\tnot archived\n"
                       "config.cfg:185\tnot archived\n"
                       "config.cfg:206\tnot archived\n"
                       "config.cfg:213\texec\n" // not the last exec
                       "config.cfg:214\tcomment\n"
                       "config.cfg:214\talias\n"
                       "config.cfg:215\tnot archived\n" // cl_bobup; buyall is an alias
                       "config.cfg:216\tunknown key\n"
                       "config.cfg:217\tcomment\n");
}

TEST(ChainTool, RefusesWhatItCannotRun)
{
    TempDir dir;
    dir.write(u"file.cfg"_s, "rate 1\n");
    const struct {
        QStringList args;
        const char* mentions;
    } cases[] = {
        {{u"effective"_s}, "effective"},
        {{u"lost"_s, dir.path(), u"x"_s}, "lost"},
        {{u"effective"_s, dir.file(u"file.cfg"_s)}, "file.cfg"},
        {{u"lost"_s, dir.file(u"none"_s)}, "none"},
        {{u"lost"_s, dir.path()}, "config.cfg"}, // the folder has none
    };
    // A copy of the program away from the data finds no list of archived variables.
    const QString copy = dir.file(u"bin/qvl-cfg"_s);
    ASSERT_TRUE(QDir().mkpath(dir.file(u"bin"_s)) && QFile::copy(QStringLiteral(QVL_CFG_PROGRAM), copy));
    dir.write(u"cstrike/config.cfg"_s, "rate 1\n");
    const ToolRun away = runTool(dir.path(), {u"lost"_s, dir.file(u"cstrike"_s)}, copy);
    EXPECT_EQ(away.exitCode, 2);
    EXPECT_TRUE(away.err.contains(QDir::toNativeSeparators(dir.file(u"share/quarvel"_s)).toLocal8Bit()))
        << away.err.toStdString();

    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ToolRun run = runTool(dir.path(), c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("qvl-cfg: ") && run.err.count('\n') == 1 && run.err.contains(c.mentions))
            << run.err.toStdString();
    }
}

} // namespace
