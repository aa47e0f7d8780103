#include "OptionPagesFixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class ClientPageTest : public OptionPagesFixture {
protected:
    ClientPageTest()
        : OptionPagesFixture("config.cfg")
    {}
    bool apply() override { return client.ApplyClientOptions(); }
    QSlider* slider(const char* name) { return find<QSlider>(name); }
};

TEST_F(ClientPageTest, EveryVariableIsReadAndWrittenBackInPlace)
{
    // The first values differ from what a fresh page shows.
    // clang-format off
    const Row rows[] = {
        {"name", "name", "Gordon", "Frank"}, {"lefthand", "p1_1", "0", "1"}, {"setinfo vgui_menus", "p5_1", "1", "0"},
        {"ah", "p3_1", "1", "0"}, {"con_color", "Color", "127 0 0", "0 0 0", "4", "1"}, {"dm", "p2_1", "1", "0"},
        {"gl_spritesblend", "p10_1", "0", "1"}, {"r_drawviewmodel", "p11_1", "0", "1"}, {"hud_centerid", "p8_1", "0", "1"},
        {"max_shells", "c1edit", "1", "500"}, {"fastsprites", "Cedit", "0", "2"}, {"r_decal", "dec_t", "0", "500"},
        {"max_smokepuffs", "TrackBar1", "1", "500"}, {"cl_hidefrags", "p6_1", "1", "0"}, {"ghosts", "p4_1", "1", "0"},
        {"rate", "data", "1500", "9999", "0", "5"}, {"cl_observercrosshair", "p7_1", "0", "1"}};
    // clang-format on
    roundTrip(rows, "// mine\nhideradar \" \"\nadjust_crosshair \" \"\n");
}

TEST_F(ClientPageTest, AFileWithoutTheVariablesGetsThemAppendedInOrder)
{
    writeCfg("unbindall\n");
    for (const char* button : {"p3_1", "p5_1", "c2"}) // pairs with no default, and a line only when chosen
        click(button);
    find<QLineEdit>("name")->setText(QStringLiteral("Gordon"));
    find<QListWidget>("data")->setCurrentRow(0);
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(),
              crlf("unbindall\nlefthand \"1\"\ndm \"0\"\nah \"1\"\nghosts \"0\"\nsetinfo vgui_menus \"1\"\n"
                   "adjust_crosshair \" \"\ncl_hidefrags \"0\"\ncl_observercrosshair \"1\"\nhud_centerid \"1\"\n"
                   "drawradar \" \"\ngl_spritesblend \"1\"\nr_drawviewmodel \"1\"\nfastsprites \"1\"\n"
                   "max_shells \"300\"\nr_decal \"300\"\nname \"Gordon\"\nmax_smokepuffs \"300\"\nrate \"1500\"\n"
                   "con_color \"255 255 255\""));
}

TEST_F(ClientPageTest, EachConsoleColourHasItsPosition)
{
    // clang-format off
    const Row rows[] = {
        {"con_color", "Color", "0 0 0", "255 255 255", "1", "2"}, {"con_color", "Color", "191 191 191", "127 0 0", "3", "4"},
        {"con_color", "Color", "0 127 0", "0 0 127", "5", "6"}, {"con_color", "Color", "255 255 223", "225 225 0", "7", "8"},
        {"con_color", "Color", "0 0 255", "0 127 127", "9", "10"}};
    // clang-format on
    roundTrip(rows);
}

TEST_F(ClientPageTest, ValuesBeyondASliderAreHeldToIt)
{
    slider("TrackBar2")->setValue(2);
    type("Cedit", QStringLiteral("5")); // the slider stays: the edit is out of step until the file is read
    writeCfg("fastsprites \"5\"\nmax_smokepuffs \"900\"\nr_decal \"1000\"\nmp_roundtime \"15\"\nmp_c4timer \"120\"\n"
             "mp_startmoney \"20000\"\nmp_timelimit \"30\"\n");
    read();
    ASSERT_TRUE(apply() && server.ApplyServerOptions());
    const std::pair<const char*, const char*> written[] = {
        {"fastsprites", "2"}, {"max_smokepuffs", "500"},  {"r_decal", "500"},   {"mp_roundtime", "9"},
        {"mp_c4timer", "90"}, {"mp_startmoney", "20000"}, {"mp_timelimit", "0"}}; // the rotation is never read
    for (const auto& [variable, value] : written)
        EXPECT_EQ(valueOf(variable), value) << variable;
    EXPECT_EQ(shown("Cedit") + shown("rtime") + shown("c4Edit"), QStringLiteral("2990"));
}

TEST_F(ClientPageTest, NoNameOrColourReadsAsEmptyAndTheLastAndNoNameOrSmokePuffsAreWritten)
{
    writeCfg("name \"Gordon\"\ncon_color \"0 0 0\"\n");
    read();
    writeCfg("hostname \"Black Mesa\"\nmax_smokepuffs \"120\"\n");
    read();
    EXPECT_EQ(shown("name"), QString());
    EXPECT_EQ(shown("Color"), QStringLiteral("10")) << "no colour: the last";
    slider("TrackBar1")->setValue(0);
    ASSERT_TRUE(apply());
    EXPECT_TRUE(cfg().startsWith(crlf("hostname \"Black Mesa\"\nmax_smokepuffs \"120\"\n")));
    EXPECT_EQ(valueOf("name"), "-");
}

TEST_F(ClientPageTest, RadarAndCrosshairCommandsCountInEveryFormAndOnlyTheyAreRemoved)
{
    const QByteArray binds = "bind \"r\" \"drawradar\"\nalias tog \"adjust_crosshair\"\nbind \"h\" \"hideradar\"\n";
    for (const QByteArray form : {"", " \"\"", " \" \""}) {
        click("p9_1");
        click("RadioButton2");
        writeCfg("drawradar" + form + "\n" + binds + "adjust_crosshair" + form + "\n");
        read();
        EXPECT_EQ(shown("p9_0") + shown("c2"), QStringLiteral("11")) << form.constData();
        click("p9_1");
        click("RadioButton2");
        ASSERT_TRUE(apply());
        EXPECT_TRUE(cfg().startsWith(crlf(binds + "lefthand"))) << cfg().constData();
        EXPECT_EQ(valueOf("hideradar"), " ");

        writeCfg("hideradar" + form + "\ndrawradar\n" + binds);
        read();
        EXPECT_EQ(shown("p9_1"), QStringLiteral("1")) << "Hide wins" << form.constData();
        click("p9_0");
        ASSERT_TRUE(apply());
        EXPECT_TRUE(cfg().startsWith(crlf("drawradar \" \"\n" + binds))) << cfg().constData();
    }
    writeCfg("lefthand \"2\"\nah \"\"\ndm \"yes\"\n"); // a pair takes "1" or "0" only
    read();
    EXPECT_EQ(shown("p1_1") + shown("p3_1") + shown("p3_0") + shown("p2_0"), QStringLiteral("1001"));
}

// The sliders of both pages. Emptying Tracktext or Cedit is no error: those edits wait for a number.
TEST_F(ClientPageTest, SlidersAndEditsKeepInStepAndANonNumberIsAConversionError)
{
    // The slider is moved, the edit typed into (or cleared); the slider's end, and whether that is an error.
    // clang-format off
    const std::tuple<const char*, const char*, int, const char*, int, bool> cases[] = {
        {"TrackBar1", "Tracktext", 120, "450", 450, false}, {"TrackBar1", "Tracktext", 121, "0", 121, false},
        {"TrackBar1", "Tracktext", 122, "x", 122, true}, {"TrackBar1", "Tracktext", 123, "", 123, false},
        {"TrackBar2", "Cedit", 0, "2", 2, false}, {"TrackBar2", "Cedit", 1, "a", 1, true}, {"TrackBar2", "Cedit", 0, "", 0, false},
        {"dec_t", "dec_e", 77, "499", 499, false}, {"dec_t", "dec_e", 78, "q", 78, true}, {"dec_t", "dec_e", 79, "", 79, true},
        {"TrackBar3", "c4Edit", 60, "95", 90, false}, {"TrackBar3", "c4Edit", 61, "x", 61, true},
        {"TrackBar3", "c4Edit", 62, "", 62, true}, {"TrackBar4", "rtime", 7, "0", 1, false},
        {"TrackBar4", "rtime", 8, "x", 8, true}, {"TrackBar4", "rtime", 9, "", 9, true}};
    // clang-format on
    for (const auto& [slider, edit, moved, typed, held, error] : cases) {
        dialogs.shown.clear();
        find<QAbstractSlider>(slider)->setValue(moved);
        EXPECT_EQ(shown(edit), QString::number(moved)) << slider;
        if (*typed)
            type(edit, QString::fromLatin1(typed));
        else
            find<QLineEdit>(edit)->clear();
        EXPECT_EQ(shown(slider), QString::number(held)) << edit << " '" << typed << "'";
        const QString text = QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(typed));
        EXPECT_EQ(errors(), error ? QStringList{text} : QStringList()) << edit << " '" << typed << "'";
    }
    const char* words[] = {"best", "normal", "poor"};
    for (int position = 0; position < 3; ++position) {
        slider("TrackBar2")->setValue(position);
        EXPECT_EQ(find<QLabel>("smsprites")->text(), QLatin1String(words[position]));
    }
}

TEST_F(ClientPageTest, ANonIntegerValueStopsTheReadingThere)
{
    for (const char* variable : {"fastsprites", "r_decal", "max_smokepuffs", "mp_c4timer", "mp_roundtime"}) {
        dialogs.shown.clear();
        find<QLineEdit>("name")->setText(QStringLiteral("before"));
        slider("Color")->setValue(1);
        writeCfg("con_color \"0 0 255\"\n" + QByteArray(variable) + " \"1.5\"\nmp_freezetime \"9\"\nname \"after\"\n");
        read();
        EXPECT_EQ(errors(), QStringList{QStringLiteral("'1.5' is not a valid integer value")}) << variable;
        // Read before the error, not after it.
        EXPECT_EQ(shown("Color") + shown("freeze") + shown("name"), QStringLiteral("96before")) << variable;
    }
}

// Both pages. Typing a quote into Cedit is a conversion error as well: the refusal comes last.
TEST_F(ClientPageTest, ATextWithADoubleQuoteIsRefusedAndNothingIsWritten)
{
    writeCfg("name \"Gordon\"\nmp_buytime \"2\"\n");
    const QByteArray file = cfg();
    for (const auto& [edit, field] : {std::pair{"name", "Your name"},
                                      {"Cedit", "Complexity of the smoke sprites"},
                                      {"MapTime", "The desired amount of buy time for each round"}}) {
        find<QLineEdit>(edit)->setText(QStringLiteral("\""));
        EXPECT_FALSE(*edit == 'M' ? server.ApplyServerOptions() : apply()) << edit;
        EXPECT_EQ(cfg(), file);
        ASSERT_FALSE(errors().isEmpty());
        EXPECT_TRUE(errors().last().contains(QLatin1String(field))) << errors().last().toStdString();
        find<QLineEdit>(edit)->setText(QStringLiteral("1"));
    }
}

TEST_F(ClientPageTest, AFileThatCannotBeReadIsAnErrorAndApplyWritesNothing)
{
    read(); // no file yet
    writeCfg("lefthand \"0\"\n");
    read();
    QFile::remove(dir.file(state.CfgFile));
    EXPECT_FALSE(apply());
    EXPECT_EQ(cfg(), "<missing>");
    EXPECT_EQ(errors().size(), 2);
}

TEST_F(ClientPageTest, ApplyOnAGameWrittenConfigChangesOnlyThePagesLines)
{
    // Its name holds bytes the system's code page may not show: they must come back unchanged.
    const QByteArray original = TempDir::testData(QStringLiteral("config.cfg"));
    ASSERT_TRUE(original.contains("\nname \"Pl\xe9yer\xa0One\""));
    dir.write(state.CfgFile, original);
    read();
    click("BitBtn5");
    QByteArray expected = original;
    expected.replace("con_color \"255 180 30\"", "con_color \"0 127 127\""); // none of the ten
    expected += crlf("lefthand \"1\"\ndm \"0\"\nghosts \"0\"\ncl_hidefrags \"0\"\ncl_observercrosshair \"1\"\n"
                     "drawradar \" \"\ngl_spritesblend \"1\"\nr_drawviewmodel \"1\"\nmax_shells \"300\"\n"
                     "r_decal \"300\"\nmax_smokepuffs \"300\"\n");
    EXPECT_EQ(cfg(), expected);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // A name the user types is written in the system's code page.
    find<QLineEdit>("name")->setText(QStringLiteral("Gordon"));
    click("BitBtn5");
    EXPECT_TRUE(cfg().contains("\r\nname \"Gordon\"\r\n"));
}

TEST_F(ClientPageTest, TheWheelMovesASliderOnlyOnceItHasTheFocus)
{
    QSlider* puffs = slider("TrackBar1");
    const auto turnWheel = [puffs] {
        QWheelEvent wheel(QPointF(4, 4), puffs->mapToGlobal(QPointF(4, 4)), {}, {0, 120}, {}, {}, {}, false);
        QApplication::sendEvent(puffs, &wheel);
    };
    turnWheel(); // scrolling the page over the slider
    EXPECT_EQ(puffs->value(), 300);
    QApplication::setActiveWindow(&client);
    puffs->setFocus();
    if (!puffs->hasFocus())
        GTEST_SKIP() << "no keyboard focus on this platform";
    turnWheel();
    EXPECT_NE(puffs->value(), 300);
}

} // namespace
