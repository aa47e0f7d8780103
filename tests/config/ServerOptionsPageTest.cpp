#include "OptionPagesFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ServerPageTest : public OptionPagesFixture {
protected:
    ServerPageTest()
        : OptionPagesFixture(QStringLiteral("server.cfg"), server)
    {}

    bool apply() { return server.ApplyServerOptions(); }
    QRadioButton* radio(const char* name) { return find<QRadioButton>(name); }
    QSpinBox* spin(const char* name) { return find<QSpinBox>(name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    // The value of the last line of the file that sets `name`, or "-" without one.
    QByteArray valueIn(const QByteArray& file, const QByteArray& name)
    {
        QByteArray value = "-";
        for (const QByteArray& line : file.split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (trimmed.startsWith(name + " \"") && trimmed.endsWith('"'))
                value = trimmed.mid(name.size() + 2).chopped(1);
        }
        return value;
    }
};

struct Pair {
    const char* variable;
    const char* one;
    const char* zero;
};
const Pair ServerPairs[] = {
    {"mp_flashlight", "s6_1", "s6_0"},      {"mp_fadetoblack", "s1_1", "s1_0"},  {"mp_autokick", "s2_1", "s2_0"},
    {"mp_autoteambalance", "s3_1", "s3_0"}, {"mp_friendlyfire", "s4_1", "s4_0"}, {"mp_footsteps", "s5_1", "s5_0"},
    {"mp_forcechasecam", "s7_1", "s7_0"},   {"mp_logmessages", "s8_1", "s8_0"},
};

TEST_F(ServerPageTest, RadioPairsReadTheirValueAndWriteItBack)
{
    for (const char* value : {"1", "0"}) {
        QByteArray file;
        for (const Pair& pair : ServerPairs)
            file += QByteArray(pair.variable) + " \"" + value + "\"\r\n";
        writeCfg(file);
        read();
        for (const Pair& pair : ServerPairs)
            EXPECT_TRUE(radio(*value == '1' ? pair.one : pair.zero)->isChecked()) << pair.variable << " " << value;
        for (const Pair& pair : ServerPairs)
            radio(*value == '1' ? pair.zero : pair.one)->setChecked(true);
        ASSERT_TRUE(apply());
        for (const Pair& pair : ServerPairs)
            EXPECT_EQ(valueIn(cfg(), pair.variable), *value == '1' ? "0" : "1") << pair.variable;
        read();
        for (const Pair& pair : ServerPairs)
            EXPECT_TRUE(radio(*value == '1' ? pair.zero : pair.one)->isChecked()) << pair.variable;
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(ServerPageTest, AFileWithoutTheVariablesGetsThemAppendedInOrder)
{
    writeCfg("hostname \"LAN\"\r\n");
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), QByteArray("hostname \"LAN\"\r\n"
                                "mp_flashlight \"1\"\r\n"
                                "mp_autoteambalance \"1\"\r\n"
                                "mp_friendlyfire \"0\"\r\n"
                                "mp_footsteps \"1\"\r\n"
                                "mp_forcechasecam \"1\"\r\n"
                                "mp_logmessages \"1\"\r\n"
                                "mp_hostagepenalty \"0\"\r\n"
                                "mp_c4timer \"45\"\r\n"
                                "mp_roundtime \"3\"\r\n"
                                "mp_buytime \"1.5\"\r\n"
                                "mp_startmoney \"800\"\r\n"
                                "mp_freezetime \"6\"\r\n"
                                "mp_winlimit \"0\"\r\n"
                                "mp_limitteams \"0\"\r\n"
                                "sv_restartround \"0\"\r\n"
                                "mp_timelimit \"0\"\r\n"
                                "mp_maxrounds \"0\""));
}

TEST_F(ServerPageTest, AFileWithEveryVariableKeepsItsLinesInPlace)
{
    const QByteArray file = "mp_maxrounds \"0\"\r\n"
                            "mp_timelimit \"20\"\r\n"
                            "sv_restartround \"0\"\r\n"
                            "sv_lan \"1\"\r\n"
                            "mp_limitteams \"2\"\r\n"
                            "mp_winlimit \"0\"\r\n"
                            "mp_hostagepenalty \"5\"\r\n"
                            "mp_freezetime \"3\"\r\n"
                            "mp_startmoney \"16000\"\r\n"
                            "mp_buytime \"0.25\"\r\n"
                            "mp_roundtime \"5\"\r\n"
                            "mp_c4timer \"35\"\r\n"
                            "mp_logmessages \"0\"\r\n"
                            "mp_forcechasecam \"0\"\r\n"
                            "mp_footsteps \"0\"\r\n"
                            "mp_friendlyfire \"1\"\r\n"
                            "mp_autoteambalance \"0\"\r\n"
                            "mp_autokick \"0\"\r\n"
                            "mp_fadetoblack \"1\"\r\n"
                            "mp_flashlight \"0\"\r\n";
    writeCfg(file);
    read();
    EXPECT_FALSE(radio("hdisable")->isChecked()) << "a read number unchecks Disable";
    // Nothing changed on the page except the rounds limit (rotation fields are never read).
    type(spin("rounds"), QStringLiteral("12"));
    ASSERT_TRUE(apply());
    QByteArray expected = file;
    expected.replace("mp_maxrounds \"0\"", "mp_maxrounds \"12\"").replace("mp_timelimit \"20\"", "mp_timelimit \"0\"");
    EXPECT_EQ(cfg(), expected);
}

TEST_F(ServerPageTest, MapRotationRule)
{
    struct Case {
        bool disabled;
        int rotate;
        int rounds;
        const char* timelimit;
        const char* maxrounds;
    };
    const Case cases[] = {
        {true, 20, 0, "0", "0"}, {false, 20, 0, "20", "0"}, {false, 0, 15, "0", "15"},
        {false, 0, 0, "0", "0"}, {false, 20, 15, "-", "-"}, // both set: neither is written
    };
    for (const Case& c : cases) {
        writeCfg("");
        QSignalBlocker a(spin("rotate")), b(spin("rounds"));
        spin("rotate")->setValue(c.rotate);
        spin("rounds")->setValue(c.rounds);
        radio("periodtext")->setChecked(c.disabled);
        ASSERT_TRUE(apply());
        EXPECT_EQ(valueIn(cfg(), "mp_timelimit"), c.timelimit) << c.rotate << "/" << c.rounds;
        EXPECT_EQ(valueIn(cfg(), "mp_maxrounds"), c.maxrounds) << c.rotate << "/" << c.rounds;
    }
}

TEST_F(ServerPageTest, RotationFieldsZeroEachOther)
{
    type(spin("rounds"), QStringLiteral("15"));
    EXPECT_FALSE(radio("periodtext")->isChecked());
    type(spin("rotate"), QStringLiteral("20"));
    EXPECT_EQ(spin("rotate")->text(), QStringLiteral("20"));
    EXPECT_EQ(spin("rounds")->text(), QStringLiteral("0"));
    type(spin("rounds"), QStringLiteral("7"));
    EXPECT_EQ(spin("rounds")->text(), QStringLiteral("7"));
    EXPECT_EQ(spin("rotate")->text(), QStringLiteral("0"));

    click(radio("periodtext"));
    EXPECT_TRUE(radio("periodtext")->isChecked());
    EXPECT_EQ(spin("rounds")->text(), QStringLiteral("0"));
}

TEST_F(ServerPageTest, DisableButtonsZeroTheirFieldAndStayChecked)
{
    struct Case {
        const char* field;
        const char* button;
    };
    for (const Case& c : {Case{"hostag", "hdisable"}, Case{"cycle", "cycletext"}, Case{"maxpl", "Players"},
                          Case{"fresh", "freshtext"}}) {
        type(spin(c.field), QStringLiteral("5"));
        EXPECT_FALSE(radio(c.button)->isChecked()) << c.field;
        click(radio(c.button));
        EXPECT_TRUE(radio(c.button)->isChecked()) << c.button;
        EXPECT_EQ(spin(c.field)->text(), QStringLiteral("0")) << c.button;
        click(radio(c.button)); // a second click does not uncheck it
        EXPECT_TRUE(radio(c.button)->isChecked()) << c.button;
        QTest::keyClick(spin(c.field), Qt::Key_Up); // a stepped number counts as typed
        EXPECT_FALSE(radio(c.button)->isChecked()) << c.field;
    }
}

TEST_F(ServerPageTest, TypedZeroChecksPlayersAgainButNotTheOthers)
{
    for (const char* field : {"hostag", "cycle", "fresh", "maxpl"})
        type(spin(field), QStringLiteral("4"));
    for (const char* field : {"hostag", "cycle", "fresh", "maxpl"})
        type(spin(field), QStringLiteral("0"));
    EXPECT_TRUE(radio("Players")->isChecked());
    EXPECT_FALSE(radio("hdisable")->isChecked());
    EXPECT_FALSE(radio("cycletext")->isChecked());
    EXPECT_FALSE(radio("freshtext")->isChecked());

    type(spin("hostag"), QStringLiteral("3"));
    writeCfg("");
    ASSERT_TRUE(apply());
    EXPECT_EQ(valueIn(cfg(), "mp_hostagepenalty"), "3");
    EXPECT_EQ(valueIn(cfg(), "mp_winlimit"), "0");
}

TEST_F(ServerPageTest, SlidersAndEditsKeepInStep)
{
    find<QSlider>("TrackBar3")->setValue(60);
    EXPECT_EQ(edit("c4Edit")->text(), QStringLiteral("60"));
    type(edit("c4Edit"), QStringLiteral("95"));
    EXPECT_EQ(find<QSlider>("TrackBar3")->value(), 90);
    EXPECT_EQ(edit("c4Edit")->text(), QStringLiteral("90"));

    find<QSlider>("TrackBar4")->setValue(7);
    EXPECT_EQ(edit("rtime")->text(), QStringLiteral("7"));
    type(edit("rtime"), QStringLiteral("0"));
    EXPECT_EQ(find<QSlider>("TrackBar4")->value(), 1);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    type(edit("rtime"), QStringLiteral("x"));
    edit("c4Edit")->clear();
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")), (QStringList{QStringLiteral("'x' is not a valid integer value"),
                                                                   QStringLiteral("'' is not a valid integer value")}));
    EXPECT_EQ(find<QSlider>("TrackBar4")->value(), 1);
    EXPECT_EQ(find<QSlider>("TrackBar3")->value(), 90);
}

TEST_F(ServerPageTest, ReadValuesAsTheyStand)
{
    writeCfg("mp_roundtime \"15\"\r\n"
             "mp_c4timer \"120\"\r\n"
             "mp_buytime \"1.5\"\r\n"
             "mp_startmoney \"20000\"\r\n"
             "mp_limitteams \"0\"\r\n"
             "mp_timelimit \"30\"\r\n");
    type(spin("maxpl"), QStringLiteral("3"));
    read();
    EXPECT_EQ(find<QSlider>("TrackBar4")->value(), 9);
    EXPECT_EQ(edit("rtime")->text(), QStringLiteral("9"));
    EXPECT_EQ(find<QSlider>("TrackBar3")->value(), 90);
    EXPECT_TRUE(radio("Players")->isChecked()) << "a read 0 checks Players again";
    EXPECT_EQ(spin("rotate")->text(), QStringLiteral("0")) << "mp_timelimit is not read";
    EXPECT_EQ(spin("money")->text(), QStringLiteral("20000")) << "a number beyond the range is kept";
    ASSERT_TRUE(apply());
    EXPECT_TRUE(cfg().startsWith("mp_roundtime \"9\"\r\n"
                                 "mp_c4timer \"90\"\r\n"
                                 "mp_buytime \"1.5\"\r\n"
                                 "mp_startmoney \"20000\"\r\n"
                                 "mp_limitteams \"0\"\r\n"
                                 "mp_timelimit \"0\"\r\n"));
}

TEST_F(ServerPageTest, HostagePenaltyZeroChecksDisable)
{
    type(spin("hostag"), QStringLiteral("4"));
    type(spin("hostag"), QStringLiteral("0"));
    ASSERT_FALSE(radio("hdisable")->isChecked());
    writeCfg("mp_hostagepenalty \"0\"\r\n");
    read();
    EXPECT_TRUE(radio("hdisable")->isChecked());
}

TEST_F(ServerPageTest, ANonIntegerTimerStopsTheReadingThere)
{
    for (const char* variable : {"mp_c4timer", "mp_roundtime"}) {
        dialogs.shown.clear();
        client.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("before"));
        writeCfg("mp_flashlight \"0\"\r\n" + QByteArray(variable) +
                 " \"2.5\"\r\nmp_freezetime \"9\"\r\nname \"after\"\r\n");
        read();
        EXPECT_EQ(dialogs.texts(QStringLiteral("error")),
                  QStringList{QStringLiteral("'2.5' is not a valid integer value")});
        EXPECT_TRUE(radio("s6_0")->isChecked());
        EXPECT_EQ(spin("freeze")->text(), QStringLiteral("6"));
        EXPECT_EQ(client.findChild<QLineEdit*>(QStringLiteral("name"))->text(), QStringLiteral("before"));
    }
}

TEST_F(ServerPageTest, ABuyTimeWithADoubleQuoteIsRefused)
{
    const QByteArray file = "mp_buytime \"2\"\r\n";
    writeCfg(file);
    edit("MapTime")->setText(QStringLiteral("1\"5"));
    EXPECT_FALSE(apply());
    EXPECT_EQ(cfg(), file);
    ASSERT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(dialogs.texts(QStringLiteral("error"))
                    .front()
                    .contains(QStringLiteral("The desired amount of buy time for each round")));
}

TEST_F(ServerPageTest, ApplyButtonWritesTheFile)
{
    writeCfg("sv_lan \"1\"\r\n");
    radio("s2_1")->setChecked(true);
    QTest::mouseClick(find<QPushButton>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(valueIn(cfg(), "mp_autokick"), "1");
    EXPECT_TRUE(cfg().startsWith("sv_lan \"1\"\r\n"));
}

// A listen server's settings as a player keeps them: unquoted values, comments and other cvars.
TEST_F(ServerPageTest, ApplyOnARealServerConfigChangesOnlyThePagesLines)
{
    const QByteArray file = "// LAN party\r\n"
                            "hostname \"Frank's LAN\"\r\n"
                            "rcon_password \"\"\r\n"
                            "sv_lan 1\r\n"
                            "mp_autoteambalance 1\r\n"
                            "mp_buytime 0.5 // half a minute\r\n"
                            "mp_c4timer 35\r\n"
                            "mp_freezetime 3\r\n"
                            "mp_friendlyfire 1\r\n"
                            "mp_timelimit 25\r\n"
                            "mp_tkpunish 1\r\n"
                            "sv_restart 1\r\n"
                            "exec banned.cfg\r\n";
    writeCfg(file);
    read();
    ASSERT_TRUE(apply());
    const QByteArray expected = "// LAN party\r\n"
                                "hostname \"Frank's LAN\"\r\n"
                                "rcon_password \"\"\r\n"
                                "sv_lan 1\r\n"
                                "mp_autoteambalance \"1\"\r\n"
                                "mp_buytime \"0.5\" // half a minute\r\n"
                                "mp_c4timer \"35\"\r\n"
                                "mp_freezetime \"3\"\r\n"
                                "mp_friendlyfire \"1\"\r\n"
                                "mp_timelimit \"0\"\r\n"
                                "mp_tkpunish 1\r\n"
                                "sv_restart 1\r\n"
                                "exec banned.cfg\r\n"
                                "mp_flashlight \"1\"\r\n"
                                "mp_footsteps \"1\"\r\n"
                                "mp_forcechasecam \"1\"\r\n"
                                "mp_logmessages \"1\"\r\n"
                                "mp_hostagepenalty \"0\"\r\n"
                                "mp_roundtime \"3\"\r\n"
                                "mp_startmoney \"800\"\r\n"
                                "mp_winlimit \"0\"\r\n"
                                "mp_limitteams \"0\"\r\n"
                                "sv_restartround \"0\"\r\n"
                                "mp_maxrounds \"0\"";
    EXPECT_EQ(cfg(), expected);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

} // namespace
