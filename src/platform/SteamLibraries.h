#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class MachineRegistry;

// Finding the game in Steam's libraries, for players who installed it through Steam (which
// writes no uninstall entry).
namespace SteamLibraries {

// The library folders named in a libraryfolders.vdf text: the current format ("path" entries
// in numbered blocks) and the old one (numbered entries holding the path).
QStringList libraryPaths(const QByteArray& vdfText);

// Where Steam may be installed on this machine: on Windows from the registry, elsewhere the
// usual folders under `home` (native, ~/.steam, Flatpak, Snap).
QStringList steamRoots(const MachineRegistry& registry, const QString& home);

// The game's cstrike folder (with a trailing '/') in the first library that has it, looking
// at each root itself and at the libraries its libraryfolders.vdf files name; empty if none.
QString findCstrike(const QStringList& roots);

} // namespace SteamLibraries
