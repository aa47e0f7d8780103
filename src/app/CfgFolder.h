#pragma once

#include <QString>
#include <QStringList>

// Finding the game's configuration folder and listing the configuration files in it.
namespace CfgFolder {

// Where the game's uninstall entry is kept under HKEY_LOCAL_MACHINE, and its value.
QString uninstallKey();
QString uninstallValue();

// The cstrike folder derived from the uninstall command: the second path (after the last
// drive colon) and the uninstaller's file name are cut off, then "cstrike\" is appended.
QString folderFromUninstallString(const QString& command);

// True for the names the list leaves out: server.cfg, listenserver.cfg, autoexec.cfg, game.cfg
// (exact letter case).
bool isLeftOut(const QString& name);

// The *.cfg files in `dir` (hidden ones too, no folders) in the order the file system
// gives them, without the left-out names.
QStringList listCfgFiles(const QString& dir);

// The entry to select: the one equal to `remembered` without regard to case, else
// "config.cfg" without regard to case, else the first; -1 for an empty list.
int pickEntry(const QStringList& entries, const QString& remembered);

// `dir` with a trailing separator ('/' added when it ends in neither '/' nor '\').
QString withTrailingSeparator(const QString& dir);

} // namespace CfgFolder
