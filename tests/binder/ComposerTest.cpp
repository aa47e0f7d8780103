#include "binder/Composer.h"
#include "binder/BuyTables.h"

#include <gtest/gtest.h>

namespace {

using Problem = ComposerResult::Problem;

constexpr int MP5 = 2; // in the primary list
constexpr int AK = 7;
constexpr int Para = 15;
constexpr int Deagle = 2; // in the pistol list
constexpr int Vest = 0;   // in the equipment list
constexpr int Helmet = 1;
constexpr int DefuseKit = 6;

TEST(BuyTables, ScriptsFollowTheGamesMenus)
{
    // Night vision and the defusal kit sit in the game's menu the other way round from the list.
    EXPECT_EQ(BuyTables::equipment(5)->script, "buyequip;wait;menuselect 7;wait;");
    EXPECT_EQ(BuyTables::equipment(DefuseKit)->script, "buyequip;wait;menuselect 6;wait;");
    EXPECT_EQ(BuyTables::primary(16), nullptr);
    EXPECT_EQ(BuyTables::radioScript(22), "radio1; menuselect 6; wait; wait; slot10;");
    EXPECT_EQ(BuyTables::radioScript(23), "");
}

TEST(Composer, PricesCountEverythingTheChainBuys)
{
    ComposerChoice c;
    c.primary = MP5;
    c.ammo = BuyTables::FullPrimary;
    EXPECT_EQ(Composer::price(c), 1560);
    // The ammunition still shown is still bought, so it still counts.
    c.secondary = Deagle;
    EXPECT_EQ(Composer::price(c), 2210);
    c.ammo = BuyTables::FullBoth;
    EXPECT_EQ(Composer::price(c), 1500 + 650 + 60 + 200);

    ComposerChoice kit;
    kit.checkEquipment(Vest, true);
    kit.checkEquipment(Helmet, true); // the vests exclude each other
    EXPECT_FALSE(kit.equipment[Vest]);
    EXPECT_EQ(Composer::price(kit), 1000);

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

    ComposerChoice chat;
    chat.chatText = "hello there";
    chat.chatFor = ComposerChoice::ChatFor::Team;
    EXPECT_EQ(Composer::build(chat, "F2").chain, "say_team hello there;wait; slot10;");
    chat.chatFor = ComposerChoice::ChatFor::All;
    EXPECT_EQ(Composer::build(chat, "F2").chain, "say hello there;wait; slot10;");
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
}

TEST(Composer, RefusesAChainPastTheGamesLimitAndSaysSoInTheUsersLanguage)
{
    ComposerChoice c;
    c.primary = Para;
    c.secondary = Deagle;
    c.ammo = BuyTables::FullBoth;
    for (int i = 1; i < BuyTables::EquipmentCount; ++i)
        c.checkEquipment(i, true);
    c.radio = 22;
    const ComposerResult fits = Composer::build(c, "KP_RIGHTARROW");
    ASSERT_TRUE(fits.ok()) << Composer::problemText(fits).toStdString();

    c.chatFor = ComposerChoice::ChatFor::Team;
    c.chatText = QByteArray(Composer::MaxArgument - fits.chain.size() - 10, 'x'); // "say_team " and ";" fill it
    EXPECT_EQ(Composer::build(c, "F2").chain.size(), Composer::MaxArgument);
    c.chatText += 'x';
    const ComposerResult tooLong = Composer::build(c, "F2");
    EXPECT_EQ(tooLong.problem, Problem::TooLong);
    EXPECT_TRUE(tooLong.chain.isEmpty());
    EXPECT_EQ(tooLong.price, fits.price); // the total still shows what is chosen

    const QString text = Composer::problemText(tooLong);
    EXPECT_TRUE(text.contains("515") && text.contains("514")) << text.toStdString();
    const auto swedish = [](const QString& key) {
        return key == "toolong" ? QStringLiteral("%1 byte, högst %2") : QString();
    };
    EXPECT_EQ(Composer::problemText(tooLong, swedish), "515 byte, högst 514");
}

} // namespace
