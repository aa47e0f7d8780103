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

// Sets `alias "NAME" "BODY"`, replacing the lines that define that alias.
void setAlias(CfgStore& store, const QString& name, const QByteArray& body);

} // namespace BindLines
