#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace ConsoleLine {
struct Command;
}

// Byte-exact removals of single commands from a configuration file's text, for what the store
// cannot edit: a bind that is not the first command of its line. Every byte of the file that
// does not belong to a removed command stays as it was.
namespace BindEdits {

// Removes from `bytes` every command (as BindReader::commands splits lines) for which `remove`
// is true, and returns how many went. A line left with nothing but blanks goes with its line end;
// otherwise a removed command goes with the `;` that joins it to the rest of its line.
int removeCommands(QByteArray& bytes, const std::function<bool(const ConsoleLine::Command&)>& remove);

// Whether `command` binds `key` (in any spelling of the key), whatever it binds it to.
bool bindsKey(const ConsoleLine::Command& command, const QString& key);
// The composer alias (QVL_...) that `command` binds a key to, or empty: only a bind whose whole
// command is one such alias name counts, never a chain the user wrote (`QVL_y;+jump`).
QByteArray boundAlias(const ConsoleLine::Command& command);
// The composer alias that `command` defines, or empty.
QByteArray definedAlias(const ConsoleLine::Command& command);

// A whole file, read or written. The write replaces the file only once all of it is written, and
// refuses a read-only file. Errors name the file and the cause.
bool readFile(const QString& path, QByteArray& bytes, QString* error);
bool writeFile(const QString& path, const QByteArray& bytes, QString* error);
// removeCommands on the file at `path`, which is written only when a command went; `removed`
// (optional) gets how many.
bool removeFromFile(const QString& path, const std::function<bool(const ConsoleLine::Command&)>& remove, int* removed,
                    QString* error);

} // namespace BindEdits
