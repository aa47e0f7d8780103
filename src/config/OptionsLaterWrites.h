#pragma once

#include "config/CfgStore.h"
#include "config/LaterSettings.h"
#include "config/OptionsLines.h"
#include "history/PendingWrite.h"

#include <QList>
#include <QStringList>

#include <vector>

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

// The writes of `there` made in stores of their own, one per file of the game folder, each loaded
// from its file as it is now; nothing is saved yet. A file that cannot be read is shown through
// the dialogs and gives false.
bool prepareThere(AppState& state, const QList<Plan::There>& there, std::vector<CfgStore>* stores);
// What saving `stores` would write, one entry per file, for the review.
QList<PendingWrite> pending(const std::vector<CfgStore>& stores);
// Saves each store that changed into its file, one after another, each safely and after keeping
// the file's bytes as a version. An error is shown through the dialogs and stops before the next
// file; returns false then. `written` tells whether a file changed.
bool writeThere(AppState& state, std::vector<CfgStore>& stores, bool* written);

} // namespace OptionsLaterWrites
