#pragma once

#include "hud/HudInstall.h"

#include <QList>
#include <QString>

// Putting the game's own HUD sprites back: each slot's "<name>.orig", kept by the first install,
// is written over the installed sprite (beside it first, then renamed into place, so the game
// never reads half a sprite). The replaced sprite is kept as a version first. The .orig is removed
// once the game's file holds its bytes, so that the next install keeps the game's file afresh;
// until then, and whenever the restore fails, it stays where it is.
namespace HudRestore {

enum class Outcome { Restored, NothingToRestore, Failed };

struct SlotRestore {
    int slot = -1;
    Outcome outcome = Outcome::Failed;
    QString target; // the game file
    QString error;  // the file and the cause when it failed
};

// Restores slot `slot` under the game folder `cfgDir`, keeping the file it replaces with `keep`
// (action "HUD restore"; none: nothing kept). On failure the game's file is as it was.
SlotRestore restoreSlot(int slot, const QString& cfgDir, const HudInstall::KeepVersion& keep = {});

// Every slot in order, one result each; a failed slot does not stop the others.
QList<SlotRestore> restore(const QString& cfgDir, const HudInstall::KeepVersion& keep = {});

} // namespace HudRestore
