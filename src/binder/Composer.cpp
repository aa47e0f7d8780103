#include "binder/Composer.h"

#include "binder/BuyTables.h"
#include "keys/KeyNames.h"

void ComposerChoice::checkEquipment(int index, bool checked)
{
    if (index < 0 || index >= static_cast<int>(equipment.size()))
        return;
    equipment[static_cast<size_t>(index)] = checked;
    // The vest alone and the vest with helmet are one slot of the buy menu.
    if (checked && index <= 1)
        equipment[static_cast<size_t>(1 - index)] = false;
}

namespace Composer {

namespace {

QString englishText(ComposerResult::Problem problem)
{
    using P = ComposerResult::Problem;
    switch (problem) {
    case P::NoPrimary:
        return QStringLiteral("Cannot buy ammo for no primary weapon!");
    case P::NoSecondary:
        return QStringLiteral("Cannot buy ammo for no secondary weapon!");
    case P::NoBoth:
        return QStringLiteral("Cannot buy ammo for no secondary and no primary weapon!");
    case P::NoRecipient:
        return QStringLiteral("Enter the custom message please. Your radio commands can be heared only by your team");
    case P::ChatCharacters:
        return QStringLiteral("The custom message cannot hold a double quote (\") or a semicolon (;): the game would "
                              "cut the command there.");
    case P::TooLong:
        return QStringLiteral("The bind is too long: %1 bytes, and the game takes at most %2. Choose fewer items.");
    case P::Nothing:
        return QStringLiteral("Nothing to bind: choose a weapon, equipment, a radio command or a chat message first.");
    case P::None:
        break;
    }
    return {};
}

MessageKey messageKey(ComposerResult::Problem problem)
{
    using P = ComposerResult::Problem;
    switch (problem) {
    case P::NoPrimary:
        return Msg::NoPrimaryForAmmo;
    case P::NoSecondary:
        return Msg::NoSecondaryForAmmo;
    case P::NoBoth:
        return Msg::NoWeaponsForAmmo;
    case P::NoRecipient:
        return Msg::EnterRadioMessage;
    case P::ChatCharacters:
        return Msg::ChatCharacters;
    case P::TooLong:
        return Msg::BindTooLong;
    case P::Nothing:
    case P::None:
        break;
    }
    return Msg::NothingToBind;
}

} // namespace

int price(const ComposerChoice& choice)
{
    int total = 0;
    const BuyTables::BuyItem* primary = BuyTables::primary(choice.primary);
    const BuyTables::BuyItem* secondary = BuyTables::secondary(choice.secondary);
    if (primary)
        total += primary->price;
    if (secondary)
        total += secondary->price;
    if (ammoProblem(choice) == ComposerResult::Problem::None) {
        if (primary && (choice.ammo == BuyTables::FullPrimary || choice.ammo == BuyTables::FullBoth))
            total += primary->ammoPrice;
        if (secondary && (choice.ammo == BuyTables::FullSecondary || choice.ammo == BuyTables::FullBoth))
            total += secondary->ammoPrice;
    }
    for (int i = 0; i < BuyTables::EquipmentCount; ++i) {
        if (choice.equipment[static_cast<size_t>(i)])
            total += BuyTables::equipment(i)->price;
    }
    return total;
}

ComposerResult build(const ComposerChoice& choice, const QString& key)
{
    using P = ComposerResult::Problem;
    ComposerResult result;
    result.price = price(choice);
    result.problem = ammoProblem(choice);
    if (result.problem != P::None)
        return result;
    if (!choice.chatText.isEmpty()) {
        if (choice.chatText.contains('"') || choice.chatText.contains(';')) {
            result.problem = P::ChatCharacters;
            return result;
        }
        if (choice.chatFor == ComposerChoice::ChatFor::None) {
            result.problem = P::NoRecipient;
            return result;
        }
    }

    QByteArray chain;
    if (const BuyTables::BuyItem* primary = BuyTables::primary(choice.primary))
        chain += primary->script;
    if (const BuyTables::BuyItem* secondary = BuyTables::secondary(choice.secondary))
        chain += secondary->script;
    for (int i = 0; i < BuyTables::EquipmentCount; ++i) {
        if (choice.equipment[static_cast<size_t>(i)])
            chain += BuyTables::equipment(i)->script;
    }
    chain += BuyTables::ammoScript(choice.ammo);
    chain += BuyTables::radioScript(choice.radio);
    // The body is one quoted argument with no escape: the text goes in bare, ended by a `;`.
    if (!choice.chatText.isEmpty())
        chain += (choice.chatFor == ComposerChoice::ChatFor::Team ? "say_team " : "say ") + choice.chatText + ';';
    if (chain.isEmpty()) {
        result.problem = P::Nothing;
        return result;
    }

    const qsizetype line = QByteArrayView("alias \"\" \"\"").size() + KeyNames::aliasFor(key).size() + chain.size();
    if (chain.size() > MaxArgument) {
        result.problem = P::TooLong;
        result.length = static_cast<int>(chain.size());
        result.limit = MaxArgument;
    } else if (line > MaxLine) {
        result.problem = P::TooLong;
        result.length = static_cast<int>(line);
        result.limit = MaxLine;
    } else {
        result.chain = chain;
    }
    return result;
}

ComposerResult::Problem ammoProblem(const ComposerChoice& choice)
{
    const bool hasPrimary = BuyTables::primary(choice.primary) != nullptr;
    const bool hasSecondary = BuyTables::secondary(choice.secondary) != nullptr;
    switch (choice.ammo) {
    case BuyTables::FullPrimary:
        return hasPrimary ? ComposerResult::Problem::None : ComposerResult::Problem::NoPrimary;
    case BuyTables::FullSecondary:
        return hasSecondary ? ComposerResult::Problem::None : ComposerResult::Problem::NoSecondary;
    case BuyTables::FullBoth:
        return hasPrimary && hasSecondary ? ComposerResult::Problem::None : ComposerResult::Problem::NoBoth;
    default:
        return ComposerResult::Problem::None;
    }
}

QString problemText(const ComposerResult& result, const std::function<QString(MessageKey)>& message)
{
    if (result.ok())
        return {};
    QString text = message ? message(messageKey(result.problem)) : QString();
    if (text.isEmpty())
        text = englishText(result.problem);
    if (result.problem == ComposerResult::Problem::TooLong)
        text = text.arg(result.length).arg(result.limit);
    return text;
}

} // namespace Composer
