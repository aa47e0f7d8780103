#pragma once

#include "chain/StartChain.h"
#include "keys/BindReader.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// How one key stands once the game has run its start chain, seen from the working file.
struct KeyStanding {
    enum class State {
        Free,      // nothing binds it
        Here,      // the working file binds it, and the game keeps that bind
        Elsewhere, // another file of the chain binds it; the working file does not
        Replaced,  // the working file binds it, but a file the game runs later binds or clears it again
    };
    State state = State::Free;
    // Here: the working file's command. Elsewhere: the command in effect.
    QByteArray command;
    // Elsewhere: the bind in effect. Replaced: the line that replaced or cleared the working
    // file's bind.
    ChainPlace place;
    // That line's command as written there: `bind "f" "+buy_ak"`, `unbindall`, `unbind f`.
    QByteArray what;
    // The last bind of the key in a file other than the working file that the game does not
    // keep, because a later line binds or clears the key again (a bind in autoexec.cfg that
    // config.cfg's unbindall wipes): its line and command, and the line that undid it. No place
    // when there is none.
    ChainPlace lostPlace;
    QByteArray lostWhat;
    ChainPlace lostBy;
    QByteArray lostByWhat;
};

// The line of a file the game runs after the working file that has the last word on a key.
struct LaterBind {
    ChainPlace place;
    QByteArray what;   // its command as written there
    bool binds = true; // false when it clears the key (unbind, unbindall, an empty bind)
};

namespace ChainKeys {

// The keys the working file `workingFile` (relative to `gameDir`) binds, as `working` read it,
// and the keys the chain leaves bound, by the game's spelling of each. A working file the
// chain does not run keeps all its binds (the user runs it by hand, after the chain).
QHash<QString, KeyStanding> standings(const StartChain& chain, const QString& gameDir, const QString& workingFile,
                                      const BindReading& working);

// Whether a bind of `key` written into the working file would be undone by a file the game
// runs after the working file has started (a file it runs counts too: the game's own rewrite of
// config.cfg puts its binds before its last exec), and by which line. Runs the chain again with
// the working file binding the key before its first line; reads the game folder only. None for
// a working file the chain does not run.
std::optional<LaterBind> laterBind(const QString& gameDir, const QString& workingFile, const QString& key);

} // namespace ChainKeys
