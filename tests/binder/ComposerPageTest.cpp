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
    choose(page.Primary, 3); // MP5 Navy SMG
    EXPECT_EQ(page.imageFrame(), 3);
    choose(page.Ammo, 0); // full primary ammo
    EXPECT_EQ(page.PRICE->text(), u"1560"_s);
    choose(page.Radio, 0); // Go, go, go!
    click(page.BindButton);

    EXPECT_EQ(cfg(), config + "bind \"F2\" \"QVL_F2\"\r\n");
    EXPECT_EQ(autoexec(), crlf("alias +jd \"+jump; +duck\"\nalias \"QVL_F2\" \"") +
                              "buy;wait;menuselect 3;wait;menuselect 1;wait;buy;wait;menuselect 6;wait;menuselect "
                              "6;wait;menuselect 6;wait;menuselect 6;wait;radio2; menuselect 1; wait; wait; "
                              "slot10;wait; slot10;\"\r\n");
    EXPECT_EQ(mark("F2"), "used QVL_F2");
    EXPECT_FALSE(offered().contains(u"F2"_s));
    EXPECT_EQ(page.Primary->currentIndex(), -1); // the composer starts afresh
    EXPECT_EQ(page.PRICE->text(), u"0"_s);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // After Clear only what the controls show is written.
    writeCfg("unbindall\nbind \"w\" \"+forward\"\n");
    page.ReadBinds();
    page.selectKey(u"F2"_s);
    choose(page.Primary, 3);
    click(page.ClearButton);
    page.selectKey(u"F2"_s);
    click(page.BindButton);
    EXPECT_TRUE(autoexec().ends_with("alias \"QVL_F2\" \"wait; slot10;\"\r\n")) << autoexec();
}

TEST_F(BinderPageTest, TotalFollowsEveryChoiceAndRefusesAmmoWithoutItsWeapon)
{
    page.ReadBinds();
    choose(page.Ammo, 1); // secondary ammo, no pistol
    EXPECT_EQ(dialogs.texts(u"information"_s), QStringList{u"Cannot buy ammo for no secondary weapon!"_s});
    EXPECT_EQ(page.Ammo->currentIndex(), -1);

    choose(page.Primary, 11);                            // AUG Rifle
    page.Equipment->item(3)->setCheckState(Qt::Checked); // grenade
    EXPECT_EQ(page.PRICE->text(), u"3800"_s);
    EXPECT_EQ(page.imageFrame(), 23);
    page.Equipment->item(0)->setCheckState(Qt::Checked);
    page.Equipment->item(1)->setCheckState(Qt::Checked); // the vests exclude each other
    EXPECT_EQ(page.Equipment->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(page.PRICE->text(), u"4800"_s);
    click(page.ClearButton);
    EXPECT_EQ(page.PRICE->text(), u"0"_s);
    EXPECT_EQ(page.Equipment->item(1)->checkState(), Qt::Unchecked);
}

TEST_F(BinderPageTest, RefusedChainsWriteNothingAndSayWhy)
{
    writeCfg("bind \"w\" \"+forward\"\n");
    page.ReadBinds();
    const std::string config = cfg();
    const std::string autoexecBefore = autoexec();

    page.selectKey(u"F2"_s);
    page.custommsg->setText(u"hi \"all\""_s);
    choose(page.ForBox, 0);
    click(page.BindButton);
    page.custommsg->setText(u"hello"_s); // and a text without anyone to say it to
    page.ForBox->setCurrentIndex(-1);
    click(page.BindButton);
    const QStringList shown = dialogs.texts(u"information"_s);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].contains(u"double quote"_s)) << shown[0].toStdString();
    EXPECT_TRUE(shown[1].startsWith(u"Enter the custom message"_s)) << shown[1].toStdString();
    EXPECT_EQ(cfg(), config);
    EXPECT_EQ(autoexec(), autoexecBefore);
    EXPECT_EQ(page.BindKey->currentText(), u"F2"_s); // the user can fix the choice and bind again
}

TEST_F(BinderPageTest, AFileThatCannotBeWrittenIsNamedAndTheMarksStay)
{
    writeCfg("bind \"F2\" \"QVL_F2\"\nbind \"ALT\" \"+strafe\"\n");
    writeCfg("alias \"QVL_F2\" \"wait; slot10;\"\n", u"autoexec.cfg"_s);
    page.ReadBinds();
    const std::string before = cfg();
    // Permission bits only: tests run as root, for whom access(2) allows everything.
    ASSERT_TRUE(QFile::setPermissions(game.file(u"config.cfg"_s), QFileDevice::ReadOwner));

    page.selectKey(u"F3"_s);
    click(page.BindButton);
    dialogs.answers.enqueue(true);
    click(key("ALT"));
    dialogs.answers.enqueue(true);
    click(page.RemoveAllButton);

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
    EXPECT_EQ(cfg(), before);
    EXPECT_EQ(page.BindKey->currentIndex(), -1);

    dialogs.answers.enqueue(true);
    click(key("F2"));
    EXPECT_EQ(cfg(), crlf("say bind \"F2\"\nbind \"ALT\" \"+strafe\"\n"));
    EXPECT_EQ(autoexec(), crlf("alias \"QVL_F2\" \"wait; slot10;\"\n"));
    EXPECT_EQ(mark("F2"), "unused");
    EXPECT_EQ(page.BindKey->currentText(), u"F2"_s); // free again, and selected

    // A bound mouse button's overlay unbinds it and selects nothing.
    writeCfg("bind \"MOUSE2\" \"+attack2\"\n");
    page.ReadBinds();
    dialogs.answers.enqueue(true);
    click(page.overlays.value(u"MOUSE2"_s));
    EXPECT_EQ(cfg(), "");
    EXPECT_EQ(overlay("MOUSE2"), "hidden");
    EXPECT_EQ(page.BindKey->currentIndex(), -1);
}

TEST_F(BinderPageTest, RemoveAllAliasesKeepsTheUsersOwnLines)
{
    writeCfg("bind \"F2\" \"QVL_F2\"\nname \"QVL fan\"\nbind \"w\" \"+forward\"\n");
    writeCfg("// mine\nalias +jd \"+jump; +duck\"\nalias \"QVL_F2\" \"wait; slot10;\"\n", u"autoexec.cfg"_s);
    page.ReadBinds();

    click(page.RemoveAllButton);
    EXPECT_EQ(dialogs.texts(u"question"_s), QStringList{u"Do you want to remove ALL aliases form AUTOEXEC.CFG?"_s});
    EXPECT_EQ(mark("F2"), "used QVL_F2"); // declined: nothing changed

    dialogs.answers.enqueue(true);
    click(page.RemoveAllButton);
    EXPECT_EQ(cfg(), crlf("name \"QVL fan\"\nbind \"w\" \"+forward\"\n"));
    EXPECT_EQ(autoexec(), crlf("// mine\nalias +jd \"+jump; +duck\"\n"));
    EXPECT_EQ(mark("F2"), "unused");
    EXPECT_TRUE(dialogs.texts(u"error"_s).isEmpty());
}
