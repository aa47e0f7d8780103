#pragma once

#include <QString>

class SettingsStore;

// The program folder (qvl.ini, Languages, huds, backups) and the demo workspace.
namespace ProgramFolder {

// Where the program keeps its folder when no installer chose one: beside the executable on
// Windows, ~/.local/share/Quarvel elsewhere.
QString platformDefault(const QString& executableDir);

// The program's data files as installed or built: the first of the candidates that holds qvl.ini.
QString findDataDir(const QString& executableDir);

// Does what an installer would when `qvl_path` is missing: chooses the platform's folder,
// writes `qvl_path`, and fills the folder with the data files it lacks (never replacing one).
bool ensure(SettingsStore& settings, const QString& dataDir, const QString& executableDir, QString* error);

// Prepares the demo workspace in `dir` (made afresh when `reset`): a program folder, a game
// folder Half-Life/cstrike with sample configurations, and a private settings file whose path
// is returned. Files the user changed in an earlier demo run are kept.
QString prepareDemo(const QString& dir, const QString& dataDir, bool reset, QString* error);

// The default demo workspace, under the user's cache folder.
QString defaultDemoDir();

} // namespace ProgramFolder
