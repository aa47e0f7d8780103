#pragma once

#include "chain/ConfigLosses.h"

#include <QByteArray>
#include <QString>

#include <vector>

class AppState;
class ArchivedCvars;

// Moving the lines of config.cfg that the game drops at exit into userconfig.cfg, which the game
// runs at the end of config.cfg and never rewrites. A moved line runs later than before (after
// the rest of config.cfg and after what userconfig.cfg already holds), so a line moves only when
// that changes nothing the game ends up with.
namespace UserconfigMove {

// Why a line the exit drops stays in config.cfg.
enum class Stay {
    Moves,          // it does not stay
    KeptInPart,     // the exit keeps a command of it, or it runs commands the program cannot follow
    UnknownKey,     // it binds a key the game does not know: no use in userconfig.cfg either
    RunsUserconfig, // it runs userconfig.cfg, which would then run itself
    SetAgainLater,  // a later line sets the same variable or alias: moved, it would win instead
};

struct LostLine {
    int line = 0;    // 1-based
    QByteArray text; // without its line end
    std::vector<ConfigLosses::Reason> reasons;
    Stay stay = Stay::Moves;

    bool moves() const { return stay == Stay::Moves; }
};

struct Plan {
    QString configPath;
    QString userconfigPath;
    std::vector<LostLine> lines; // every line the exit drops something of, in file order
    QByteArray configBefore;
    QByteArray configAfter;
    QByteArray userconfigBefore; // empty when the file is missing
    QByteArray userconfigAfter;
    bool userconfigExists = false;
    // config.cfg did not end with `exec userconfig.cfg`: the move appends one, so that the moved
    // lines run at start.
    bool addsExec = false;

    int movedLines() const;
    // False when no line moves: there is nothing to write.
    bool movesAny() const { return movedLines() > 0; }
};

// Reads the chain of the game folder `gameDir`, its config.cfg and its userconfig.cfg. False with
// `error` when config.cfg, or a userconfig.cfg that exists, cannot be read.
bool plan(const QString& gameDir, const ArchivedCvars& archived, Plan* plan, QString* error);

enum class Outcome { Moved, NothingToMove, Cancelled, Failed };

// Writes `plan` when it moves anything: both files are checked before either is written, both
// writes are shown to the state's reviewer at once, a version of each is kept, userconfig.cfg is
// written, then config.cfg; when the second write fails the first is put back. The working file
// is read again after a move. Failed with `error` leaves both files as they were.
Outcome write(AppState& state, const Plan& plan, QString* error);

} // namespace UserconfigMove
