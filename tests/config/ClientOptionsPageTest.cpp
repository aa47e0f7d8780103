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
                   "con_color \"255 255 255\"\n"));
}

// Apply writes the sliders' positions, so an edit beside a slider shows the position a value
// read from the file is held to, also when the slider stood there already and did not move.
TEST_F(ClientPageTest, ValuesBeyondASliderAreHeldToIt)
{
    // Each slider at its end already, its edit out of step with it.
    for (const auto& [bar, edit, typed] : {std::tuple{"TrackBar2", "Cedit", "5"},
                                           {"dec_t", "dec_e", "0"},
                                           {"TrackBar1", "Tracktext", "0"},
                                           {"TrackBar3", "c4Edit", "95"}}) {
        find<QAbstractSlider>(bar)->setValue(1000);
        find<QLineEdit>(edit)->setText(QString::fromLatin1(typed));
        EXPECT_EQ(shown(edit), QLatin1String(typed));
    }
    writeCfg("fastsprites \"5\"\nmax_smokepuffs \"900\"\nr_decal \"1000\"\nmp_roundtime \"15\"\nmp_c4timer \"120\"\n");
    read();
    EXPECT_EQ(shown({"Cedit", "dec_e", "Tracktext", "c4Edit", "rtime"}), QStringLiteral("2 500 500 90 9"));
    ASSERT_TRUE(apply() && server.ApplyServerOptions());
    EXPECT_EQ(valueOf("fastsprites") + ' ' + valueOf("r_decal") + ' ' + valueOf("max_smokepuffs") + ' ' +
                  valueOf("mp_c4timer") + ' ' + valueOf("mp_roundtime"),
              "2 500 500 90 9");
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
        EXPECT_TRUE(cfg().startsWith(crlf("drawradar\n" + binds))) << cfg().constData(); // it holds no value
    }
    writeCfg("lefthand \"2\"\nah \"\"\ndm \"yes\"\n"); // a pair takes "1" or "0" only
    read();
    EXPECT_EQ(shown("p1_1") + shown("p3_1") + shown("p3_0") + shown("p2_0"), QStringLiteral("1001"));
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
    state.messageSource = [](const QString&) { return QStringLiteral("« %1 » n'est pas un nombre entier"); };
    QTest::keyClick(puffs, Qt::Key_C);
    EXPECT_EQ(mark("Tracktext"), QStringLiteral("« abc » n'est pas un nombre entier")) << "the interface language";
    state.messageSource = nullptr;

    EXPECT_FALSE(apply());
    EXPECT_EQ(errors(), QStringList{notInteger(QStringLiteral("abc"))});
    EXPECT_EQ(cfg(), file);

    type("Tracktext", QStringLiteral("42"));
    find<QLineEdit>("dec_e")->clear();
    ASSERT_TRUE(apply());
    EXPECT_EQ(valueOf("max_smokepuffs") + " " + valueOf("r_decal"), "42 40") << "an empty dec_e leaves r_decal";
    EXPECT_EQ(errors().size(), 1);
}

TEST_F(ClientPageTest, ANonIntegerValueStopsTheReadingThere)
{
    for (const char* variable : {"fastsprites", "max_smokepuffs", "mp_roundtime"}) {
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

// Both pages. A quote in Cedit is refused as no whole number.
TEST_F(ClientPageTest, ATextWithADoubleQuoteIsRefusedAndNothingIsWritten)
{
    writeCfg("name \"Gordon\"\nmp_buytime \"2\"\n");
    const QByteArray file = cfg();
    for (const auto& [edit, field] : {std::pair{"name", "Your name"},
                                      {"Cedit", "'\"' is not a valid integer value"},
                                      {"MapTime", "The desired amount of buy time for each round"}}) {
        find<QLineEdit>(edit)->setText(QStringLiteral("\""));
        EXPECT_FALSE(*edit == 'M' ? server.ApplyServerOptions() : apply()) << edit;
        EXPECT_EQ(cfg(), file);
        ASSERT_FALSE(errors().isEmpty());
        EXPECT_TRUE(errors().last().contains(QLatin1String(field))) << errors().last().toStdString();
        find<QLineEdit>(edit)->setText(QStringLiteral("1"));
    }
}

// Permission bits only: tests run as root, for whom access(2) allows everything.
TEST_F(ClientPageTest, AFileThatCannotBeReadOrWrittenIsNamedAndStaysAsItWas)
{
    const QString path = QDir::toNativeSeparators(dir.file(state.CfgFile));
    read(); // no file yet
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors().last().startsWith(QStringLiteral("Cannot read ") + path + QStringLiteral(": ")))
        << errors().last().toStdString();
    writeCfg("lefthand \"0\"\n");
    read();
    click("p1_1");
    QFile::setPermissions(dir.file(state.CfgFile), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_FALSE(apply());
    EXPECT_EQ(errors().last(), QStringLiteral("Cannot write ") + path + QStringLiteral(": the file is read-only"));
    EXPECT_EQ(cfg(), crlf("lefthand \"0\"\n"));
    QFile::remove(dir.file(state.CfgFile));
    EXPECT_FALSE(apply());
    EXPECT_EQ(cfg(), "<missing>");
    EXPECT_EQ(errors().size(), 3);
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

// Both pages. The main window lays its Apply button, 24 pixels high, over the right end of a
// page's header: the title alone stands there, at the left, and the boxes scroll below.
TEST_F(ClientPageTest, EachPageHasAHeaderWithItsTitleAndRoomForTheApplyButton)
{
    for (const auto& [page, name, title] :
         {std::tuple<QWidget*, const char*, const char*>{&client, "ClientTitle", "Client options"},
          {&server, "ServerTitle", "Server options"}}) {
        const auto* label = page->findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(label, nullptr) << name;
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
