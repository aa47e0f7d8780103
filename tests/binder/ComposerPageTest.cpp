#include "BinderPageFixture.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const std::string Mp5Chain = "buy;wait;menuselect 3;wait;menuselect 1;wait;"
                             "buy;wait;menuselect 6;wait;menuselect 6;wait;menuselect 6;wait;menuselect 6;wait;"
                             "radio2; menuselect 1; wait; wait; slot10;wait; slot10;";

} // namespace

TEST_F(BinderPageTest, BindWritesTheAliasAndTheBindAndNothingElse)
{
    const std::string config = crlf("unbindall\nbind \"w\" \"+forward\"\nname \"Player\"\n");
    writeCfg("unbindall\nbind \"w\" \"+forward\"\nname \"Player\"\n");
    writeCfg("alias +jd \"+jump; +duck\"\nexec user.cfg\n", u"autoexec.cfg"_s);
    page.ReadBinds();

    click(key("F2"));
    choose(page.Primary, 3); // MP5 Navy SMG
    EXPECT_EQ(page.PRICE->text(), u"1500"_s);
    EXPECT_EQ(page.imageFrame(), 3);
    choose(page.Ammo, 0); // full primary ammo
    EXPECT_EQ(page.PRICE->text(), u"1560"_s);
    choose(page.Radio, 0); // Go, go, go!
    click(page.BindButton);

    EXPECT_EQ(cfg(), config + "bind \"F2\" \"QVL_F2\"");
    EXPECT_EQ(autoexec(), crlf("alias +jd \"+jump; +duck\"\nexec user.cfg\nalias \"QVL_F2\" \"") + Mp5Chain + "\"");
    EXPECT_EQ(mark("F2"), "used QVL_F2");
    EXPECT_FALSE(offered().contains(u"F2"_s));
    // The composer starts afresh.
    EXPECT_EQ(page.Primary->currentIndex(), -1);
    EXPECT_EQ(page.Ammo->currentIndex(), -1);
    EXPECT_EQ(page.PRICE->text(), u"0"_s);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // Binding it again replaces both lines; after Clear only what the controls show is written.
    page.selectKey(u"F3"_s);
    page.selectKey(u"F2"_s);
    EXPECT_EQ(page.BindKey->currentIndex(), -1); // bound keys are not offered
    writeCfg("unbindall\nbind \"w\" \"+forward\"\nname \"Player\"\n");
    page.ReadBinds();
    page.selectKey(u"F2"_s);
    choose(page.Primary, 3);
    click(page.ClearButton);
    page.selectKey(u"F2"_s);
    click(page.BindButton);
    EXPECT_EQ(cfg(), config + "bind \"F2\" \"QVL_F2\"");
    EXPECT_EQ(autoexec(), crlf("alias +jd \"+jump; +duck\"\nexec user.cfg\nalias \"QVL_F2\" \"wait; slot10;\"\n"));
}

TEST_F(BinderPageTest, TotalFollowsEveryChoiceAndRefusesAmmoWithoutItsWeapon)
{
    page.ReadBinds();
    choose(page.Ammo, 1); // secondary ammo, no pistol
    EXPECT_EQ(dialogs.texts(u"information"_s), QStringList{u"Cannot buy ammo for no secondary weapon!"_s});
    EXPECT_EQ(page.Ammo->currentIndex(), -1);
    EXPECT_EQ(page.PRICE->text(), u"0"_s);

    choose(page.Primary, 11);                            // AUG Rifle
    page.Equipment->item(3)->setCheckState(Qt::Checked); // grenade
    EXPECT_EQ(page.PRICE->text(), u"3800"_s);
    EXPECT_EQ(page.imageFrame(), 23);
    choose(page.Primary, 12); // Scout: the grenade still counts
    EXPECT_EQ(page.PRICE->text(), u"3050"_s);

    // The vests exclude each other.
    page.Equipment->item(0)->setCheckState(Qt::Checked);
    page.Equipment->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(page.Equipment->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(page.PRICE->text(), u"4050"_s);

    choose(page.Ammo, 3); // no ammo
    EXPECT_EQ(page.Ammo->currentIndex(), -1);
    click(page.ClearButton);
    EXPECT_EQ(page.PRICE->text(), u"0"_s);
    for (int i = 0; i < page.Equipment->count(); ++i)
        EXPECT_EQ(page.Equipment->item(i)->checkState(), Qt::Unchecked);
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
    ASSERT_EQ(dialogs.texts(u"information"_s).size(), 1);
    EXPECT_TRUE(dialogs.texts(u"information"_s).first().contains(u"double quote"_s));

    // A text without anyone to say it to is refused as well.
    page.custommsg->setText(u"hello"_s);
    page.ForBox->setCurrentIndex(-1);
    click(page.BindButton);
    ASSERT_EQ(dialogs.texts(u"information"_s).size(), 2);
    EXPECT_TRUE(dialogs.texts(u"information"_s).last().startsWith(u"Enter the custom message"_s));

    // Everything at once passes the game's limit.
    choose(page.Primary, 16);
    choose(page.Secondary, 6);
    choose(page.Ammo, 2);
    for (int i = 0; i < page.Equipment->count(); ++i)
        page.Equipment->item(i)->setCheckState(Qt::Checked);
    choose(page.Radio, 22);
    page.custommsg->setText(u"Taking the long way round to B, follow me and keep together please"_s);
    choose(page.ForBox, 1);
    click(page.BindButton);
    ASSERT_EQ(dialogs.texts(u"information"_s).size(), 3);
    EXPECT_TRUE(dialogs.texts(u"information"_s).last().contains(u"514"_s)) << dialogs.shown.last().text.toStdString();

    EXPECT_EQ(cfg(), config);
    EXPECT_EQ(autoexec(), autoexecBefore);
    EXPECT_EQ(page.BindKey->currentText(), u"F2"_s); // the user can fix the choice and bind again
}

TEST_F(BinderPageTest, UnbindAsksAndRemovesOnlyThatKeysBinds)
{
    writeCfg("bind \"F2\" \"QVL_F2\"\nsay bind \"F2\"\nbind \"ALT\" \"+strafe\"\nbind \"f2\" \"+use\"\n");
    writeCfg("alias \"QVL_F2\" \"wait; slot10;\"\n", u"autoexec.cfg"_s);
    page.ReadBinds();
    const std::string before = cfg();
    EXPECT_EQ(mark("F2"), "used +use");

    dialogs.answers.enqueue(false);
    click(key("F2"));
    ASSERT_EQ(dialogs.texts(u"question"_s).size(), 1);
    EXPECT_EQ(dialogs.texts(u"question"_s).first(),
              u"\"F2\" This key is binded to\"+use\".\n Do you want to clear bind?"_s);
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
    EXPECT_TRUE(dialogs.texts(u"error"_s).isEmpty());
}

TEST_F(BinderPageTest, RemoveAllAliasesKeepsTheUsersOwnLines)
{
    writeCfg("bind \"F2\" \"QVL_F2\"\nname \"QVL fan\"\nbind \"w\" \"+forward\"\n");
    writeCfg("// mine\nalias +jd \"+jump; +duck\"\nalias \"QVL_F2\" \"wait; slot10;\"\nexec user.cfg\n",
             u"autoexec.cfg"_s);
    page.ReadBinds();

    click(page.RemoveAllButton);
    EXPECT_EQ(dialogs.texts(u"question"_s), QStringList{u"Do you want to remove ALL aliases form AUTOEXEC.CFG?"_s});
    EXPECT_EQ(mark("F2"), "used QVL_F2"); // declined: nothing changed

    dialogs.answers.enqueue(true);
    click(page.RemoveAllButton);
    EXPECT_EQ(cfg(), crlf("name \"QVL fan\"\nbind \"w\" \"+forward\"\n"));
    EXPECT_EQ(autoexec(), crlf("// mine\nalias +jd \"+jump; +duck\"\nexec user.cfg\n"));
    EXPECT_EQ(mark("F2"), "unused");
    EXPECT_EQ(mark("w"), "used +forward");
    EXPECT_TRUE(dialogs.texts(u"error"_s).isEmpty());
}
