#pragma once

#include <QByteArray>
#include <QSet>

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

// The losses of config.cfg's `lines` in line order: one per line and reason, a line's reasons in
// the order its commands give them. `aliases` holds the names (lower case) of the aliases the
// chain defines, whose calls are no variables.
std::vector<Loss> find(const std::vector<QByteArray>& lines, const ArchivedCvars& archived,
                       const QSet<QByteArray>& aliases);

} // namespace ConfigLosses
