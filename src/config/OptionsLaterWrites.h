#pragma once

#include "config/LaterSettings.h"
#include "config/OptionsLines.h"

#include <QList>

class AppState;

// Apply's answer to changes the game would not keep: a file it runs after the working file sets
// them again. Apply asks once, listing them: write each into the file that wins, write them
// into the working file anyway, or write nothing.
namespace OptionsLaterWrites {

struct Plan {
    bool cancelled = false;
    QList<OptionWrite> here; // into the working file
    struct There {
        LaterSetting later; // the line that wins, and so the file to write into
        OptionWrite write;
    };
    QList<There> there;
};

// Splits `changes` by the user's answer, asked through the dialogs only when a later file sets
// one of them again.
Plan plan(AppState& state, const QList<OptionWrite>& changes);

// Makes the writes of `there`, each in its own file of the game folder, one file after another
// (loaded, changed, saved safely). An error is shown through the dialogs and stops before the
// next file; returns false then. `written` tells whether a file changed.
bool writeThere(AppState& state, const QList<Plan::There>& there, bool* written);

} // namespace OptionsLaterWrites
