#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The composer's fixed tables: what each item costs, which frame of the item picture shows it,
// and the game's direct command that buys it whatever buy menu the player uses. Rows are found
// by their place in the lists, never by the text shown, so translated list entries still find
// them.
namespace BuyTables {

struct BuyItem {
    int price = 0;
    int ammoPrice = 0; // full ammunition; 0 for equipment
    int frame = 0;     // frame of the item picture
    QByteArray script; // the command and its `;`, e.g. "ak47;"
    QString name;      // English display name
};

constexpr int EquipmentCount = 7;
constexpr int PrimaryCount = 19;
constexpr int SecondaryCount = 6;
constexpr int RadioCount = 23;
constexpr int AmmoCount = 4;

// Ammo list entries, by index.
enum Ammo { FullPrimary = 0, FullSecondary = 1, FullBoth = 2, NoAmmo = 3 };

// All 32 rows: equipment 0-6, primary weapons 7-22, pistols 23-28, then the primary weapons
// added later (Galil, FAMAS, Tactical Shield) 29-31, so that the older rows keep their places.
const QList<BuyItem>& items();
// Row of the equipment item, primary weapon or pistol at `index` of its list (0-based, not
// counting an empty first entry); null when out of range.
const BuyItem* equipment(int index);
const BuyItem* primary(int index);
const BuyItem* secondary(int index);

// The ammunition script of an Ammo entry (empty for NoAmmo or out of range).
QByteArray ammoScript(int ammo);
// The radio script of a Radio entry: "go;" for 0; empty for the two separator entries (6 and
// 16) and out of range.
QByteArray radioScript(int index);

// English list entries, in list order (the radio list's separators as empty entries).
QStringList equipmentNames();
QStringList primaryNames();
QStringList secondaryNames();
QStringList ammoNames();
QStringList radioNames();

} // namespace BuyTables
