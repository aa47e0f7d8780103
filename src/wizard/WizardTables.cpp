#include "wizard/WizardTables.h"

#include "config/ClientVariables.h"
#include "wizard/WizardAnswers.h"

namespace WizardTables {

namespace Names = ClientVariables;

std::optional<QByteArray> rate(int connection)
{
    return Names::connectionRate(connection);
}

QList<Var> movementBinds(bool wasd)
{
    if (wasd)
        return {{"bind \"w\"", "+forward"},
                {"bind \"s\"", "+back"},
                {"bind \"a\"", "+moveleft"},
                {"bind \"d\"", "+moveright"}};
    return {{"bind \"UPARROW\"", "+forward"},
            {"bind \"DOWNARROW\"", "+back"},
            {"bind \"LEFTARROW\"", "+moveleft"},
            {"bind \"RIGHTARROW\"", "+moveright"}};
}

QList<Var> quality(int computerSpeed)
{
    struct Row {
        const char* menus;
        const char* amount; // max_shells, r_decals and max_smokepuffs alike
        const char* sprites;
    };
    static const Row rows[] = {
        {"0", "100", "2"}, {"0", "200", "2"}, {"0", "300", "1"}, {"1", "400", "1"}, {"1", "500", "0"}};
    if (computerSpeed < 0 || computerSpeed >= int(std::size(rows)))
        return {};
    const Row& r = rows[computerSpeed];
    return {{Names::Menus, r.menus},
            {Names::Shells, r.amount},
            {Names::Decals, r.amount},
            {Names::SmokePuffs, r.amount},
            {Names::SmokeSprites, r.sprites}};
}

std::optional<int> buttonCount(int index, const QString& text)
{
    if (index == 4)
        return 5;
    if (index == 1)
        return 3;
    bool whole = false;
    const int count = text.trimmed().toInt(&whole, 10);
    if (!whole)
        return std::nullopt;
    return count;
}

QList<Var> storeCalls(const WizardAnswers& answers)
{
    QList<Var> calls;
    if (const auto r = rate(answers.connection))
        calls.append(Var{Names::Rate, *r});
    calls.append(movementBinds(answers.wasd));
    // An empty name would replace the player's name with a blank one; the game keeps its own.
    if (!answers.name.text.isEmpty())
        calls.append(Var{Names::Name, answers.name.bytes()});
    calls.append(Var{Names::WeaponHand, answers.rightHand ? "1" : "0"});
    calls.append(Var{Names::ViewModel, answers.showWeapon ? "1" : "0"});
    calls.append(quality(answers.computerSpeed));
    return calls;
}

} // namespace WizardTables
