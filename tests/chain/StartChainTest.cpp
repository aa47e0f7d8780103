#include "chain/StartChain.h"
#include "chain/ChainCommand.h"
#include "chain/WorkingFileChain.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString placeText(const ChainPlace& p)
{
    return p.file + u':' + QString::number(p.line);
}

// The earlier places, then the last.
QString historyText(const ChainEntry& entry)
{
    QStringList out;
    for (const ChainPlace& p : entry.overridden)
        out << placeText(p);
    out << placeText(entry.place);
    return out.join(u' ');
}

QString warningsText(const StartChain& chain)
{
    QStringList out;
    for (const ChainWarning& w : chain.warnings)
        out << placeText(w.place) + u' ' + w.text;
    return out.join(u'\n');
}

TEST(StartChain, KeepsWhatEachEntryOverridesAndHowEachFileRan)
{
    const StartChain chain = StartChainReader::follow(QStringLiteral(QVL_TEST_DATA "/chain"));
    const struct {
        const char* name;
        bool inEffect;
        const char* history; // the earlier places, then the last
    } cases[] = {
        {"cl_crosshair_color", true, "autoexec.cfg:4 config.cfg:6 userconfig.cfg:1"},
        {"rate", true, "extra.cfg:1 config.cfg:9"},
        {"alias +jd", true, "autoexec.cfg:2 userconfig.cfg:4"},
        {"setinfo _ah", true, "autoexec.cfg:7 config.cfg:10"},
        {"bind c", false, "autoexec.cfg:3 config.cfg:1"},
        {"bind w", false, "config.cfg:4 extra.cfg:2 userconfig.cfg:2"},
        {"bind TAB", false, "config.cfg:2 extra.cfg:2"},
        {"bind +", true, "config.cfg:3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChainEntry* entry = chain.find(c.name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->inEffect, c.inEffect);
        EXPECT_EQ(historyText(*entry), QString::fromLatin1(c.history));
    }
    EXPECT_EQ(chain.find("+jd"), nullptr) << "an alias call sets no variable";
    EXPECT_EQ(chain.aliasNames(), QSet<QByteArray>{"+jd"});

    QStringList runs;
    for (const ChainRun& r : chain.runs)
        runs << r.file + u'<' + (r.from.hasLine() ? placeText(r.from) : u"game"_s);
    EXPECT_EQ(runs.join(u' '),
              u"autoexec.cfg<game config.cfg<game extra.cfg<config.cfg:8 userconfig.cfg<config.cfg:11"_s);
    EXPECT_EQ(chain.runsOf(u"Extra.cfg"_s).size(), 1u);
    EXPECT_TRUE(chain.runsOf(u"match.cfg"_s).empty());
}

TEST(StartChain, RunsSixteenFilesInsideOneAnother)
{
    TempDir dir;
    dir.write(u"autoexec.cfg"_s, "depth 1\nexec d2.cfg\n");
    for (int i = 2; i <= 17; ++i)
        dir.write(u"d%1.cfg"_s.arg(i),
                  "depth " + QByteArray::number(i) + "\nexec d" + QByteArray::number(i + 1) + ".cfg\n");
    const StartChain chain = StartChainReader::follow(dir.path());
    EXPECT_EQ(chain.runs.size(), 16u);
    ASSERT_NE(chain.find("depth"), nullptr);
    EXPECT_EQ(chain.find("depth")->value, "16");
    EXPECT_EQ(warningsText(chain), u"d16.cfg:2 exec d17.cfg: more than 16 files inside one another; not run"_s);
}

TEST(StartChain, RefusesTheNamesTheGameRefusesAndFindsOthersInAnyCase)
{
    TempDir dir;
    dir.write(u"x.cfg"_s, "refused 1\n");
    dir.write(u"cstrike/Sub/Mine.cfg"_s, "found 1\n");
    dir.write(u"cstrike/x.cfg"_s, "name x\n");
    dir.write(u"cstrike/autoexec.cfg"_s, "exec ../x.cfg\n"
                                         "exec sub\\mine.cfg\n"
                                         "exec c:x.cfg\n"
                                         "exec ~x.cfg\n"
                                         "exec /x.cfg\n"
                                         "exec \"sub/..\\\\x.cfg\"\n"
                                         "exec SUB/MINE.CFG\n"
                                         "exec sub\n");
    const StartChain chain = StartChainReader::follow(dir.file(u"cstrike"_s));
    EXPECT_EQ(warningsText(chain), u"autoexec.cfg:1 exec ../x.cfg: the game refuses this name\n"
                                   "autoexec.cfg:2 exec sub\\mine.cfg: the game refuses this name\n"
                                   "autoexec.cfg:3 exec c:x.cfg: the game refuses this name\n"
                                   "autoexec.cfg:4 exec ~x.cfg: the game refuses this name\n"
                                   "autoexec.cfg:5 exec /x.cfg: the game refuses this name\n"
                                   "autoexec.cfg:6 exec sub/..\\\\x.cfg: the game refuses this name\n"
                                   "autoexec.cfg:8 exec sub: no such file"_s);
    EXPECT_EQ(chain.find("refused"), nullptr);
    EXPECT_EQ(chain.find("name"), nullptr);
    ASSERT_EQ(chain.runs.size(), 2u);
    EXPECT_EQ(chain.runs[1].file, u"Sub/Mine.cfg"_s);
}

TEST(ChainCommand, TellsVariablesFromCommands)
{
    const QSet<QByteArray> aliases = {"buyall"};
    const struct {
        QByteArray command;
        ChainCommand::Kind kind;
        QByteArray name;
        QByteArray value;
    } cases[] = {
        {"Cl_Crosshair_Color \"50 250 50\"", ChainCommand::Kind::Variable, "cl_crosshair_color", "50 250 50"},
        {"rate", ChainCommand::Kind::Other, "", ""},
        {"rate 1 2", ChainCommand::Kind::Other, "", ""},
        {"BUYALL 1", ChainCommand::Kind::Other, "", ""},
        {"+jump 1", ChainCommand::Kind::Other, "", ""},
        {"-jump 1", ChainCommand::Kind::Other, "", ""},
        {"say_team hi", ChainCommand::Kind::Other, "", ""},
        {"wait 5", ChainCommand::Kind::Other, "", ""},
        {"setinfo _vgui_menus", ChainCommand::Kind::Other, "", ""},
        {"SETINFO \"_VGUI_menus\" \"0\"", ChainCommand::Kind::Setinfo, "_vgui_menus", "0"},
        {"alias Go2", ChainCommand::Kind::Alias, "go2", ""},
        {"alias x say hi", ChainCommand::Kind::Alias, "x", "say hi"},
        {"bind \";\" a", ChainCommand::Kind::Bind, "", "a"},
        {"bind w", ChainCommand::Kind::Other, "", ""},
        {"bind kp_multiply x", ChainCommand::Kind::UnknownKeyBind, "kp_multiply", "x"},
        {"unbind ESC", ChainCommand::Kind::Other, "", ""},
        {"unbindall now", ChainCommand::Kind::Unbindall, "", ""},
        {"exec \"my cfg.cfg\" x", ChainCommand::Kind::Exec, "my cfg.cfg", ""},
        {"\"cl bob\" 1", ChainCommand::Kind::Other, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        const ChainCommand::Reading r = ChainCommand::read(ConsoleLine::firstCommand(c.command), aliases);
        EXPECT_EQ(r.kind, c.kind);
        if (c.kind != ChainCommand::Kind::Bind) {
            EXPECT_EQ(r.name, c.name);
        }
        EXPECT_EQ(r.value, c.value);
    }
    EXPECT_EQ(ChainCommand::read(ConsoleLine::firstCommand("bind \";\" a"), aliases).key, u"SEMICOLON"_s);
}

TEST(StartChain, EntryNamesAsPeopleWriteThem)
{
    EXPECT_EQ(StartChain::entryName("RATE"), "rate");
    EXPECT_EQ(StartChain::entryName("bind \"Escape\""), "bind ESCAPE");
    EXPECT_EQ(StartChain::entryName("BIND Q"), "bind q");
    EXPECT_EQ(StartChain::entryName("setinfo _AH"), "setinfo _ah");
    EXPECT_EQ(StartChain::entryName("alias +JD"), "alias +jd");
    EXPECT_EQ(StartChain::entryName("bind ESC"), "");
    EXPECT_EQ(StartChain::entryName("rate 1"), "");
}

TEST(WorkingFileChain, SaysHowTheGameReachesAFileAndWhatRunsAfterIt)
{
    const StartChain chain = StartChainReader::follow(QStringLiteral(QVL_TEST_DATA "/chain"));
    const struct {
        const char* file;
        bool reached;
        const char* execs;
    } reaches[] = {
        {"config.cfg", true, ""},
        {"USERCONFIG.CFG", true, "config.cfg:11"},
        {"extra.cfg", true, "config.cfg:8"},
        {"nothere.cfg", false, ""},
    };
    for (const auto& r : reaches) {
        SCOPED_TRACE(r.file);
        const WorkingFileChain::Reach reach = WorkingFileChain::reach(chain, QString::fromLatin1(r.file));
        EXPECT_EQ(reach.reached, r.reached);
        QStringList execs;
        for (const ChainPlace& p : reach.execs)
            execs << placeText(p);
        EXPECT_EQ(execs.join(u' '), QString::fromLatin1(r.execs));
    }
    TempDir dir;
    dir.write(u"config.cfg"_s, "exec a.cfg\n");
    dir.write(u"a.cfg"_s, "\nexec sub/b.cfg\n");
    dir.write(u"sub/b.cfg"_s, "rate 1\n");
    EXPECT_EQ(WorkingFileChain::reach(dir.path(), u"sub/b.cfg"_s).execs,
              (std::vector<ChainPlace>{{u"config.cfg"_s, 1}, {u"a.cfg"_s, 2}}));

    const struct {
        const char* file;
        const char* name;
        const char* later; // FILE:LINE=VALUE, or empty when nothing later sets it
    } laters[] = {
        {"config.cfg", "cl_crosshair_color", "userconfig.cfg:1=255 0 0"},
        {"config.cfg", "Rate", ""},   // config.cfg sets it after extra.cfg
        {"config.cfg", "bind w", ""}, // cleared later: no value wins
        {"autoexec.cfg", "hud_fastswitch", "config.cfg:7=0"},
        {"autoexec.cfg", "setinfo \"_AH\"", "config.cfg:10=0"},
        {"autoexec.cfg", "alias +jd", "userconfig.cfg:4=+jump"},
        {"extra.cfg", "cl_righthand", "userconfig.cfg:5=1"},
        {"userconfig.cfg", "cl_crosshair_color", ""},
    };
    for (const auto& l : laters) {
        SCOPED_TRACE(std::string(l.file) + " " + l.name);
        const LaterSettings settings = WorkingFileChain::laterSettings(chain, QString::fromLatin1(l.file));
        const LaterSetting* later = settings.find(l.name);
        EXPECT_EQ(later ? u"%1:%2=%3"_s.arg(later->file).arg(later->line).arg(QString::fromLatin1(later->value))
                        : QString(),
                  QString::fromLatin1(l.later));
    }
}

} // namespace

TEST(StartChain, APreludeRunsBeforeItsFileAtLineZero)
{
    TempDir game;
    game.write(u"config.cfg"_s, "rate 2\r\nexec extra.cfg\r\nexec userconfig.cfg\r\n");
    game.write(u"extra.cfg"_s, "cl_cmdrate 30\n");
    game.write(u"userconfig.cfg"_s, "bind j +jump\n");
    const auto history = [&](const char* file, const char* line, const char* entry) {
        const StartChain chain =
            StartChainReader::follow(game.dirWithSlash(), {QString::fromLatin1(file), QByteArray(line)});
        const ChainEntry* e = chain.find(QByteArray(entry));
        return e ? historyText(*e) : u"none"_s;
    };
    // Overridden by the file's own first line, whose number stays 1; found in any letter case.
    EXPECT_EQ(history("CONFIG.CFG", "rate 9", "rate"), u"config.cfg:0 config.cfg:1"_s);
    EXPECT_EQ(history("extra.cfg", "bind j +duck", "bind j"), u"extra.cfg:0 userconfig.cfg:1"_s);
    EXPECT_EQ(history("extra.cfg", "cl_cmdrate 60", "cl_cmdrate"), u"extra.cfg:0 extra.cfg:1"_s);
    // A file the chain does not run runs no prelude.
    EXPECT_EQ(history("match.cfg", "fps_max 60", "fps_max"), u"none"_s);
}
