#pragma once

#include <QByteArray>
#include <QString>

class CfgStore;

// Edits of bind and alias lines in the loaded store (memory only; the caller saves). A line is
// a bind of a key when its first command is `bind` and that key, compared as the game compares
// key names, whatever it holds after the command.
namespace BindLines {

// Makes `key` (any spelling the game knows) bound to `command`: replaces the lines that bind
// the key by `bind "KEY" "COMMAND"` in the game's spelling, or adds that line at the end. When
// a later unbind or unbindall would undo the line, it goes to the end instead.
void setBind(CfgStore& store, const QString& key, const QByteArray& command);

// Removes the first command of the lines that bind `key` (a line holding only that command goes
// away). Returns how many lines did.
int removeBinds(CfgStore& store, const QString& key);

// Removes the binds whose command is a composer alias (QVL_...). Returns how many.
int removeAliasBinds(CfgStore& store);

// Sets `alias "NAME" "BODY"`, replacing the lines that define that alias.
void setAlias(CfgStore& store, const QString& name, const QByteArray& body);

// Removes the definitions of composer aliases (QVL_...), keeping every other line. Returns how
// many.
int removeAliasDefinitions(CfgStore& store);

} // namespace BindLines
