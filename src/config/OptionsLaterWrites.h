#pragma once

#include "config/LaterSettings.h"
#include "config/OptionsLines.h"

#include <QList>
#include <QStringList>

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

// The three answers to the question whether to write where a change will work.
enum class Answer { WriteThere, WriteHere, Cancel };

// One entry of the question's list: "userconfig.cfg:12: cl_righthand "0"", where `what` is the
// line's setting as the game reads it.
QString listed(const QString& file, int line, const QString& what);
// Asks once whether to write the changes of the working file that the `listed` lines of later
// files undo into those files, into the working file anyway, or nowhere.
Answer ask(AppState& state, const QStringList& listed);

// Splits `changes` by the user's answer, asked through the dialogs only when a later file sets
// one of them again.
Plan plan(AppState& state, const QList<OptionWrite>& changes);

// Makes the writes of `there`, each in its own file of the game folder, one file after another
// (loaded, changed, saved safely). An error is shown through the dialogs and stops before the
// next file; returns false then. `written` tells whether a file changed.
bool writeThere(AppState& state, const QList<Plan::There>& there, bool* written);

} // namespace OptionsLaterWrites
