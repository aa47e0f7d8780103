#include "OptionPagesFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ServerPageTest : public OptionPagesFixture {
protected:
    ServerPageTest()
        : OptionPagesFixture("server.cfg")
    {}
    bool apply() override { return server.apply(); }
};

TEST_F(ServerPageTest, EveryVariableIsReadAndWrittenBackInPlace)
{
    // The first values differ from what a fresh page shows. The first row must come first: a fresh
    // maxpl already shows the 2 read, with Players checked.
    // clang-format off
    const Row rows[] = {
        {"mp_limitteams", "Players", "2", "0", "0", "1"}, {"mp_roundtime", "rtime", "1.75", "9"},
        {"mp_c4timer", "TrackBar3", "0", "90"}, {"mp_freezetime", "freeze", "0", "60"}, {"mp_winlimit", "cycle", "3", "0"},
        {"mp_buytime", "MapTime", "0.25", "90"}, {"sv_restartround", "fresh", "10", "0"},
        {"mp_friendlyfire", "s4_1", "1", "0"}, {"mp_autokick", "s2_1", "1", "0"}, {"mp_footsteps", "s5_1", "0", "1"},
        {"mp_hostagepenalty", "hostag", "5", "0"}, {"mp_forcechasecam", "s7_2", "2", "1", "1", "0"},
        {"mp_flashlight", "s6_1", "0", "1"}, {"mp_logmessages", "s8_1", "0", "1"}, {"mp_fadetoblack", "s1_1", "1", "0"},
        {"mp_startmoney", "money", "16000", "800"}, {"mp_autoteambalance", "s3_1", "0", "1"}};
    // clang-format on
    roundTrip(rows, "// LAN\nmp_maxrounds \"0\"\nsv_lan \"1\"\nmp_timelimit \"0\"\n");
}

// A listen server's settings as a player keeps them, without any of the page's variables.
TEST_F(ServerPageTest, ChangedSettingsAreAppendedInOrderAndEverythingElseIsKept)
{
    const QByteArray kept =
        "// LAN party\nhostname \"Frank's LAN\"\nrcon_password \"\"\nsv_lan 1\nmp_tkpunish 1 // no\n"
        "exec banned.cfg\n";
    writeCfg(kept);
    read();
    for (const char* button : {"s1_1", "s2_1", "s7_2", "s6_0"})
        click(button);
    type("rtime", QStringLiteral("2.5"));
    type("freeze", QStringLiteral("10"));
    type("rotate", QStringLiteral("20"));
    click("BitBtn3");
    EXPECT_EQ(cfg(), crlf(kept + "mp_flashlight \"0\"\nmp_fadetoblack \"1\"\nmp_autokick \"1\"\n"
                                 "mp_forcechasecam \"2\"\nmp_roundtime \"2.5\"\nmp_freezetime \"10\"\n"
                                 "mp_timelimit \"20\"\n")) // mp_maxrounds stands at 0 as before
        << cfg().constData();
    EXPECT_EQ(shown("TrackBar4"), QStringLiteral("2"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// A round time of 1.75 minutes once stopped the reading, and the next Apply wrote the previous
// file's values over this one's.
TEST_F(ServerPageTest, ReadingNeverStopsAtOneValue)
{
    writeCfg("mp_roundtime 4\nmp_freezetime 6\nmp_timelimit 0\nmp_buytime 1.5\n");
    read();
    const QByteArray file = crlf("mp_roundtime 1.75\nmp_buytime .30\nmp_c4timer 35.5\nmp_freezetime 0\n"
                                 "mp_timelimit 30\nmp_forcechasecam 2\nmp_startmoney lots\nmp_friendlyfire 1\n");
    dir.write(state.working.file(), file);
    read();
    EXPECT_EQ(shown({"rtime", "TrackBar4", "MapTime", "c4Edit", "freeze", "rotate", "s7_2", "money", "s4_1"}),
              QStringLiteral("1.75 1 .30 35.5 0 30 1 lots 1"));
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().first().endsWith(u":\r\nmp_c4timer \"35.5\"\r\nmp_startmoney \"lots\""))
        << warnings().first().toStdString();
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), file);
    EXPECT_EQ(warnings().size(), 1) << "nothing more to tell after Apply";
}

// Read by the rule that writes the pair, so an untouched Apply gives back what the file held.
// Reading one field must not zero the other, as typing into it does.
TEST_F(ServerPageTest, MapRotationIsReadAndWrittenByItsRule)
{
    type("rotate", QStringLiteral("7"));
    // mp_timelimit and mp_maxrounds in the file ("" for no line), then rotate rounds periodtext.
    // clang-format off
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", "", "7 0 0"}, {"0", "0", "0 0 1"}, {"20", "", "20 0 0"}, {"", "15", "0 15 0"},
        {"20", "15", "20 15 0"}, // both set: the rule writes neither
        {"", "", "20 15 0"}};    // no line: the fields keep what they show
    // clang-format on
    for (const auto& [minutes, rounds, shownAfter] : cases) {
        QByteArray file = "sv_lan \"1\"\n";
        if (*minutes)
            file += "mp_timelimit \"" + QByteArray(minutes) + "\"\n";
        if (*rounds)
            file += "mp_maxrounds \"" + QByteArray(rounds) + "\"\n";
        writeCfg(file);
        read();
        EXPECT_EQ(shown({"rotate", "rounds", "periodtext"}), QLatin1String(shownAfter)) << file.constData();
        ASSERT_TRUE(apply());
        EXPECT_EQ(cfg(), crlf(file)) << cfg().constData();
    }
    const std::pair<std::function<void()>, const char*> typed[] = {
        {[&] { type("rounds", QStringLiteral("15")); }, "0/15"},
        {[&] { type("rotate", QStringLiteral("25")); }, "25/0"},
        {[&] { click("periodtext"); }, "0/0"}};
    for (const auto& [change, written] : typed) {
        change();
        ASSERT_TRUE(apply());
        EXPECT_EQ(valueOf("mp_timelimit") + "/" + valueOf("mp_maxrounds"), written);
    }
}

// Clearing c4Edit or rtime with Backspace and typing on: no message, the slider stays.
TEST_F(ServerPageTest, ANonNumberInASliderEditIsMarkedAndRefusedByApply)
{
    writeCfg("mp_c4timer \"35\"\nmp_roundtime \"5\"\n");
    const QByteArray file = cfg();
    for (const char* edit : {"c4Edit", "rtime"}) {
        QTest::keyClick(find(edit), Qt::Key_End);
        QTest::keyClick(find(edit), Qt::Key_Backspace);
        QTest::keyClick(find(edit), Qt::Key_Backspace);
        QTest::keyClicks(find(edit), QStringLiteral("x"));
        EXPECT_EQ(mark(edit), notInteger(QStringLiteral("x"))) << edit;
        EXPECT_TRUE(dialogs.shown.isEmpty());
        EXPECT_FALSE(apply());
        EXPECT_EQ(errors(), QStringList{notInteger(QStringLiteral("x"))});
        EXPECT_EQ(cfg(), file);
        dialogs.shown.clear();
        type(edit, QStringLiteral("9"));
    }
    ASSERT_TRUE(apply());
    EXPECT_EQ(valueOf("mp_c4timer") + "/" + valueOf("mp_roundtime"), "9/9");
}

TEST_F(ServerPageTest, RotationFieldsZeroEachOther)
{
    type("rounds", QStringLiteral("15"));
    EXPECT_EQ(shown("periodtext"), QStringLiteral("0"));
    type("rotate", QStringLiteral("20"));
    EXPECT_EQ(shown("rotate") + shown("rounds"), QStringLiteral("200"));
    type("rounds", QStringLiteral("7"));
    EXPECT_EQ(shown("rotate") + shown("rounds"), QStringLiteral("07"));
    click("periodtext");
    EXPECT_EQ(shown("periodtext") + shown("rotate") + shown("rounds"), QStringLiteral("100"));
    type("rotate", QStringLiteral("3"));
    EXPECT_EQ(shown("periodtext"), QStringLiteral("0"));
}

// A typed 0 checks Players again, and no other Disable button.
TEST_F(ServerPageTest, DisableButtonsZeroTheirFieldAndStayChecked)
{
    for (const auto& [field, button, zero] : {std::tuple{"hostag", "hdisable", "0"},
                                              {"cycle", "cycletext", "0"},
                                              {"maxpl", "Players", "1"},
                                              {"fresh", "freshtext", "0"}}) {
        type(field, QStringLiteral("5"));
        EXPECT_EQ(shown(button), QStringLiteral("0")) << field;
        click(button);
        EXPECT_EQ(shown(button) + shown(field), QStringLiteral("10")) << button;
        click(button); // a second click does not uncheck it
        EXPECT_EQ(shown(button), QStringLiteral("1")) << button;
        QTest::keyClick(find(field), Qt::Key_Up); // a stepped number counts as typed
        EXPECT_EQ(shown(button), QStringLiteral("0")) << field;
        type(field, QStringLiteral("0"));
        EXPECT_EQ(shown(button), QLatin1String(zero)) << field;
    }
    writeCfg("mp_hostagepenalty \"0\"\n"); // but a 0 read checks hdisable
    read();
    EXPECT_EQ(shown("hdisable"), QStringLiteral("1"));
}

} // namespace
