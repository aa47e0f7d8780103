#include "BinderPageFixture.h"

#include "binder/KeyNames.h"

#include <QAction>

using namespace Qt::StringLiterals;

TEST_F(BinderPageTest, DemoConfigMarksItsKeysWithTheirCommands)
{
    game.write(u"config.cfg"_s, TempDir::readFile(QStringLiteral(QVL_SOURCE_DATA "/demo/cstrike/config.cfg")));
    const std::string before = cfg();
    page.ReadBinds();

    EXPECT_EQ(mark("w"), "used +forward");
    EXPECT_EQ(mark("but14"), "used toggleconsole"); // the backquote
    EXPECT_EQ(mark("but22"), "used sizedown");      // the main-row minus, not the keypad's
    EXPECT_EQ(mark("but10"), "used +speed");        // KP_PLUS
    EXPECT_EQ(mark("RALT"), "used +strafe");        // the right ALT is the same key as the left one
    EXPECT_EQ(mark("F2"), "used rebuy");
    EXPECT_EQ(mark("but24"), "used +mlook"); // the backslash
    EXPECT_EQ(mark("F3"), "unused");
    EXPECT_EQ(overlay("MOUSE4"), "shown +use");
    EXPECT_EQ(overlay("MOUSE5"), "hidden");

    const QStringList keys = offered();
    EXPECT_TRUE(keys.contains(u"KP_MINUS"_s));
    for (const QString& bound : {u"w"_s, u"`"_s, u"-"_s, u"SHIFT"_s, u"MOUSE1"_s})
        EXPECT_FALSE(keys.contains(bound)) << bound.toStdString();

    // Showing the page wrote nothing, not even the missing autoexec.cfg.
    EXPECT_EQ(cfg(), before);
    EXPECT_FALSE(QFile::exists(game.file(u"autoexec.cfg"_s)));
    // The game's own `bind "+" "sizeup"` is a bind of a key the picture lacks, not an error.
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_NE(dialogs.shown.first().what, u"error"_s);
    EXPECT_TRUE(dialogs.shown.first().text.contains(u"sizeup"_s)) << dialogs.shown.first().text.toStdString();
}

TEST_F(BinderPageTest, ClickOnAFreeKeyOrMouseButtonSelectsIt)
{
    writeCfg("bind \"MWHEELUP\" \"invprev\"\n");
    page.ReadBinds();

    click(key("but17"));
    EXPECT_EQ(KeyNames::canonical(page.BindKey->currentText()), u"SEMICOLON"_s);
    click(page.m1);
    EXPECT_EQ(page.BindKey->currentText(), u"MOUSE3"_s);
    click(page.scrolldown);
    EXPECT_EQ(page.BindKey->currentText(), u"MWHEELDOWN"_s);
    // A bound wheel direction is not offered; a label that pictures no key does nothing.
    click(page.scrollup);
    EXPECT_EQ(page.BindKey->currentIndex(), -1);
    click(key("NUMLOCK"));
    EXPECT_EQ(page.BindKey->currentIndex(), -1);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(BinderPageTest, EachReadingShowsTheWorkingFileItReads)
{
    writeCfg("bind \"F2\" \"+attack\"\nbind \"MOUSE2\" \"+attack2\"\n", u"a.cfg"_s);
    writeCfg("bind \"F3\" \"+reload\"\nunbind \"F3\"\nbind \"F4\" \"+use\"\n", u"b.cfg"_s);
    state.working.setWorkingFile(u"a.cfg"_s);
    page.ReadBinds();
    EXPECT_EQ(mark("F2"), "used +attack");

    state.working.setWorkingFile(u"b.cfg"_s);
    page.ReadBinds();
    EXPECT_EQ(mark("F2"), "unused");
    EXPECT_EQ(overlay("MOUSE2"), "hidden");
    EXPECT_EQ(mark("F3"), "unused");
    EXPECT_EQ(mark("F4"), "used +use");
    EXPECT_TRUE(offered().contains(u"MOUSE2"_s));

    // A working file that cannot be read says so and shows no other file's binds.
    state.working.setWorkingFile(u"gone.cfg"_s);
    page.ReadBinds();
    EXPECT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_EQ(mark("F4"), "unused");
    EXPECT_TRUE(offered().contains(u"F4"_s));
}

TEST_F(BinderPageTest, AGameWrittenConfigShowsNoErrorAndKeysThePictureLacksAreListedOncePerFile)
{
    game.write(u"config.cfg"_s, TempDir::testData(u"config.cfg"_s));
    page.ReadBinds();
    EXPECT_EQ(mark("but24"), "used +mlook"); // `\`
    EXPECT_EQ(mark("but10"), "used +speed"); // the keypad's plus, not `+`
    EXPECT_TRUE(dialogs.texts(u"error"_s).isEmpty());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].title, u"Information"_s);
    EXPECT_EQ(dialogs.shown[0].text, u"Bound keys not on this picture:\n+ \"sizeup\""_s);

    writeCfg("bind ~ \"say hi\"; bind kp_multiply \"+duck\"\nbind \"ESC\" \"+jump\"\nbind \"w\" \"+forward\"\n");
    page.ReadBinds();
    page.ReadBinds();
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[1].text, u"Bound keys not on this picture:\n~ \"say hi\"\n\n"
                                     "Key names the game does not know (line: name):\n1: kp_multiply\n2: ESC"_s);
    EXPECT_EQ(mark("but14"), "unused"); // `~` is no backquote
    EXPECT_EQ(mark("w"), "used +forward");
}

TEST_F(BinderPageTest, TranslatedListEntriesStillFindTheirItems)
{
    page.findChild<QAction*>(u"PrimaryEntry3"_s)->setText(u"Pistolet-mitrailleur MP5"_s);
    EXPECT_EQ(page.Primary->itemText(3), u"Pistolet-mitrailleur MP5"_s);
    choose(page.Primary, 3);
    EXPECT_EQ(page.PRICE->text(), u"1500"_s);
}

TEST_F(BinderPageTest, ReadingSavesOnlyAnEditTheStoreHoldsAndLeavesOtherChangesOnDisk)
{
    writeCfg("bind \"w\" \"+forward\"\n");
    page.ReadBinds();
    // Another program changes the file: reading again takes its content and writes nothing.
    writeCfg("bind  w   +forward // mine\nbind \"F5\" \"snapshot\"\n");
    page.ReadBinds();
    EXPECT_EQ(cfg(), crlf("bind  w   +forward // mine\nbind \"F5\" \"snapshot\"\n"));
    EXPECT_EQ(mark("F5"), "used snapshot");

    // An edit held in the store and not yet written is saved before reading.
    state.working.store().SetCfgVar("bind \"F6\"", "save quick");
    page.ReadBinds();
    EXPECT_EQ(cfg(), crlf("bind  w   +forward // mine\nbind \"F5\" \"snapshot\"\nbind \"F6\" \"save quick\"\n"));
    EXPECT_EQ(mark("F6"), "used save quick");
}

TEST_F(BinderPageTest, EveryKeyTheGameKnowsHasOnePlaceAndNoLabelsOverlap)
{
    QStringList pictured;
    for (KeyLabel* label : page.keyLabels) {
        if (label->inert())
            continue;
        EXPECT_EQ(KeyNames::canonical(label->key()), label->key()) << label->objectName().toStdString();
        if (!pictured.contains(label->key()))
            pictured << label->key();
        for (KeyLabel* other : page.keyLabels) {
            EXPECT_TRUE(other == label || !other->geometry().intersects(label->geometry()))
                << label->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
        EXPECT_TRUE(page.rect().contains(label->geometry())) << label->objectName().toStdString();
    }
    pictured << page.overlays.keys();
    QStringList missing;
    for (const QString& key : KeyNames::all()) {
        if (!pictured.contains(key))
            missing << key;
    }
    EXPECT_EQ(missing, QStringList());
    // The list offers each key once, MOUSE4 and MOUSE5 only for a mouse that has them.
    page.ReadBinds();
    QStringList keys = offered();
    keys.removeDuplicates();
    EXPECT_EQ(keys.size(), page.BindKey->count());
    EXPECT_EQ(page.BindKey->count(), pictured.size() - 2);
}

TEST_F(BinderPageTest, EveryMessageIsInTheInterfaceLanguage)
{
    state.messageSource = [](const QString& key) { return u"<"_s + key + u">"_s; };
    writeCfg("bind \"F2\" \"+use\"\nbind \"JOY1\" \"+jump\"\n");
    page.ReadBinds();
    click(key("F2"));
    click(page.RemoveAllButton);
    choose(page.Ammo, 0);
    EXPECT_EQ(dialogs.shown.size(), 4);
    EXPECT_EQ(dialogs.shown.value(0).title, u"<Information>"_s);
    EXPECT_EQ(dialogs.texts(u"window"_s), QStringList{u"<keysunknown>\n2: JOY1"_s});
    EXPECT_EQ(dialogs.texts(u"question"_s),
              (QStringList{u"\"F2\" <thiskeyis>\"+use\".\n <doyouwant>"_s, u"<aliases>"_s}));
    EXPECT_EQ(dialogs.texts(u"information"_s), QStringList{u"<noprimary>"_s});
}
