#pragma once

#include "chain/ChainCommand.h"

#include <QByteArray>
#include <QSet>

#include <optional>
#include <vector>

class ArchivedCvars;

// What the game drops from config.cfg when it rewrites the file at exit. It writes back only
// `unbindall`, the binds of keys it knows, the archived variables, the setinfo keys and one
// `exec userconfig.cfg` at the end.
namespace ConfigLosses {

enum class Reason {
    Alias,       // alias definitions
    Comment,     // `//` comments, whole lines or after a command
    Exec,        // every exec but a last `exec userconfig.cfg`
    NotArchived, // variables the game does not keep in config.cfg
    UnknownKey,  // binds of keys the game does not know
};

// As qvl-cfg prints it: alias, comment, exec, not archived, unknown key.
const char* reasonText(Reason reason);

struct Loss {
    int line = 0; // 1-based
    Reason reason = Reason::Alias;
    friend bool operator==(const Loss&, const Loss&) = default;
};

// One command of config.cfg (the text between `;`s) as the game's exit treats it.
struct Command {
    int line = 0; // 1-based
    ChainCommand::Kind kind = ChainCommand::Kind::Other;
    QByteArray name;               // as ChainCommand::Reading gives it
    bool hasTokens = false;        // false for an empty command or a bare comment
    std::optional<Reason> dropped; // why the exit drops the command's tokens, if it lists them
    bool comment = false;          // a `//` comment ends the command
};

// Every command of config.cfg's `lines` in file order, empty ones included. `aliases` holds the
// names (lower case) of the aliases the chain defines, whose calls are no variables.
std::vector<Command> commands(const std::vector<QByteArray>& lines, const ArchivedCvars& archived,
                              const QSet<QByteArray>& aliases);

// The losses of config.cfg's `lines` in line order: one per line and reason, a line's reasons in
// the order its commands give them.
std::vector<Loss> find(const std::vector<QByteArray>& lines, const ArchivedCvars& archived,
                       const QSet<QByteArray>& aliases);

} // namespace ConfigLosses
