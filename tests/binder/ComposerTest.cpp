#include "binder/Composer.h"
#include "binder/BuyTables.h"

#include <gtest/gtest.h>

namespace {

using Problem = ComposerResult::Problem;

constexpr int MP5 = 2; // in the primary list
constexpr int AK = 7;
constexpr int AUG = 10;
constexpr int Scout = 11;
constexpr int Para = 15;
constexpr int Deagle = 2; // in the pistol list
constexpr int Vest = 0;   // in the equipment list
constexpr int Helmet = 1;
constexpr int Grenade = 3;
constexpr int DefuseKit = 6;

TEST(BuyTables, RowsAreFoundByTheirPlaceInTheLists)
{
    EXPECT_EQ(BuyTables::items().size(), 29);
    EXPECT_EQ(BuyTables::primary(AK)->script, "buy;wait;menuselect 4;wait;menuselect 1;wait;");
    EXPECT_EQ(BuyTables::primary(AK)->name, "Automat Kalashnikov");
    EXPECT_EQ(BuyTables::primary(Para)->frame, 16);
    EXPECT_EQ(BuyTables::secondary(Deagle)->frame, 19);
    EXPECT_EQ(BuyTables::secondary(5)->name, "FN Five-Seven");
    EXPECT_EQ(BuyTables::equipment(Vest)->script, "buyequip;wait;menuselect 1;wait;");
    // Night vision and the defusal kit sit in the game's menu the other way round from the list.
    EXPECT_EQ(BuyTables::equipment(5)->script, "buyequip;wait;menuselect 7;wait;");
    EXPECT_EQ(BuyTables::equipment(DefuseKit)->script, "buyequip;wait;menuselect 6;wait;");
    for (const int outside : {-1, 16})
        EXPECT_EQ(BuyTables::primary(outside), nullptr);
    EXPECT_EQ(BuyTables::secondary(6), nullptr);
    EXPECT_EQ(BuyTables::equipment(7), nullptr);
    EXPECT_EQ(BuyTables::primaryNames().size(), BuyTables::PrimaryCount);
    EXPECT_EQ(BuyTables::radioNames().size(), BuyTables::RadioCount);
}

TEST(BuyTables, AmmoAndRadioScripts)
{
    EXPECT_EQ(BuyTables::ammoScript(BuyTables::FullBoth),
              "buy;wait;menuselect 7;wait;menuselect 7;wait;menuselect 7;wait;menuselect 7;wait;;menuselect 6;wait;"
              "menuselect 6;wait;menuselect 6;wait;menuselect 6;wait;");
    EXPECT_EQ(BuyTables::ammoScript(BuyTables::NoAmmo), "");
    EXPECT_EQ(BuyTables::radioScript(0), "radio2; menuselect 1; wait; wait; slot10;");
    EXPECT_EQ(BuyTables::radioScript(13), "radio3; menuselect 7; wait; wait; slot10;");
    EXPECT_EQ(BuyTables::radioScript(22), "radio1; menuselect 6; wait; wait; slot10;");
    for (const int nothing : {-1, 6, 16, 23})
        EXPECT_EQ(BuyTables::radioScript(nothing), "") << nothing;
}

TEST(Composer, PricesCountEverythingTheChainBuys)
{
    ComposerChoice c;
    EXPECT_EQ(Composer::price(c), 0);
    c.primary = MP5;
    EXPECT_EQ(Composer::price(c), 1500);
    c.ammo = BuyTables::FullPrimary;
    EXPECT_EQ(Composer::price(c), 1560);
    // The ammunition still shown is still bought, so it still counts.
    c.secondary = Deagle;
    EXPECT_EQ(Composer::price(c), 2210);
    c.ammo = BuyTables::FullBoth;
    EXPECT_EQ(Composer::price(c), 1500 + 650 + 60 + 200);
    c.ammo = BuyTables::NoAmmo;
    EXPECT_EQ(Composer::price(c), 2150);

    ComposerChoice kit;
    kit.checkEquipment(Vest, true);
    EXPECT_EQ(Composer::price(kit), 650);
    kit.checkEquipment(Helmet, true);
    EXPECT_FALSE(kit.equipment[Vest]);
    EXPECT_EQ(Composer::price(kit), 1000);

    ComposerChoice rifle;
    rifle.primary = AUG;
    rifle.checkEquipment(Grenade, true);
    EXPECT_EQ(Composer::price(rifle), 3800);
    rifle.primary = Scout; // the grenade stays checked and bought
    EXPECT_EQ(Composer::price(rifle), 3050);

    ComposerChoice orphan; // ammunition without its weapon costs nothing and buys nothing
    orphan.ammo = BuyTables::FullSecondary;
    EXPECT_EQ(Composer::price(orphan), 0);
}

TEST(Composer, BuildsTheChainInTheGamesOrder)
{
    ComposerChoice c;
    c.primary = AK;
    c.checkEquipment(Helmet, true);
    c.ammo = BuyTables::FullPrimary;
    c.radio = 0;
    ComposerResult r = Composer::build(c, "F2");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.chain, "buy;wait;menuselect 4;wait;menuselect 1;wait;buyequip;wait;menuselect 2;wait;buy;wait;"
                       "menuselect 6;wait;menuselect 6;wait;menuselect 6;wait;menuselect 6;wait;radio2; menuselect 1; "
                       "wait; wait; slot10;wait; slot10;");
    EXPECT_EQ(r.price, 2500 + 1000 + 220);

    EXPECT_EQ(Composer::build(ComposerChoice(), "F2").chain, "wait; slot10;");
    EXPECT_TRUE(ComposerChoice().isEmpty());

    ComposerChoice kit;
    kit.checkEquipment(DefuseKit, true);
    EXPECT_EQ(Composer::build(kit, "F2").chain, "buyequip;wait;menuselect 6;wait;wait; slot10;");
}

TEST(Composer, ChatTextIsOneBareCommand)
{
    ComposerChoice c;
    c.chatText = "hello there";
    c.chatFor = ComposerChoice::ChatFor::Team;
    EXPECT_EQ(Composer::build(c, "F2").chain, "say_team hello there;wait; slot10;");
    c.chatFor = ComposerChoice::ChatFor::All;
    EXPECT_EQ(Composer::build(c, "F2").chain, "say hello there;wait; slot10;");
    ComposerChoice nobodyToTell; // a recipient without a text says nothing
    nobodyToTell.chatFor = ComposerChoice::ChatFor::All;
    EXPECT_EQ(Composer::build(nobodyToTell, "F2").chain, "wait; slot10;");
}

TEST(Composer, RefusesWhatTheGameWouldMisread)
{
    const auto problem = [](ComposerChoice c) {
        const ComposerResult r = Composer::build(c, "F2");
        EXPECT_TRUE(r.ok() || r.chain.isEmpty()); // a refusal builds nothing to write
        return r.problem;
    };
    ComposerChoice c;
    c.chatFor = ComposerChoice::ChatFor::Team;
    c.chatText = "say \"hi\"";
    EXPECT_EQ(problem(c), Problem::ChatCharacters);
    c.chatText = "gg; quit";
    EXPECT_EQ(problem(c), Problem::ChatCharacters);
    c.chatText = "gg";
    c.chatFor = ComposerChoice::ChatFor::None;
    EXPECT_EQ(problem(c), Problem::NoRecipient);

    ComposerChoice ammo;
    ammo.ammo = BuyTables::FullPrimary;
    EXPECT_EQ(problem(ammo), Problem::NoPrimary);
    ammo.ammo = BuyTables::FullSecondary;
    EXPECT_EQ(problem(ammo), Problem::NoSecondary);
    ammo.ammo = BuyTables::FullBoth;
    ammo.primary = MP5;
    EXPECT_EQ(problem(ammo), Problem::NoBoth);
    ammo.secondary = Deagle;
    EXPECT_EQ(problem(ammo), Problem::None);
}

TEST(Composer, RefusesAChainPastTheGamesLimit)
{
    ComposerChoice c;
    c.primary = Para;
    c.secondary = Deagle;
    c.ammo = BuyTables::FullBoth;
    for (int i = 2; i < BuyTables::EquipmentCount; ++i)
        c.checkEquipment(i, true);
    c.checkEquipment(Helmet, true);
    c.radio = 22;
    const ComposerResult fits = Composer::build(c, "KP_RIGHTARROW");
    ASSERT_TRUE(fits.ok()) << Composer::problemText(fits).toStdString();
    EXPECT_LE(fits.chain.size(), Composer::MaxArgument);

    c.chatFor = ComposerChoice::ChatFor::Team;
    c.chatText = QByteArray(Composer::MaxArgument - fits.chain.size() - 10, 'x'); // "say_team " and ";" fill it
    EXPECT_EQ(Composer::build(c, "F2").chain.size(), Composer::MaxArgument);
    c.chatText += 'x';
    const ComposerResult tooLong = Composer::build(c, "F2");
    EXPECT_EQ(tooLong.problem, Problem::TooLong);
    EXPECT_EQ(tooLong.length, Composer::MaxArgument + 1);
    EXPECT_EQ(tooLong.limit, Composer::MaxArgument);
    EXPECT_TRUE(tooLong.chain.isEmpty());
    EXPECT_EQ(tooLong.price, fits.price); // the total still shows what is chosen

    const QString text = Composer::problemText(tooLong);
    EXPECT_TRUE(text.contains("515") && text.contains("514")) << text.toStdString();
    // A translated text is used, with its numbers filled in.
    const auto swedish = [](const QString& key) {
        return key == "toolong" ? QStringLiteral("%1 byte, högst %2") : QString();
    };
    EXPECT_EQ(Composer::problemText(tooLong, swedish), "515 byte, högst 514");
}

TEST(Composer, EveryItemAtOnceIsTooLong)
{
    ComposerChoice c;
    c.primary = Para;
    c.secondary = Deagle;
    c.ammo = BuyTables::FullBoth;
    c.equipment.fill(true); // as a page that forgot the vests' exclusion would send it
    c.radio = 0;
    c.chatText = "go";
    c.chatFor = ComposerChoice::ChatFor::All;
    EXPECT_EQ(Composer::build(c, "F2").problem, Problem::TooLong);
}

} // namespace
