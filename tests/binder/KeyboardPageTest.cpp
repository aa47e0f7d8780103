#include "BinderPageFixture.h"

#include "binder/KeyTable.h"
#include "keys/KeyNames.h"

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
    EXPECT_EQ(KeyNames::canonical(keyList()->currentText()), u"SEMICOLON"_s);
    click(find<QLabel>("m1"));
    EXPECT_EQ(keyList()->currentText(), u"MOUSE3"_s);
    click(find<QLabel>("scrolldown"));
    EXPECT_EQ(keyList()->currentText(), u"MWHEELDOWN"_s);
    // A bound wheel direction is not offered; a label that pictures no key does nothing.
    click(find<QLabel>("scrollup"));
    EXPECT_EQ(keyList()->currentIndex(), -1);
    click(key("NUMLOCK"));
    EXPECT_EQ(keyList()->currentIndex(), -1);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(BinderPageTest, AChangeOfWorkingFileShowsTheNewFilesBinds)
{
    writeCfg("bind \"F2\" \"+attack\"\nbind \"MOUSE2\" \"+attack2\"\n", u"a.cfg"_s);
    writeCfg("bind \"F3\" \"+reload\"\nunbind \"F3\"\nbind \"F4\" \"+use\"\n", u"b.cfg"_s);
    state.working.setWorkingFile(u"a.cfg"_s);
    EXPECT_EQ(mark("F2"), "used +attack");

    state.working.setWorkingFile(u"b.cfg"_s);
    EXPECT_EQ(mark("F2"), "unused");
    EXPECT_EQ(overlay("MOUSE2"), "hidden");
    EXPECT_EQ(mark("F3"), "unused");
    EXPECT_EQ(mark("F4"), "used +use");
    EXPECT_TRUE(offered().contains(u"MOUSE2"_s));

    // A working file that cannot be read says so and shows no other file's binds.
    state.working.setWorkingFile(u"gone.cfg"_s);
    EXPECT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_EQ(mark("F4"), "unused");
    EXPECT_TRUE(offered().contains(u"F4"_s));

    // A hidden page reads nothing until it shows again.
    page.hide();
    state.working.setWorkingFile(u"a.cfg"_s);
    state.working.setWorkingFile(u"gone2.cfg"_s);
    EXPECT_EQ(dialogs.texts(u"error"_s).size(), 1);
    state.working.setWorkingFile(u"b.cfg"_s);
    page.show();
    EXPECT_EQ(mark("F4"), "used +use");
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
    find<QAction>("PrimaryEntry3")->setText(u"Pistolet-mitrailleur MP5"_s);
    EXPECT_EQ(find<QComboBox>("Primary")->itemText(3), u"Pistolet-mitrailleur MP5"_s);
    choose(find<QComboBox>("Primary"), 3);
    EXPECT_EQ(price(), u"1500"_s);
}

TEST_F(BinderPageTest, ReadingWritesNothingAndNoBinderWriteSavesAnEditLeftInTheWorkingStore)
{
    writeCfg("bind \"w\" \"+forward\"\n");
    page.ReadBinds();
    // Another program changes the file: reading again takes its content and writes nothing.
    const std::string config = crlf("bind  w   +forward // mine\nbind \"F5\" \"snapshot\"\n");
    writeCfg("bind  w   +forward // mine\nbind \"F5\" \"snapshot\"\n");
    page.ReadBinds();
    EXPECT_EQ(cfg(), config);
    EXPECT_EQ(mark("F5"), "used snapshot");

    // An edit another page holds in the working store and has not written stays unwritten by a
    // look, a bind, an unbind and the removal of the aliases.
    const auto otherPagesEdit = [this] { state.working.store().SetCfgVar("name", "Other page"); };
    otherPagesEdit();
    page.ReadBinds();
    EXPECT_EQ(cfg(), config);
    EXPECT_TRUE(state.working.store().isModified()); // nor dropped by a look

    selectKey(u"F2"_s);
    choose(find<QComboBox>("Radio"), 0);
    click(find<QPushButton>("BindButton"));
    EXPECT_EQ(cfg(), config + "bind \"F2\" \"QVL_F2\"\r\n");

    otherPagesEdit();
    dialogs.answers.enqueue(true);
    click(key("F5"));
    EXPECT_EQ(cfg(), crlf("bind  w   +forward // mine\nbind \"F2\" \"QVL_F2\"\n"));

    otherPagesEdit();
    dialogs.answers.enqueue(true);
    click(find<QPushButton>("RemoveAllButton"));
    EXPECT_EQ(cfg(), crlf("bind  w   +forward // mine\n"));
    EXPECT_EQ(autoexec(), "unbindall\r\n");
    EXPECT_TRUE(dialogs.texts(u"error"_s).isEmpty());
}

TEST_F(BinderPageTest, EveryKeyTheGameKnowsHasOnePlaceAndNoLabelsOverlap)
{
    QStringList pictured;
    const QList<KeyLabel*> labels = page.findChildren<KeyLabel*>();
    for (KeyLabel* label : labels) {
        if (label->inert())
            continue;
        EXPECT_EQ(KeyNames::canonical(label->key()), label->key()) << label->objectName().toStdString();
        if (!pictured.contains(label->key()))
            pictured << label->key();
        for (KeyLabel* other : labels) {
            EXPECT_TRUE(other == label || !other->geometry().intersects(label->geometry()))
                << label->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
        EXPECT_TRUE(page.rect().contains(label->geometry())) << label->objectName().toStdString();
    }
    for (const KeyTable::MouseKey& k : KeyTable::mouseOverlays()) {
        EXPECT_EQ(overlay(k.name), "hidden");
        pictured << QString::fromLatin1(k.key);
    }
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
    EXPECT_EQ(keys.size(), keyList()->count());
    EXPECT_EQ(keyList()->count(), pictured.size() - 2);
}

TEST_F(BinderPageTest, EveryMessageIsInTheInterfaceLanguage)
{
    const MessageCatalog english;
    for (const auto& [key, text] : english.entries())
        state.messages.setText(key, u"<"_s + key + u">"_s);
    writeCfg("bind \"F2\" \"+use\"\nbind \"JOY1\" \"+jump\"\n");
    page.ReadBinds();
    click(key("F2"));
    click(find<QPushButton>("RemoveAllButton"));
    choose(find<QComboBox>("Ammo"), 0);
    EXPECT_EQ(dialogs.shown.size(), 4);
    EXPECT_EQ(dialogs.shown.value(0).title, u"<Information>"_s);
    EXPECT_EQ(dialogs.texts(u"window"_s), QStringList{u"<keysunknown>\n2: JOY1"_s});
    EXPECT_EQ(dialogs.texts(u"question"_s),
              (QStringList{u"\"F2\" <thiskeyis>\"+use\".\n <doyouwant>"_s, u"<aliases>"_s}));
    EXPECT_EQ(dialogs.texts(u"information"_s), QStringList{u"<noprimary>"_s});
}
