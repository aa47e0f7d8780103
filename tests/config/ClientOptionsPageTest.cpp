#include "OptionPagesFixture.h"
#include "config/OptionsLayout.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

class ClientPageTest : public OptionPagesFixture {
protected:
    ClientPageTest()
        : OptionPagesFixture("config.cfg")
    {}
    bool apply() override { return client.apply(); }
    QSlider* slider(const char* name) { return find<QSlider>(name); }
};

TEST_F(ClientPageTest, EveryVariableIsReadAndKeptInPlace)
{
    // The first values differ from what a fresh page shows.
    // clang-format off
    const Row rows[] = {
        {"name", "name", "Gordon", "Frank"}, {"cl_righthand", "p1_1", "0", "1"},
        {"setinfo \"_vgui_menus\"", "p5_1", "1", "0"}, {"setinfo \"_ah\"", "p3_1", "1", "0"},
        {"con_color", "Color", "127 0 0", "0 0 0", "4", "1"}, {"dm", "p2_1", "1", "0"},
        {"gl_spriteblend", "p10_1", "0", "1"}, {"r_drawviewmodel", "p11_1", "0", "1"}, {"hud_centerid", "p8_1", "0", "1"},
        {"max_shells", "c1edit", "1", "500"}, {"fastsprites", "Cedit", "0", "2"}, {"r_decals", "dec_t", "0", "4096"},
        {"max_smokepuffs", "TrackBar1", "1", "500"}, {"cl_hidefrags", "p6_1", "1", "0"}, {"ghosts", "p4_1", "1", "0"},
        {"rate", "data", "1500", "100000", "0", "8"}, {"cl_observercrosshair", "p7_1", "0", "1"}};
    // clang-format on
    roundTrip(rows, "// mine\nhideradar \" \"\nadjust_crosshair \" \"\n");
}

// Today's game reads cl_righthand, setinfo "_vgui_menus" and "_ah", gl_spriteblend and
// r_decals; lines under the older names are neither read nor written.
TEST_F(ClientPageTest, TheGameWrittenConfigShowsInEachControlAndAChangeWritesItsOneLine)
{
    const QByteArray old =
        "lefthand \"0\"\r\nsetinfo vgui_menus \"1\"\r\nah \"1\"\r\ngl_spritesblend \"0\"\r\nr_decal \"50\"\r\n";
    const QByteArray original = old + TempDir::testData(QStringLiteral("config.cfg"));
    struct Row {
        const char* control;
        const char* shown;
        std::function<void()> change;
        const char* line; // as the file holds it; none for a setting it lacks
        const char* written;
    };
    // clang-format off
    const Row rows[] = {
        {"p1_1", "1", [&] { click("p1_0"); }, "cl_righthand \"1\"", "cl_righthand \"0\""},
        {"p5_0", "1", [&] { click("p5_1"); }, "setinfo \"_vgui_menus\" \"0\"", "setinfo \"_vgui_menus\" \"1\""},
        {"p3_0", "1", [&] { click("p3_1"); }, "setinfo \"_ah\" \"0\"", "setinfo \"_ah\" \"1\""},
        {"p8_1", "1", [&] { click("p8_0"); }, "hud_centerid \"1\"", "hud_centerid \"0\""},
        {"data", "6", [&] { find<QListWidget>("data")->setCurrentRow(8); }, "rate \"25000\"", "rate \"100000\""},
        {"Cedit", "0", [&] { slider("TrackBar2")->setValue(2); }, "fastsprites \"0\"", "fastsprites \"2\""},
        {"p10_1", "1", [&] { click("p10_0"); }, nullptr, "gl_spriteblend \"0\""},
        {"dec_e", "300", [&] { slider("dec_t")->setValue(4096); }, nullptr, "r_decals \"4096\""},
    };
    // clang-format on
    for (const Row& row : rows) {
        dir.write(state.working.file(), original);
        read();
        EXPECT_EQ(shown(row.control), QLatin1String(row.shown)) << row.control;
        row.change();
        ASSERT_TRUE(apply());
        QByteArray expected = original;
        if (row.line)
            expected.replace(QByteArray(row.line) + "\r\n", QByteArray(row.written) + "\r\n");
        else
            expected += QByteArray(row.written) + "\r\n";
        EXPECT_EQ(cfg(), expected) << row.control;
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// Each changed control is written, in the order of the game's own settings, after the last line.
TEST_F(ClientPageTest, ChangedSettingsTheFileLacksAreAppendedInOrder)
{
    writeCfg("unbindall\n");
    read();
    for (const char* button : {"p3_1", "p5_1", "c2", "p9_1", "p1_0"})
        click(button);
    find<QLineEdit>("name")->setText(QStringLiteral("Gordon"));
    find<QListWidget>("data")->setCurrentRow(0);
    slider("Color")->setValue(3);
    slider("TrackBar1")->setValue(0); // writes nothing
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), crlf("unbindall\ncl_righthand \"0\"\nsetinfo \"_ah\" \"1\"\nsetinfo \"_vgui_menus\" \"1\"\n"
                          "adjust_crosshair \" \"\nhideradar \" \"\nname \"Gordon\"\nrate \"1500\"\n"
                          "con_color \"191 191 191\"\n"));
}

TEST_F(ClientPageTest, NoNameReadsAsEmptyAndAnotherFileKeepsWhatItLacks)
{
    writeCfg("name \"Gordon\"\ncon_color \"0 0 0\"\n");
    read();
    writeCfg("hostname \"Black Mesa\"\nmax_smokepuffs \"120\"\n");
    read();
    EXPECT_EQ(shown({"name", "Color"}), QStringLiteral(" 1"));
    slider("TrackBar1")->setValue(0);
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), crlf("hostname \"Black Mesa\"\nmax_smokepuffs \"120\"\n"));
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
        EXPECT_EQ(cfg(), crlf(binds + "hideradar \" \"\n")) << form.constData();

        writeCfg("hideradar" + form + "\ndrawradar\n" + binds);
        read();
        EXPECT_EQ(shown("p9_1"), QStringLiteral("1")) << "Hide wins" << form.constData();
        click("p9_0");
        ASSERT_TRUE(apply());
        EXPECT_TRUE(cfg().startsWith(crlf("drawradar\n" + binds))) << cfg().constData(); // it holds no value
    }
    // A pair takes "1" or "0" only: another word is kept as the file's, a line without a value
    // is no value.
    writeCfg("cl_righthand \"2\"\nsetinfo \"_ah\" \"\"\ndm \"yes\"\n");
    read();
    EXPECT_EQ(shown({"p1_1", "p1_0", "p3_1", "p3_0", "p2_1", "p2_0"}), QStringLiteral("0 0 0 0 0 0"));
    EXPECT_EQ(markBeside("p1_1")->text() + markBeside("p2_1")->text(),
              QStringLiteral("2 (in the file)yes (in the file)"));
}

// The sliders of both pages. An edit that does not hold a whole number is marked, silently,
// and its slider stays; an empty dec_e is no mistake (Apply then leaves r_decal alone).
TEST_F(ClientPageTest, SlidersAndEditsKeepInStepAndANonNumberIsMarked)
{
    // The slider is moved, the edit typed into (or cleared); the slider's end, and whether the edit is marked.
    // clang-format off
    const std::tuple<const char*, const char*, int, const char*, int, bool> cases[] = {
        {"TrackBar1", "Tracktext", 120, "450", 450, false}, {"TrackBar1", "Tracktext", 122, "x", 122, true},
        {"TrackBar2", "Cedit", 0, "2", 2, false}, {"TrackBar2", "Cedit", 0, "", 0, true},
        {"dec_t", "dec_e", 77, "499", 499, false}, {"dec_t", "dec_e", 79, "", 79, false},
        {"TrackBar3", "c4Edit", 60, "95", 90, false}, {"TrackBar4", "rtime", 7, "0", 1, false},
        {"TrackBar4", "rtime", 8, "x", 8, true}};
    // clang-format on
    for (const auto& [slider, edit, moved, typed, held, marked] : cases) {
        find<QAbstractSlider>(slider)->setValue(moved); // a number from the slider clears a mark
        EXPECT_EQ(shown(edit) + mark(edit), QString::number(moved)) << slider;
        if (*typed)
            type(edit, QString::fromLatin1(typed));
        else
            find<QLineEdit>(edit)->clear();
        EXPECT_EQ(shown(slider), QString::number(held)) << edit << " '" << typed << "'";
        EXPECT_EQ(mark(edit), marked ? notInteger(QLatin1String(typed)) : QString()) << edit << " '" << typed << "'";
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
    const char* words[] = {"best", "normal", "poor"};
    for (int position = 0; position < 3; ++position) {
        slider("TrackBar2")->setValue(position);
        EXPECT_EQ(find<QLabel>("smsprites")->text(), QLatin1String(words[position]));
    }
}

// Clearing a field with Backspace once brought up a message at each key and swallowed the next.
TEST_F(ClientPageTest, TypingANonNumberMarksTheFieldAndApplyRefusesIt)
{
    writeCfg("max_smokepuffs \"120\"\nr_decal \"40\"\n");
    const QByteArray file = cfg();
    QLineEdit* puffs = find<QLineEdit>("Tracktext");
    QTest::keyClick(puffs, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(puffs, Qt::Key_Backspace);
    EXPECT_EQ(mark("Tracktext"), notInteger(QString()));
    QTest::keyClicks(puffs, QStringLiteral("ab"));
    EXPECT_EQ(shown({"Tracktext", "TrackBar1"}), QStringLiteral("ab 3")) << "where the last number put it";
    EXPECT_TRUE(dialogs.shown.isEmpty());
    state.messages.setText(QStringLiteral("notinteger"), QStringLiteral("« %1 » n'est pas un nombre entier"));
    QTest::keyClick(puffs, Qt::Key_C);
    EXPECT_EQ(mark("Tracktext"), QStringLiteral("« abc » n'est pas un nombre entier")) << "the interface language";
    state.messages.resetToEnglish();

    EXPECT_FALSE(apply());
    EXPECT_EQ(errors(), QStringList{notInteger(QStringLiteral("abc"))});
    EXPECT_EQ(cfg(), file);

    type("Tracktext", QStringLiteral("42"));
    find<QLineEdit>("dec_e")->clear();
    ASSERT_TRUE(apply());
    EXPECT_EQ(valueOf("max_smokepuffs") + " " + valueOf("r_decal"), "42 40") << "an empty dec_e leaves r_decal";
    EXPECT_EQ(errors().size(), 1);
}

// Both pages. A quote in Cedit is refused as no whole number.
TEST_F(ClientPageTest, ATextWithADoubleQuoteIsRefusedAndNothingIsWritten)
{
    writeCfg("name \"Gordon\"\nmp_buytime \"2\"\n");
    const QByteArray file = cfg();
    for (const auto& [edit, field] : {std::pair{"name", "Your name"},
                                      {"Cedit", "'\"' is not a valid integer value"},
                                      {"MapTime", "The desired amount of buy time for each round"}}) {
        find<QLineEdit>(edit)->setText(QStringLiteral("\""));
        EXPECT_FALSE(*edit == 'M' ? server.apply() : apply()) << edit;
        EXPECT_EQ(cfg(), file);
        ASSERT_FALSE(errors().isEmpty());
        EXPECT_TRUE(errors().last().contains(QLatin1String(field))) << errors().last().toStdString();
        find<QLineEdit>(edit)->setText(QStringLiteral("1"));
    }
}

// Permission bits only: tests run as root, for whom access(2) allows everything.
TEST_F(ClientPageTest, AFileThatCannotBeReadOrWrittenIsNamedAndStaysAsItWas)
{
    const QString path = QDir::toNativeSeparators(dir.file(state.working.file()));
    read(); // no file yet
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors().last().startsWith(QStringLiteral("Cannot read ") + path + QStringLiteral(": ")))
        << errors().last().toStdString();
    writeCfg("cl_righthand \"0\"\n");
    read();
    click("p1_1");
    QFile::setPermissions(dir.file(state.working.file()), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_FALSE(apply());
    EXPECT_EQ(errors().last(), QStringLiteral("Cannot write ") + path + QStringLiteral(": the file is read-only"));
    EXPECT_EQ(cfg(), crlf("cl_righthand \"0\"\n"));
    QFile::remove(dir.file(state.working.file()));
    EXPECT_FALSE(apply());
    EXPECT_EQ(cfg(), "<missing>");
    EXPECT_EQ(errors().size(), 3);
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

// Both pages. The controls are made in the order Apply writes their settings; Tab still goes
// down the page.
TEST_F(ClientPageTest, TabGoesThroughTheControlsFromTheTopOfThePageDown)
{
    // clang-format off
    const QStringList clientOrder = {"name", "p1_1", "p5_1", "p3_1", "Color", "p2_1", "p9_0", "p10_0", "p11_1", "p8_1",
        "c1edit", "TrackBar2", "Cedit", "TrackBar1", "Tracktext", "dec_t", "dec_e", "p6_1", "data", "p7_1", "p4_1",
        "c2", "BitBtn5"};
    const QStringList serverOrder = {"TrackBar4", "rtime", "TrackBar3", "c4Edit", "freeze", "MapTime", "rotate",
        "rounds", "periodtext", "fresh", "freshtext", "cycle", "cycletext", "s3_1", "s4_1", "s2_1", "maxpl", "Players",
        "hostag", "hdisable", "s7_1", "s5_1", "s6_1", "s8_1", "money", "s1_1", "BitBtn3"};
    // clang-format on
    for (const auto& [page, expected] :
         {std::pair<QWidget*, QStringList>{&client, clientOrder}, {&server, serverOrder}}) {
        QStringList tabbed;
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
            if (expected.contains(w->objectName()))
                tabbed << w->objectName();
        }
        EXPECT_EQ(tabbed, expected);
    }
}

// Both pages. The main window lays its Apply button, 24 pixels high, over the right end of a
// page's header: the title alone stands there, at the left, and the boxes scroll below.
TEST_F(ClientPageTest, EachPageHasAHeaderWithItsTitleAndRoomForTheApplyButton)
{
    for (const auto& [page, name, title] :
         {std::tuple<QWidget*, const char*, const char*>{&client, "ClientTitle", "Client options"},
          {&server, "ServerTitle", "Server options"}}) {
        const auto* label = control<QLabel>(page, name);
        EXPECT_EQ(label->text(), QLatin1String(title));
        const QRect titleAt(label->mapTo(page, QPoint(0, 0)), label->size());
        EXPECT_TRUE(QRect(0, 0, page->width() / 2, OptionsLayout::HeaderHeight).contains(titleAt)) << name;
        for (int x = page->width() / 2; x < page->width(); x += 10) {
            for (int y = 0; y < OptionsLayout::HeaderHeight; y += 4) {
                const QWidget* at = page->childAt(x, y);
                EXPECT_TRUE(!at || (at->objectName().isEmpty() && at->children().contains(label)))
                    << name << " " << x << "," << y << ": " << (at ? at->metaObject()->className() : "");
            }
        }
    }
}

} // namespace
