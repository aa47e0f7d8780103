#pragma once

#include "config/ConsoleLine.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// What one console command does to the game's state, as far as the start chain follows it.
namespace ChainCommand {

enum class Kind {
    Other,          // anything else: echo, say, wait, +/- commands, alias calls, a lone name...
    Variable,       // NAME VALUE (exactly two tokens)
    Setinfo,        // setinfo KEY VALUE
    Alias,          // alias NAME [COMMANDS...]
    Bind,           // bind KEY COMMAND of a key the game knows; an empty COMMAND clears the key
    UnknownKeyBind, // bind KEY COMMAND of a key the game does not know
    Unbind,         // unbind KEY of a key the game knows
    Unbindall,
    Exec, // exec NAME
};

struct Reading {
    Kind kind = Kind::Other;
    // Variable, Setinfo, Alias: the name in lower case. Exec and UnknownKeyBind: the name as
    // written.
    QByteArray name;
    QString key; // Bind, Unbind: the key in the game's spelling (KeyNames::canonical)
    QByteArray value;
};

// Reads `command`; `aliases` holds the names (lower case) of the aliases defined so far, whose
// calls are no variables.
Reading read(const ConsoleLine::Command& command, const QSet<QByteArray>& aliases);

} // namespace ChainCommand
