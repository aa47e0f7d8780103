#include "binder/BuyTables.h"

namespace BuyTables {

namespace {

QByteArray equipScript(int item)
{
    return "buyequip;wait;menuselect " + QByteArray::number(item) + ";wait;";
}

QByteArray weaponScript(int menu, int item)
{
    return "buy;wait;menuselect " + QByteArray::number(menu) + ";wait;menuselect " + QByteArray::number(item) +
           ";wait;";
}

constexpr int PrimaryFirst = EquipmentCount;
constexpr int SecondaryFirst = EquipmentCount + PrimaryCount;

const BuyItem* row(int first, int count, int index)
{
    if (index < 0 || index >= count)
        return nullptr;
    return &items()[first + index];
}

QStringList names(int first, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << items()[first + i].name;
    return out;
}

struct Radio {
    const char* name;
    int menu; // 0 for a separator
    int item;
};

constexpr Radio RadioRows[RadioCount] = {
    {"Go,go,go!", 2, 1},
    {"Fall back", 2, 2},
    {"Stick together, team", 2, 3},
    {"Get in position", 2, 4},
    {"Storm the front", 2, 5},
    {"Report in", 2, 6},
    {"", 0, 0},
    {"Roger that", 3, 1},
    {"Enemy spotted", 3, 2},
    {"Need backup!", 3, 3},
    {"Sector clear", 3, 4},
    {"I'm in position", 3, 5},
    {"Reporting in", 3, 6},
    {"She's gonna blow!", 3, 7},
    {"Negative", 3, 8},
    {"Enemy down", 3, 9},
    {"", 0, 0},
    {"Cover me", 1, 1},
    {"You take the point", 1, 2},
    {"Hold this position", 1, 3},
    {"Regroup team", 1, 4},
    {"Follow me", 1, 5},
    {"Taking fire, need assistance", 1, 6},
};

const QByteArray PrimaryAmmo = "buy;wait;menuselect 6;wait;menuselect 6;wait;menuselect 6;wait;menuselect 6;wait;";
const QByteArray SecondaryAmmo = "buy;wait;menuselect 7;wait;menuselect 7;wait;menuselect 7;wait;menuselect 7;wait;";

} // namespace

const QList<BuyItem>& items()
{
    static const QList<BuyItem> rows = {
        {650, 0, 0, equipScript(1), QStringLiteral("Kevlar Vest")},
        {1000, 0, 0, equipScript(2), QStringLiteral("Kevlar Vest&Helmet")},
        {400, 0, 24, equipScript(3), QStringLiteral("2x Flashbang")},
        {300, 0, 23, equipScript(4), QStringLiteral("Grenade")},
        {300, 0, 25, equipScript(5), QStringLiteral("Smoke Grenade")},
        {1250, 0, 0, equipScript(7), QStringLiteral("Night Vision Goggles")},
        {200, 0, 0, equipScript(6), QStringLiteral("Bomb Defusion Kit (CT only)")},
        {1700, 260, 1, weaponScript(2, 1), QStringLiteral("M90 Combat Shotgun")},
        {3000, 260, 2, weaponScript(2, 2), QStringLiteral("XM 1014 Auto Shotgun")},
        {1500, 60, 3, weaponScript(3, 1), QStringLiteral("MP5 Navy SMG")},
        {1250, 80, 6, weaponScript(3, 2), QStringLiteral("Steyr TMP SMG")},
        {2350, 100, 4, weaponScript(3, 3), QStringLiteral("FN P90 SMG")},
        {1400, 100, 5, weaponScript(3, 4), QStringLiteral("Ingram MAC10 SMG")},
        {1700, 225, 7, weaponScript(3, 5), QStringLiteral("UMP45 SMG")},
        {2500, 220, 8, weaponScript(4, 1), QStringLiteral("Automat Kalashnikov")},
        {3500, 180, 9, weaponScript(4, 2), QStringLiteral("Sig SSG552 Commando")},
        {3100, 180, 10, weaponScript(4, 3), QStringLiteral("Colt M4A1 Carbine Rifle")},
        {3500, 180, 11, weaponScript(4, 4), QStringLiteral("AUG Rifle")},
        {2750, 160, 12, weaponScript(4, 5), QStringLiteral("Scout Sniper Rifle")},
        {4750, 375, 13, weaponScript(4, 6), QStringLiteral("Magnum Sniper Rifle")},
        {5000, 160, 15, weaponScript(4, 7), QStringLiteral("Sig SG-550 Sniper Rifle")},
        {4200, 160, 14, weaponScript(4, 8), QStringLiteral("G3/SG-1 Sniper Rifle")},
        {5750, 50, 16, weaponScript(5, 1), QStringLiteral("FN 249 PARA")},
        {500, 60, 17, weaponScript(1, 1), QStringLiteral("USP Tactical .45 ACP")},
        {400, 200, 18, weaponScript(1, 2), QStringLiteral("Glock 18")},
        {650, 200, 19, weaponScript(1, 3), QStringLiteral("Desert Eagle .50")},
        {600, 60, 20, weaponScript(1, 4), QStringLiteral("Sig Sauer P228")},
        {700, 100, 21, weaponScript(1, 5), QStringLiteral("2x Berettas")},
        {750, 120, 22, weaponScript(1, 6), QStringLiteral("FN Five-Seven")},
    };
    return rows;
}

const BuyItem* equipment(int index)
{
    return row(0, EquipmentCount, index);
}

const BuyItem* primary(int index)
{
    return row(PrimaryFirst, PrimaryCount, index);
}

const BuyItem* secondary(int index)
{
    return row(SecondaryFirst, SecondaryCount, index);
}

QByteArray ammoScript(int ammo)
{
    switch (ammo) {
    case FullPrimary:
        return PrimaryAmmo;
    case FullSecondary:
        return SecondaryAmmo;
    case FullBoth:
        // The buy menu is still open after the pistol rounds, so no second "buy"; the doubled `;`
        // is an empty command the game skips.
        return SecondaryAmmo + ';' + PrimaryAmmo.sliced(QByteArrayView("buy;wait;").size());
    default:
        return {};
    }
}

QByteArray radioScript(int index)
{
    if (index < 0 || index >= RadioCount || RadioRows[index].menu == 0)
        return {};
    const Radio& r = RadioRows[index];
    return "radio" + QByteArray::number(r.menu) + "; menuselect " + QByteArray::number(r.item) +
           "; wait; wait; slot10;";
}

QStringList equipmentNames()
{
    return names(0, EquipmentCount);
}

QStringList primaryNames()
{
    return names(PrimaryFirst, PrimaryCount);
}

QStringList secondaryNames()
{
    return names(SecondaryFirst, SecondaryCount);
}

QStringList ammoNames()
{
    return {QStringLiteral("Full Primary Ammo"), QStringLiteral("Full Secondary Ammo"),
            QStringLiteral("Full Both Ammo"), QStringLiteral("No ammo")};
}

QStringList radioNames()
{
    QStringList out;
    for (const Radio& r : RadioRows)
        out << QLatin1String(r.name);
    return out;
}

} // namespace BuyTables
