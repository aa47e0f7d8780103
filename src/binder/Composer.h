#pragma once

#include "config/MessageKeys.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

// The bind composer without its widgets: the page describes what its controls show, and gets
// back the total price and the alias body, or why that body cannot be written.
struct ComposerChoice {
    enum class ChatFor { None, Team, All };

    int primary = -1;   // index in the primary weapons (0 = the first weapon), -1 none
    int secondary = -1; // index in the pistols, -1 none
    int ammo = -1;      // BuyTables::Ammo, -1 none
    std::array<bool, 7> equipment{};
    int radio = -1;        // index in the radio list, -1 none
    QByteArray chatText{}; // as typed, in the local 8-bit encoding
    ChatFor chatFor = ChatFor::None;

    // Checks or unchecks an equipment item; the two vests exclude each other, so checking
    // one unchecks the other.
    void checkEquipment(int index, bool checked);
};

struct ComposerResult {
    enum class Problem {
        None,
        NoPrimary,      // primary ammo without a primary weapon
        NoSecondary,    // secondary ammo without a pistol
        NoBoth,         // both ammo without both weapons
        NoRecipient,    // a chat text but neither Team nor All
        ChatCharacters, // the chat text holds `"` or `;`
        TooLong,        // the chain or its alias line passes the game's limits
        Nothing,        // nothing to buy, say or send
    };

    int price = 0;    // everything the chain buys, in dollars
    QByteArray chain; // the alias body; empty when refused
    Problem problem = Problem::None;
    int length = 0; // for TooLong: the length found
    int limit = 0;  // for TooLong: the limit passed

    bool ok() const { return problem == Problem::None; }
};

namespace Composer {

// The game's limits: bytes in one quoted argument, bytes in one line.
constexpr int MaxArgument = 514;
constexpr int MaxLine = 1023;

// The total price of what is chosen: the weapons, the ammunition whose weapon is chosen, and
// the checked equipment.
int price(const ComposerChoice& choice);

// Builds the alias body for `key`: primary, pistol, equipment in list order, ammunition, radio,
// chat, each a direct command ended by `;` ("ak47;vesthelm;primammo;"). A cleared composer
// builds nothing (Problem::Nothing).
ComposerResult build(const ComposerChoice& choice, const QString& key);

// Whether the chosen ammunition has its weapons: the problem to report (NoPrimary, NoSecondary,
// NoBoth) when not, None when it has them or no ammunition is chosen.
ComposerResult::Problem ammoProblem(const ComposerChoice& choice);

// The text to show for a refused result: the message text of its key from `message` (falling
// back to English when that gives nothing), with %1 the length and %2 the limit for TooLong;
// empty for a result that is no refusal.
QString problemText(const ComposerResult& result, const std::function<QString(MessageKey)>& message = {});

} // namespace Composer
