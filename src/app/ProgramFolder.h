#pragma once

#include <QString>
#include <QStringList>

class ArchivedCvars;
class SettingsStore;

// The program folder (qvl.ini, Languages, huds, backups) and the demo workspace.
namespace ProgramFolder {

// Where the program keeps its folder when no installer chose one: beside the executable on
// Windows, ~/.local/share/Quarvel elsewhere.
QString platformDefault(const QString& executableDir);

// Where the program's read-only data files (qvl.ini, Languages, huds, demo) may be, best first:
// data/ beside the executable (a Windows copy, and the build tree, which links it to the source
// tree's data/), then ../share/quarvel (installed under a prefix: bin/qvl, share/quarvel).
QStringList dataDirCandidates(const QString& executableDir);

// The folder `cache` in the program folder named by the settings, where drawn pictures are kept;
// empty while the settings name no program folder.
QString cacheDir(SettingsStore& settings);

// The first candidate that holds qvl.ini, or an empty text when none does.
QString findDataDir(const QString& executableDir);

// Reads the list of archived variables from the data folder findDataDir finds. False with
// `error` (naming the folders looked in, or the file) when there is none or it cannot be read.
bool loadArchivedCvars(const QString& executableDir, ArchivedCvars* archived, QString* error);

// The error shown when findDataDir finds nothing: it names the folders looked in.
QString missingDataError(const QString& executableDir);

// Does what an installer would when `qvl_path` is missing: chooses the platform's folder,
// writes `qvl_path`, and fills the folder with the data files it lacks (never replacing one).
// Without data files (an empty `dataDir`) it fails and writes nothing.
bool ensure(SettingsStore& settings, const QString& dataDir, const QString& executableDir, QString* error);

// Prepares the demo workspace in `dir` (made afresh when `reset`): a program folder, a game
// folder Half-Life/cstrike with sample configurations, and a private settings file whose path
// is returned. Files the user changed in an earlier demo run are kept.
QString prepareDemo(const QString& dir, const QString& dataDir, bool reset, QString* error);
// The settings file of the demo workspace in `dir`, made or not.
QString demoSettingsPath(const QString& dir);

// The default demo workspace, under the user's cache folder.
QString defaultDemoDir();

} // namespace ProgramFolder
