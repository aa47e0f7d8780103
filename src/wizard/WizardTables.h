#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct WizardAnswers;

// What each wizard answer writes: console variables and binds, in the order the generator sets
// them, and the mouse's button count.
namespace WizardTables {

struct Var {
    QByteArray name; // as passed to the store: `rate`, `bind "w"`, `setinfo "_vgui_menus"`
    QByteArray value;
    friend bool operator==(const Var&, const Var&) = default;
};

// The `rate` of a connection entry (w6 index, as the Client options page's list); nothing for no
// selection or an entry that keeps the file's own rate.
std::optional<QByteArray> rate(int connection);
// The four movement binds, forward, back, left, right.
QList<Var> movementBinds(bool wasd);
// The five quality variables of a computer speed (w7 index 0 to 4); empty for no selection.
QList<Var> quality(int computerSpeed);

// The button count of the buttons box: "more" (index 4) counts 5 and "3 (or 2 + scroll as
// MOUSE3)" (index 1) counts 3; otherwise its text must be a whole number (blanks around it allowed).
std::optional<int> buttonCount(int index, const QString& text);

// Every store call the answers make after the file is chosen, in order: rate, the movement
// binds, name (only when not empty), the weapon hand, r_drawviewmodel, then the quality variables.
// The variables are named as the Client options page names them.
QList<Var> storeCalls(const WizardAnswers& answers);

} // namespace WizardTables
