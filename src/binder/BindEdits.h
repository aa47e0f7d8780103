#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class CfgStore;

namespace ConsoleLine {
struct Command;
}

// Removals of single commands from the lines of the loaded store (memory only; the caller saves),
// for what a match by first command cannot reach: a bind that is not the first command of its
// line goes alone, and every other byte of the line stays as it was.
namespace BindEdits {

// Removes every command (as BindReader::commands splits lines) for which `remove` is true, and
// returns how many went. A line left with nothing but blanks goes with its line end; otherwise a
// removed command goes with the `;` that joins it to the rest of its line.
int removeCommands(CfgStore& store, const std::function<bool(const ConsoleLine::Command&)>& remove);

// Whether `command` binds `key` (in any spelling of the key), whatever it binds it to.
bool bindsKey(const ConsoleLine::Command& command, const QString& key);
// The composer alias (QVL_...) that `command` binds a key to, or empty: only a bind whose whole
// command is one such alias name counts, never a chain the user wrote (`QVL_y;+jump`).
QByteArray boundAlias(const ConsoleLine::Command& command);
// The composer alias that `command` defines, or empty.
QByteArray definedAlias(const ConsoleLine::Command& command);

} // namespace BindEdits
