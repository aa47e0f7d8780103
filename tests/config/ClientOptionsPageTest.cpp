#include "OptionPagesFixture.h"
#include "config/ServerOptionsPage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class ClientPageTest : public OptionPagesFixture {
protected:
    ClientPageTest()
        : OptionPagesFixture(QStringLiteral("config.cfg"), client)
    {}

    bool apply() { return client.ApplyClientOptions(); }
    QRadioButton* radio(const char* name) { return find<QRadioButton>(name); }
    QSlider* slider(const char* name) { return find<QSlider>(name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
};

struct Pair {
    const char* variable;
    const char* one;  // the button that stands for "1"
    const char* zero; // the button that stands for "0"
};
const Pair ClientPairs[] = {
    {"lefthand", "p1_1", "p1_0"},
    {"dm", "p2_1", "p2_0"},
    {"ah", "p3_1", "p3_0"},
    {"ghosts", "p4_1", "p4_0"},
    {"setinfo vgui_menus", "p5_1", "p5_0"},
    {"cl_hidefrags", "p6_1", "p6_0"},
    {"cl_observercrosshair", "p7_1", "p7_0"},
    {"hud_centerid", "p8_1", "p8_0"},
    {"gl_spritesblend", "p10_1", "p10_0"},
    {"r_drawviewmodel", "p11_1", "p11_0"},
};

TEST_F(ClientPageTest, RadioPairsReadTheirValueAndWriteItBack)
{
    for (const char* value : {"1", "0"}) {
        QByteArray file;
        for (const Pair& pair : ClientPairs)
            file += QByteArray(pair.variable) + " \"" + value + "\"\r\n";
        writeCfg(file);
        read();
        for (const Pair& pair : ClientPairs)
            EXPECT_TRUE(radio(*value == '1' ? pair.one : pair.zero)->isChecked()) << pair.variable << " " << value;

        // Flip every pair, apply, flip back by reading: the file holds the flipped values.
        for (const Pair& pair : ClientPairs)
            radio(*value == '1' ? pair.zero : pair.one)->setChecked(true);
        ASSERT_TRUE(apply());
        const QByteArray written = cfg();
        const char* flipped = *value == '1' ? "0" : "1";
        for (const Pair& pair : ClientPairs)
            EXPECT_TRUE(written.contains(QByteArray(pair.variable) + " \"" + flipped + "\"")) << pair.variable;
        read();
        for (const Pair& pair : ClientPairs)
            EXPECT_TRUE(radio(*value == '1' ? pair.zero : pair.one)->isChecked()) << pair.variable;
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(ClientPageTest, UnrecognisedValuesLeaveAPairAsItWas)
{
    writeCfg("lefthand \"2\"\r\nah \"\"\r\ndm \"yes\"\r\n");
    read();
    EXPECT_TRUE(radio("p1_1")->isChecked());
    EXPECT_FALSE(radio("p3_1")->isChecked() || radio("p3_0")->isChecked());
    EXPECT_TRUE(radio("p2_0")->isChecked());
}

TEST_F(ClientPageTest, AFileWithoutTheVariablesGetsThemAppendedInOrder)
{
    writeCfg("unbindall\r\nbind \"w\" \"+forward\"\r\n");
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), QByteArray("unbindall\r\n"
                                "bind \"w\" \"+forward\"\r\n"
                                "lefthand \"1\"\r\n"
                                "dm \"0\"\r\n"
                                "ghosts \"0\"\r\n"
                                "cl_hidefrags \"0\"\r\n"
                                "cl_observercrosshair \"1\"\r\n"
                                "hud_centerid \"1\"\r\n"
                                "drawradar \" \"\r\n"
                                "gl_spritesblend \"1\"\r\n"
                                "r_drawviewmodel \"1\"\r\n"
                                "fastsprites \"1\"\r\n"
                                "max_shells \"300\"\r\n"
                                "r_decal \"300\"\r\n"
                                "max_smokepuffs \"300\"\r\n"
                                "con_color \"255 255 255\""));
}

TEST_F(ClientPageTest, AFileWithEveryVariableKeepsItsLinesInPlace)
{
    writeCfg("con_color \"0 0 0\"\r\n"
             "rate \"3000\"\r\n"
             "name \"Old\"\r\n"
             "// mine\r\n"
             "max_smokepuffs \"100\"\r\n"
             "r_decal \"100\"\r\n"
             "max_shells \"100\"\r\n"
             "fastsprites \"0\"\r\n"
             "r_drawviewmodel \"1\"\r\n"
             "gl_spritesblend \"1\"\r\n"
             "hideradar \" \"\r\n"
             "hud_centerid \"1\"\r\n"
             "cl_observercrosshair \"1\"\r\n"
             "cl_hidefrags \"1\"\r\n"
             "adjust_crosshair \" \"\r\n"
             "setinfo vgui_menus \"1\"\r\n"
             "ghosts \"1\"\r\n"
             "ah \"1\"\r\n"
             "dm \"1\"\r\n"
             "lefthand \"1\"\r\n");
    read();
    for (const Pair& pair : ClientPairs)
        radio(pair.zero)->setChecked(true);
    radio("p9_0")->setChecked(true);
    slider("Color")->setValue(4);
    find<QListWidget>("data")->setCurrentRow(5);
    edit("name")->setText(QStringLiteral("New"));
    slider("TrackBar1")->setValue(200);
    slider("dec_t")->setValue(400);
    find<QSpinBox>("c1edit")->setValue(50);
    slider("TrackBar2")->setValue(2);
    click(radio("c2")); // already checked: stays
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), QByteArray("con_color \"127 0 0\"\r\n"
                                "rate \"9999\"\r\n"
                                "name \"New\"\r\n"
                                "// mine\r\n"
                                "max_smokepuffs \"200\"\r\n"
                                "r_decal \"400\"\r\n"
                                "max_shells \"50\"\r\n"
                                "fastsprites \"2\"\r\n"
                                "r_drawviewmodel \"0\"\r\n"
                                "gl_spritesblend \"0\"\r\n"
                                "hud_centerid \"0\"\r\n"
                                "cl_observercrosshair \"0\"\r\n"
                                "cl_hidefrags \"0\"\r\n"
                                "adjust_crosshair \" \"\r\n"
                                "setinfo vgui_menus \"0\"\r\n"
                                "ghosts \"0\"\r\n"
                                "ah \"0\"\r\n"
                                "dm \"0\"\r\n"
                                "lefthand \"0\"\r\n"
                                "drawradar \" \"\r\n"));
}

TEST_F(ClientPageTest, EveryConsoleColourReadsBackAtItsPosition)
{
    for (int position = 1; position <= 10; ++position) {
        writeCfg("");
        slider("Color")->setValue(position);
        ASSERT_TRUE(apply());
        slider("Color")->setValue(position == 3 ? 4 : 3);
        read();
        EXPECT_EQ(slider("Color")->value(), position);
    }
    // No line, or a colour of none of the ten: the last position, written as teal.
    for (const QByteArray& file : {QByteArray("name \"x\"\r\n"), QByteArray("con_color \"255 180 30\"\r\n")}) {
        writeCfg(file);
        slider("Color")->setValue(1);
        read();
        EXPECT_EQ(slider("Color")->value(), 10);
        ASSERT_TRUE(apply());
        EXPECT_TRUE(cfg().contains("con_color \"0 127 127\"")) << cfg().constData();
        EXPECT_FALSE(cfg().contains("255 180 30"));
    }
}

TEST_F(ClientPageTest, RateIsWrittenOnlyForAChosenConnection)
{
    writeCfg("cl_updaterate \"60\"\r\ncl_cmdrate \"60\"\r\nrate \"25000\"\r\nhostname \"LAN\"\r\n");
    read();
    EXPECT_TRUE(find<QListWidget>("data")->selectedItems().isEmpty());
    edit("name")->setText(QStringLiteral("Frank"));
    ASSERT_TRUE(apply());
    EXPECT_TRUE(
        cfg().startsWith("cl_updaterate \"60\"\r\ncl_cmdrate \"60\"\r\nrate \"25000\"\r\nhostname \"LAN\"\r\n"));

    QListWidget* list = find<QListWidget>("data");
    const QRect third = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    ASSERT_TRUE(apply());
    EXPECT_TRUE(cfg().startsWith("cl_updaterate \"60\"\r\ncl_cmdrate \"60\"\r\nrate \"3500\"\r\nhostname \"LAN\"\r\n"));
    EXPECT_TRUE(cfg().contains("name \"Frank\""));
    list->clearSelection();
    read();
    EXPECT_EQ(list->currentRow(), 2);
}

TEST_F(ClientPageTest, SlidersAndEditsKeepInStep)
{
    slider("TrackBar1")->setValue(120);
    EXPECT_EQ(edit("Tracktext")->text(), QStringLiteral("120"));
    type(edit("Tracktext"), QStringLiteral("450"));
    EXPECT_EQ(slider("TrackBar1")->value(), 450);
    type(edit("Tracktext"), QStringLiteral("0"));
    EXPECT_EQ(slider("TrackBar1")->value(), 450);

    slider("TrackBar2")->setValue(0);
    EXPECT_EQ(edit("Cedit")->text(), QStringLiteral("0"));
    EXPECT_EQ(find<QLabel>("smsprites")->text(), QStringLiteral("best"));
    type(edit("Cedit"), QStringLiteral("2"));
    EXPECT_EQ(slider("TrackBar2")->value(), 2);
    EXPECT_EQ(find<QLabel>("smsprites")->text(), QStringLiteral("poor"));

    slider("dec_t")->setValue(77);
    EXPECT_EQ(edit("dec_e")->text(), QStringLiteral("77"));
    type(edit("dec_e"), QStringLiteral("499"));
    EXPECT_EQ(slider("dec_t")->value(), 499);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(ClientPageTest, TypedNonNumbersShowTheConversionErrorAndKeepTheSlider)
{
    struct Case {
        const char* edit;
        const char* slider;
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {"Tracktext", "TrackBar1", QStringLiteral("x"), QStringLiteral("x")},
        {"Cedit", "TrackBar2", QStringLiteral("a"), QStringLiteral("a")},
        {"dec_e", "dec_t", QStringLiteral("q"), QStringLiteral("q")},
    };
    for (const Case& c : cases) {
        dialogs.shown.clear();
        const int before = slider(c.slider)->value();
        type(edit(c.edit), c.typed);
        EXPECT_EQ(slider(c.slider)->value(), before) << c.edit;
        EXPECT_EQ(dialogs.texts(QStringLiteral("error")),
                  QStringList{QStringLiteral("'%1' is not a valid integer value").arg(c.shown)})
            << c.edit;
    }
    // An emptied dec_e is an error too; an emptied Tracktext or Cedit is not.
    dialogs.shown.clear();
    edit("Tracktext")->clear();
    edit("Cedit")->clear();
    edit("dec_e")->clear();
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")), QStringList{QStringLiteral("'' is not a valid integer value")});
}

TEST_F(ClientPageTest, OutOfRangeValuesAreHeldToTheSlider)
{
    slider("TrackBar2")->setValue(1);
    writeCfg("fastsprites \"5\"\r\nmax_smokepuffs \"900\"\r\nr_decal \"1000\"\r\n");
    read();
    EXPECT_EQ(slider("TrackBar2")->value(), 2);
    EXPECT_EQ(edit("Cedit")->text(), QStringLiteral("2"));
    EXPECT_EQ(find<QLabel>("smsprites")->text(), QStringLiteral("poor"));
    EXPECT_EQ(slider("TrackBar1")->value(), 500);
    EXPECT_EQ(slider("dec_t")->value(), 500);
    ASSERT_TRUE(apply());
    EXPECT_TRUE(cfg().startsWith("fastsprites \"2\"\r\nmax_smokepuffs \"500\"\r\nr_decal \"500\"\r\n"));

    // A typed 5 leaves the slider at 2; reading the file's 2 puts the edit back in step.
    type(edit("Cedit"), QStringLiteral("5"));
    read();
    EXPECT_EQ(edit("Cedit")->text(), QStringLiteral("2"));
}

TEST_F(ClientPageTest, ASmokePuffSliderAtZeroWritesNothing)
{
    writeCfg("max_smokepuffs \"120\"\r\n");
    slider("TrackBar1")->setValue(0);
    ASSERT_TRUE(apply());
    EXPECT_TRUE(cfg().startsWith("max_smokepuffs \"120\"\r\n"));
}

TEST_F(ClientPageTest, AFileWithoutANameEmptiesTheFieldAndWritesNoName)
{
    writeCfg("name \"Gordon\"\r\n");
    read();
    EXPECT_EQ(edit("name")->text(), QStringLiteral("Gordon"));
    writeCfg("hostname \"Black Mesa\"\r\n");
    read();
    EXPECT_EQ(edit("name")->text(), QString());
    ASSERT_TRUE(apply());
    EXPECT_TRUE(cfg().startsWith("hostname \"Black Mesa\"\r\n"));
    EXPECT_FALSE(cfg().contains("\nname"));
}

TEST_F(ClientPageTest, RadarAndCrosshairCommandsCountWithOrWithoutAValue)
{
    for (const QByteArray& form : {QByteArray(""), QByteArray(" \"\""), QByteArray(" \" \"")}) {
        radio("p9_1")->setChecked(true);
        radio("RadioButton2")->setChecked(true);
        writeCfg("drawradar" + form + "\r\nadjust_crosshair" + form + "\r\n");
        read();
        EXPECT_TRUE(radio("p9_0")->isChecked()) << form.constData();
        EXPECT_TRUE(radio("c2")->isChecked()) << form.constData();
        writeCfg("hideradar" + form + "\r\ndrawradar\r\n");
        read();
        EXPECT_TRUE(radio("p9_1")->isChecked()) << "Hide wins " << form.constData();
    }
}

TEST_F(ClientPageTest, RadarAndCrosshairChoicesRemoveOnlyTheCommandLines)
{
    writeCfg("bind \"r\" \"drawradar\"\r\n"
             "drawradar \" \"\r\n"
             "alias tog \"adjust_crosshair\"\r\n"
             "adjust_crosshair\r\n"
             "bind \"h\" \"hideradar\"\r\n");
    read();
    click(radio("p9_1"));
    click(radio("RadioButton2"));
    ASSERT_TRUE(radio("p9_1")->isChecked() && radio("RadioButton2")->isChecked());
    ASSERT_TRUE(apply());
    EXPECT_TRUE(cfg().startsWith("bind \"r\" \"drawradar\"\r\n"
                                 "alias tog \"adjust_crosshair\"\r\n"
                                 "bind \"h\" \"hideradar\"\r\n"
                                 "lefthand"))
        << cfg().constData();
    EXPECT_TRUE(cfg().contains("\r\nhideradar \" \"\r\n"));

    click(radio("p9_0"));
    ASSERT_TRUE(apply());
    EXPECT_FALSE(cfg().contains("\r\nhideradar"));
    EXPECT_TRUE(cfg().contains("\r\ndrawradar \" \"\r\n"));
    EXPECT_TRUE(cfg().contains("bind \"h\" \"hideradar\""));
}

TEST_F(ClientPageTest, ATextWithADoubleQuoteIsRefusedAndNothingIsWritten)
{
    const QByteArray file = "name \"Gordon\"\r\nlefthand \"0\"\r\n";
    struct Case {
        const char* edit;
        QString text;
        QString field;
    };
    const Case cases[] = {
        {"name", QStringLiteral("Gor\"don"), QStringLiteral("Your name")},
        {"Cedit", QStringLiteral("\""), QStringLiteral("Complexity of the smoke sprites")},
    };
    for (const Case& c : cases) {
        writeCfg(file);
        read();
        dialogs.shown.clear();
        edit(c.edit)->setText(c.text);
        radio("p1_1")->setChecked(true);
        EXPECT_FALSE(apply()) << c.edit;
        EXPECT_EQ(cfg(), file);
        const QStringList errors = dialogs.texts(QStringLiteral("error"));
        ASSERT_FALSE(errors.isEmpty());
        EXPECT_TRUE(errors.last().contains(c.field)) << errors.last().toStdString();
    }
}

TEST_F(ClientPageTest, AnUnreadableFileShowsItsErrorAndChangesNothing)
{
    read(); // no config.cfg in the folder
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(radio("p1_1")->isChecked());
    EXPECT_FALSE(apply());
    EXPECT_EQ(cfg(), QByteArray("<missing>"));
}

TEST_F(ClientPageTest, ANonIntegerValueStopsTheReadingThere)
{
    for (const char* variable : {"fastsprites", "r_decal", "max_smokepuffs"}) {
        dialogs.shown.clear();
        edit("name")->setText(QStringLiteral("before"));
        slider("Color")->setValue(1);
        writeCfg(QByteArray(variable) + " \"1.5\"\r\ncon_color \"0 0 255\"\r\nname \"after\"\r\n");
        read();
        EXPECT_EQ(dialogs.texts(QStringLiteral("error")),
                  QStringList{QStringLiteral("'1.5' is not a valid integer value")})
            << variable;
        EXPECT_EQ(slider("Color")->value(), 9) << "read before the error";
        EXPECT_EQ(edit("name")->text(), QStringLiteral("before")) << "not read after it";
    }
}

TEST_F(ClientPageTest, ApplyButtonWritesTheFile)
{
    writeCfg("unbindall\r\n");
    radio("p3_1")->setChecked(true);
    QTest::mouseClick(find<QPushButton>("BitBtn5"), Qt::LeftButton);
    EXPECT_TRUE(cfg().contains("\r\nah \"1\"\r\n"));
}

// A config.cfg as the game writes it, with the player's own lines added at the end.
const QByteArray GameConfig = "// This file is overwritten whenever you change your user settings in the game.\r\n"
                              "// Add custom configurations to the file \"userconfig.cfg\".\r\n"
                              "unbindall\r\n"
                              "bind \"TAB\" \"+showscores\"\r\n"
                              "bind \"ENTER\" \"+attack\"\r\n"
                              "bind \"SPACE\" \"+jump\"\r\n"
                              "bind \"r\" \"+reload\"\r\n"
                              "bind \"w\" \"+forward\"\r\n"
                              "bind \"MOUSE1\" \"+attack\"\r\n"
                              "_cl_autowepswitch \"1\"\r\n"
                              "ah \"1\"\r\n"
                              "bgmvolume \"1.000000\"\r\n"
                              "cl_cmdrate \"101\"\r\n"
                              "cl_dynamiccrosshair \"1\"\r\n"
                              "cl_hidefrags \"0\"\r\n"
                              "cl_observercrosshair \"1\"\r\n"
                              "cl_updaterate \"101\"\r\n"
                              "con_color \"255 180 30\"\r\n"
                              "dm \"1\"\r\n"
                              "fastsprites \"0\"\r\n"
                              "gamma \"2.5\"\r\n"
                              "ghosts \"1\"\r\n"
                              "gl_spritesblend \"0\"\r\n"
                              "hostname \"Counter-Strike 1.6\"\r\n"
                              "hud_centerid \"0\"\r\n"
                              "lefthand \"0\"\r\n"
                              "max_shells \"120\"\r\n"
                              "max_smokepuffs \"120\"\r\n"
                              "name \"Gordon\"\r\n"
                              "r_decals \"4096\"\r\n"
                              "r_drawviewmodel \"1\"\r\n"
                              "rate \"25000\"\r\n"
                              "sensitivity \"3.2\"\r\n"
                              "setinfo \"_vgui_menus\" \"1\"\r\n"
                              "volume \"0.800000\"\r\n"
                              "+mlook\r\n"
                              "+jlook\r\n"
                              "exec userconfig.cfg\r\n"
                              "bind \"h\" \"hideradar\" // mine\r\n";

TEST_F(ClientPageTest, ApplyOnAGameWrittenConfigChangesOnlyThePagesLines)
{
    writeCfg(GameConfig);
    read();
    EXPECT_TRUE(radio("p1_0")->isChecked());
    EXPECT_TRUE(radio("p10_0")->isChecked());
    EXPECT_EQ(edit("name")->text(), QStringLiteral("Gordon"));
    EXPECT_EQ(find<QSpinBox>("c1edit")->text(), QStringLiteral("120"));
    ASSERT_TRUE(apply());

    QByteArray expected = GameConfig;
    expected.replace("con_color \"255 180 30\"", "con_color \"0 127 127\""); // none of the ten: teal
    expected += "drawradar \" \"\r\nr_decal \"300\"\r\n";
    EXPECT_EQ(cfg(), expected);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

} // namespace

TEST_F(ClientPageTest, TheWheelMovesASliderOnlyOnceItHasTheFocus)
{
    QSlider* puffs = slider("TrackBar1");
    const auto turnWheel = [puffs] {
        const QPointF at = puffs->rect().center();
        QWheelEvent wheel(at, puffs->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
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
