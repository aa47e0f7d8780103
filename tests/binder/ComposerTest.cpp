#include "binder/Composer.h"
#include "binder/BuyTables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Problem = ComposerResult::Problem;

constexpr int MP5 = 2; // in the primary list
constexpr int AK = 7;
constexpr int Para = 15;
constexpr int Deagle = 2; // in the pistol list
constexpr int Vest = 0;   // in the equipment list
constexpr int Helmet = 1;
constexpr int DefuseKit = 6;

TEST(Composer, EachRowBuysByTheGamesOwnCommand)
{
    using C = ComposerChoice;
    constexpr bool y = true, n = false;
    const struct {
        ComposerChoice choice;
        const char* chain; // and the price
    } rows[] = {
        {C{.primary = 0}, "m3; $1700"},
        {C{.primary = AK, .ammo = BuyTables::FullPrimary, .equipment = {n, y}}, "ak47;vesthelm;primammo; $3720"},
        {C{.primary = 13}, "sg550; $4200"},
        {C{.primary = 14}, "g3sg1; $5000"},
        {C{.primary = Para}, "m249; $5750"},
        {C{.primary = 16}, "galil; $2000"}, // the rows added at the end
        {C{.primary = 17}, "famas; $2250"},
        {C{.primary = 18}, "shield; $2200"},
        {C{.primary = MP5, .secondary = 4, .ammo = BuyTables::FullBoth}, "mp5;elites;primammo;secammo; $2460"},
        {C{.secondary = 5, .ammo = BuyTables::FullSecondary}, "fn57;secammo; $870"},
        {C{.equipment = {n, y, y, y, y, y, y}}, "vesthelm;flash;flash;hegren;sgren;nvgs;defuser; $3450"},
        {C{.equipment = {n, n, n, n, n, n, y}}, "defuser; $200"}, // the defusal kit alone
        {C{.radio = 0}, "go; $0"},
        {C{.radio = 13}, "getout; $0"},
        {C{.radio = 22}, "takingfire; $0"},
        {C{.radio = 6}, " $0"}, // a separator is no radio command
        {C{.radio = 17, .chatText = "hello there", .chatFor = C::ChatFor::Team}, "coverme;say_team hello there; $0"},
        {C{.chatText = "gg", .chatFor = C::ChatFor::All}, "say gg; $0"},
    };
    for (const auto& row : rows) {
        const ComposerResult r = Composer::build(row.choice, "F2");
        EXPECT_EQ(r.chain.toStdString() + " $" + std::to_string(r.price), row.chain);
    }
    EXPECT_EQ(BuyTables::primary(BuyTables::PrimaryCount), nullptr);
    EXPECT_EQ(BuyTables::primaryNames().size(), BuyTables::PrimaryCount);
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
    EXPECT_EQ(problem(ComposerChoice()), Problem::Nothing);
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
    const auto swedish = [](MessageKey key) {
        return key == Msg::BindTooLong ? QStringLiteral("%1 byte, högst %2") : QString();
    };
    EXPECT_EQ(Composer::problemText(tooLong, swedish), "515 byte, högst 514");
}

} // namespace
