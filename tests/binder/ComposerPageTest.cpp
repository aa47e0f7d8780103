#include "BinderPageFixture.h"

#include <QFile>

using namespace Qt::StringLiterals;

TEST_F(BinderPageTest, BindWritesTheAliasAndTheBindAndNothingElse)
{
    const std::string config = crlf("unbindall\nbind \"w\" \"+forward\"\n");
    writeCfg("unbindall\nbind \"w\" \"+forward\"\n");
    writeCfg("alias +jd \"+jump; +duck\"\n", u"autoexec.cfg"_s);
    page.ReadBinds();

    click(key("F2"));
    choose(find<QComboBox>("Primary"), 3); // MP5 Navy SMG
    EXPECT_EQ(page.imageFrame(), 3);
    choose(find<QComboBox>("Ammo"), 0); // full primary ammo
    EXPECT_EQ(price(), u"1560"_s);
    choose(find<QComboBox>("Radio"), 0); // Go, go, go!
    click(find<QPushButton>("BindButton"));

    EXPECT_EQ(cfg(), config + "bind \"F2\" \"QVL_F2\"\r\n");
    EXPECT_EQ(autoexec(), crlf("alias +jd \"+jump; +duck\"\nalias \"QVL_F2\" \"mp5;primammo;go;\"\n"));
    EXPECT_EQ(mark("F2"), "used QVL_F2");
    EXPECT_FALSE(offered().contains(u"F2"_s));
    EXPECT_EQ(find<QComboBox>("Primary")->currentIndex(), -1); // the composer starts afresh
    EXPECT_EQ(price(), u"0"_s);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // After Clear nothing is chosen, and nothing is bound.
    const std::string before = autoexec();
    selectKey(u"F3"_s);
    choose(find<QComboBox>("Primary"), 3);
    click(find<QPushButton>("ClearButton"));
    selectKey(u"F3"_s);
    click(find<QPushButton>("BindButton"));
    EXPECT_EQ(dialogs.texts(u"information"_s), QStringList{state.message(u"nothingtobind"_s)});
    EXPECT_EQ(autoexec(), before);
    EXPECT_EQ(mark("F3"), "unused");
}

TEST_F(BinderPageTest, ABodyOfExactlyTheGamesLimitIsWrittenAndOneByteMoreIsRefused)
{
    writeCfg("unbindall\n");
    page.ReadBinds();
    // "say_team " and the closing ";" take 10 of the bytes.
    const struct {
        const char* key;
        int length;
    } binds[] = {{"F6", 514}, {"F7", 515}};
    for (const auto& b : binds) {
        selectKey(QString::fromLatin1(b.key));
        choose(find<QComboBox>("ForBox"), 0);
        find<QLineEdit>("custommsg")->setText(QString(b.length - 10, u'x'));
        click(find<QPushButton>("BindButton"));
    }
    EXPECT_EQ(mark("F6"), "used QVL_F6");
    EXPECT_EQ(mark("F7"), "unused");
    EXPECT_EQ(autoexec(), "unbindall\r\nalias \"QVL_F6\" \"say_team " + std::string(504, 'x') + ";\"\r\n");
    const QStringList refused = dialogs.texts(u"information"_s);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].contains(u"515"_s) && refused[0].contains(u"514"_s)) << refused[0].toStdString();
}

TEST_F(BinderPageTest, TotalFollowsEveryChoiceAndRefusesAmmoWithoutItsWeapon)
{
    page.ReadBinds();
    choose(find<QComboBox>("Ammo"), 1); // secondary ammo, no pistol
    EXPECT_EQ(dialogs.texts(u"information"_s), QStringList{u"Cannot buy ammo for no secondary weapon!"_s});
    EXPECT_EQ(find<QComboBox>("Ammo")->currentIndex(), -1);

    choose(find<QComboBox>("Primary"), 3); // MP5 Navy SMG
    choose(find<QComboBox>("Ammo"), 0);
    EXPECT_EQ(price(), u"1560"_s);
    choose(find<QComboBox>("Ammo"), 3); // "No ammo" clears the choice: the weapon alone
    EXPECT_EQ(find<QComboBox>("Ammo")->currentIndex(), -1);
    EXPECT_EQ(price(), u"1500"_s);
    equipment()->item(6)->setCheckState(Qt::Checked); // the defusal kit
    EXPECT_EQ(price(), u"1700"_s);
    click(find<QPushButton>("ClearButton"));
    equipment()->item(6)->setCheckState(Qt::Checked);
    EXPECT_EQ(price(), u"200"_s);
    click(find<QPushButton>("ClearButton"));

    choose(find<QComboBox>("Primary"), 11);           // AUG Rifle
    equipment()->item(3)->setCheckState(Qt::Checked); // grenade
    EXPECT_EQ(price(), u"3800"_s);
    EXPECT_EQ(page.imageFrame(), 23);
    equipment()->item(0)->setCheckState(Qt::Checked);
    equipment()->item(1)->setCheckState(Qt::Checked); // the vests exclude each other
    EXPECT_EQ(equipment()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(price(), u"4800"_s);
    click(find<QPushButton>("ClearButton"));
    EXPECT_EQ(price(), u"0"_s);
    EXPECT_EQ(equipment()->item(1)->checkState(), Qt::Unchecked);
}

TEST_F(BinderPageTest, RefusedChainsWriteNothingAndSayWhy)
{
    writeCfg("bind \"w\" \"+forward\"\n");
    page.ReadBinds();
    const std::string config = cfg();
    const std::string autoexecBefore = autoexec();

    selectKey(u"F2"_s);
    find<QLineEdit>("custommsg")->setText(u"hi \"all\""_s);
    choose(find<QComboBox>("ForBox"), 0);
    click(find<QPushButton>("BindButton"));
    find<QLineEdit>("custommsg")->setText(u"hello"_s); // and a text without anyone to say it to
    find<QComboBox>("ForBox")->setCurrentIndex(-1);
    click(find<QPushButton>("BindButton"));
    const QStringList shown = dialogs.texts(u"information"_s);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].contains(u"double quote"_s)) << shown[0].toStdString();
    EXPECT_TRUE(shown[1].startsWith(u"Enter the custom message"_s)) << shown[1].toStdString();
    EXPECT_EQ(cfg(), config);
    EXPECT_EQ(autoexec(), autoexecBefore);
    EXPECT_EQ(keyList()->currentText(), u"F2"_s); // the user can fix the choice and bind again
}

TEST_F(BinderPageTest, AFileThatCannotBeWrittenIsNamedAndTheMarksStay)
{
    writeCfg("bind \"F2\" \"QVL_F2\"\nbind \"ALT\" \"+strafe\"\n");
    writeCfg("alias \"QVL_F2\" \"wait; slot10;\"\n", u"autoexec.cfg"_s);
    page.ReadBinds();
    const std::string before = cfg();
    // Permission bits only: tests run as root, for whom access(2) allows everything.
    ASSERT_TRUE(QFile::setPermissions(game.file(u"config.cfg"_s), QFileDevice::ReadOwner));

    selectKey(u"F3"_s);
    choose(find<QComboBox>("Radio"), 0);
    click(find<QPushButton>("BindButton"));
    dialogs.answers.enqueue(true);
    click(key("ALT"));
    dialogs.answers.enqueue(true);
    click(find<QPushButton>("RemoveAllButton"));

    const QStringList errors = dialogs.texts(u"error"_s);
    ASSERT_EQ(errors.size(), 3);
    for (const QString& error : errors)
        EXPECT_TRUE(error.contains(game.file(u"config.cfg"_s))) << error.toStdString();
    EXPECT_EQ(cfg(), before);
    EXPECT_EQ(autoexec(), crlf("alias \"QVL_F2\" \"wait; slot10;\"\n"));
    EXPECT_EQ(mark("ALT"), "used +strafe");
    EXPECT_EQ(mark("F3"), "unused");
}

TEST_F(BinderPageTest, UnbindAsksAndRemovesOnlyThatKeysBinds)
{
    writeCfg("bind \"F2\" \"QVL_F2\"\nsay bind \"F2\"\nbind \"ALT\" \"+strafe\"\nbind \"f2\" \"+use\"\n");
    writeCfg("alias \"QVL_F2\" \"wait; slot10;\"\n", u"autoexec.cfg"_s);
    page.ReadBinds();
    const std::string before = cfg();

    click(key("F2")); // declined
    EXPECT_EQ(dialogs.texts(u"question"_s),
              QStringList{u"\"F2\" This key is binded to\"+use\".\n Do you want to clear bind?"_s});
    EXPECT_EQ(dialogs.questionDefaults, QList<Dialogs::Default>{Dialogs::Default::No});
    EXPECT_EQ(cfg(), before);
    EXPECT_EQ(keyList()->currentIndex(), -1);

    dialogs.answers.enqueue(true);
    click(key("F2"));
    EXPECT_EQ(cfg(), crlf("say bind \"F2\"\nbind \"ALT\" \"+strafe\"\n"));
    EXPECT_EQ(autoexec(), crlf("alias \"QVL_F2\" \"wait; slot10;\"\n"));
    EXPECT_EQ(mark("F2"), "unused");
    EXPECT_EQ(keyList()->currentText(), u"F2"_s); // free again, and selected

    // The question names a key as the game does, never the control.
    writeCfg("bind \";\" \"+use\"; bind \"`\" toggleconsole\n");
    page.ReadBinds();
    dialogs.shown.clear();
    click(key("but17"));
    click(key("but14"));
    const QStringList asked = dialogs.texts(u"question"_s);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith(u"\"SEMICOLON\" This key is binded to\"+use\"."_s)) << asked[0].toStdString();
    EXPECT_TRUE(asked[1].startsWith(u"\"`\" This key is binded to\"toggleconsole\"."_s)) << asked[1].toStdString();

    // A bound mouse button's overlay unbinds it and selects nothing.
    writeCfg("bind \"MOUSE2\" \"+attack2\"\n");
    page.ReadBinds();
    dialogs.answers.enqueue(true);
    click(find<QLabel>("MOUSE2"));
    EXPECT_EQ(cfg(), "");
    EXPECT_EQ(overlay("MOUSE2"), "hidden");
    EXPECT_EQ(keyList()->currentIndex(), -1);
}

TEST_F(BinderPageTest, RemoveAllAliasesNamesEveryFileThatBindsOneAndKeepsTheUsersOwnLines)
{
    // The user's own chain and alias stay, whatever their names look like.
    const QByteArray users = "bind y \"QVL_y;+jump\"\nalias qvlrun \"+speed\"\nbind k qvlrun\n";
    writeCfg("bind \"F2\" \"QVL_F2\"\nname \"QVL fan\"\n" + users);
    writeCfg("bind \"F3\" \"QVL_F3\"\n", u"userconfig.cfg"_s);
    writeCfg("// mine\nalias +jd \"+jump; +duck\"\nalias \"QVL_F2\" \"go;\"\nalias \"QVL_F3\" \"vest;\"\n",
             u"autoexec.cfg"_s);
    page.ReadBinds();

    click(find<QPushButton>("RemoveAllButton"));
    EXPECT_EQ(dialogs.texts(u"question"_s),
              QStringList{u"Do you want to remove ALL aliases form AUTOEXEC.CFG?\n\n"
                          "The binds of these aliases are removed from:\nconfig.cfg\nuserconfig.cfg"_s});
    EXPECT_EQ(mark("F2"), "used QVL_F2"); // declined: nothing changed

    dialogs.answers.enqueue(true);
    click(find<QPushButton>("RemoveAllButton"));
    EXPECT_EQ(cfg(), crlf("name \"QVL fan\"\n" + users));
    EXPECT_EQ(cfg(u"userconfig.cfg"_s), "");
    EXPECT_EQ(autoexec(), crlf("// mine\nalias +jd \"+jump; +duck\"\n"));
    EXPECT_EQ(mark("F2"), "unused");
    EXPECT_EQ(mark("y"), "used QVL_y;+jump");
    EXPECT_EQ(mark("k"), "used qvlrun");
    EXPECT_TRUE(dialogs.texts(u"error"_s).isEmpty());
}
