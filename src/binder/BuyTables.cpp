#include "binder/BuyTables.h"

namespace BuyTables {

namespace {

constexpr int PrimaryFirst = EquipmentCount;
constexpr int FirstPrimaries = 16; // the rows before the pistols
constexpr int SecondaryFirst = PrimaryFirst + FirstPrimaries;
constexpr int LaterPrimaryFirst = SecondaryFirst + SecondaryCount;

const BuyItem* row(int first, int count, int index)
{
    if (index < 0 || index >= count)
        return nullptr;
    return &items()[first + index];
}

struct Radio {
    const char* name;
    const char* command; // empty for a separator
};

constexpr Radio RadioRows[RadioCount] = {
    {"Go,go,go!", "go"},
    {"Fall back", "fallback"},
    {"Stick together, team", "sticktog"},
    {"Get in position", "getinpos"},
    {"Storm the front", "stormfront"},
    {"Report in", "report"},
    {"", ""},
    {"Roger that", "roger"},
    {"Enemy spotted", "enemyspot"},
    {"Need backup!", "needbackup"},
    {"Sector clear", "sectorclear"},
    {"I'm in position", "inposition"},
    {"Reporting in", "reportingin"},
    {"She's gonna blow!", "getout"},
    {"Negative", "negative"},
    {"Enemy down", "enemydown"},
    {"", ""},
    {"Cover me", "coverme"},
    {"You take the point", "takepoint"},
    {"Hold this position", "holdpos"},
    {"Regroup team", "regroup"},
    {"Follow me", "followme"},
    {"Taking fire, need assistance", "takingfire"},
};

// primammo and secammo each buy until the weapon's ammunition is full.
const QByteArray PrimaryAmmo = "primammo;";
const QByteArray SecondaryAmmo = "secammo;";

} // namespace

const QList<BuyItem>& items()
{
    static const QList<BuyItem> rows = {
        {650, 0, 0, "vest;", QStringLiteral("Kevlar Vest")},
        {1000, 0, 0, "vesthelm;", QStringLiteral("Kevlar Vest&Helmet")},
        {400, 0, 24, "flash;flash;", QStringLiteral("2x Flashbang")},
        {300, 0, 23, "hegren;", QStringLiteral("Grenade")},
        {300, 0, 25, "sgren;", QStringLiteral("Smoke Grenade")},
        {1250, 0, 0, "nvgs;", QStringLiteral("Night Vision Goggles")},
        {200, 0, 0, "defuser;", QStringLiteral("Bomb Defusion Kit (CT only)")},
        {1700, 260, 1, "m3;", QStringLiteral("M90 Combat Shotgun")},
        {3000, 260, 2, "xm1014;", QStringLiteral("XM 1014 Auto Shotgun")},
        {1500, 60, 3, "mp5;", QStringLiteral("MP5 Navy SMG")},
        {1250, 80, 6, "tmp;", QStringLiteral("Steyr TMP SMG")},
        {2350, 100, 4, "p90;", QStringLiteral("FN P90 SMG")},
        {1400, 100, 5, "mac10;", QStringLiteral("Ingram MAC10 SMG")},
        {1700, 225, 7, "ump45;", QStringLiteral("UMP45 SMG")},
        {2500, 220, 8, "ak47;", QStringLiteral("Automat Kalashnikov")},
        {3500, 180, 9, "sg552;", QStringLiteral("Sig SSG552 Commando")},
        {3100, 180, 10, "m4a1;", QStringLiteral("Colt M4A1 Carbine Rifle")},
        {3500, 180, 11, "aug;", QStringLiteral("AUG Rifle")},
        {2750, 160, 12, "scout;", QStringLiteral("Scout Sniper Rifle")},
        {4750, 375, 13, "awp;", QStringLiteral("Magnum Sniper Rifle")},
        {4200, 160, 15, "sg550;", QStringLiteral("Sig SG-550 Sniper Rifle")},
        {5000, 160, 14, "g3sg1;", QStringLiteral("G3/SG-1 Sniper Rifle")},
        {5750, 50, 16, "m249;", QStringLiteral("FN 249 PARA")},
        {500, 60, 17, "usp;", QStringLiteral("USP Tactical .45 ACP")},
        {400, 200, 18, "glock;", QStringLiteral("Glock 18")},
        {650, 200, 19, "deagle;", QStringLiteral("Desert Eagle .50")},
        {600, 60, 20, "p228;", QStringLiteral("Sig Sauer P228")},
        {800, 100, 21, "elites;", QStringLiteral("2x Berettas")},
        {750, 120, 22, "fn57;", QStringLiteral("FN Five-Seven")},
        {2000, 180, 26, "galil;", QStringLiteral("Galil")},
        {2250, 180, 27, "famas;", QStringLiteral("FAMAS")},
        // The shield takes the primary weapon's place and has no ammunition of its own.
        {2200, 0, 28, "shield;", QStringLiteral("Tactical Shield (CT only)")},
    };
    return rows;
}

const BuyItem* equipment(int index)
{
    return row(0, EquipmentCount, index);
}

const BuyItem* primary(int index)
{
    return index < FirstPrimaries ? row(PrimaryFirst, FirstPrimaries, index)
                                  : row(LaterPrimaryFirst, PrimaryCount - FirstPrimaries, index - FirstPrimaries);
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
        return PrimaryAmmo + SecondaryAmmo;
    default:
        return {};
    }
}

QByteArray radioScript(int index)
{
    if (index < 0 || index >= RadioCount || RadioRows[index].command[0] == '\0')
        return {};
    return QByteArray(RadioRows[index].command) + ';';
}

namespace {

QStringList names(const BuyItem* (*find)(int), int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << find(i)->name;
    return out;
}

} // namespace

QStringList equipmentNames()
{
    return names(equipment, EquipmentCount);
}

QStringList primaryNames()
{
    return names(primary, PrimaryCount);
}

QStringList secondaryNames()
{
    return names(secondary, SecondaryCount);
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
