#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Installing HUD sprites from the library in the program folder over the game's sprite files.
// Each install keeps the game's own file as "<name>.orig" first (once: an existing .orig is the
// game's and is never replaced), checks that the library file is a sprite, and writes the new file
// beside the old one before it takes its place, so the game never reads half a sprite.
namespace HudInstall {

constexpr int SlotCount = 3;

// One slot of the HUDs page: the list that offers it, its fixed entries, the game file it
// replaces (relative to the game's configuration folder, '/'-separated) and its setting.
struct Slot {
    QString list;
    QStringList entries;
    QString gameFile;
    QString setting;
};

// The three slots in order: digits, ammunition and armour; radar; sniper scope.
const QList<Slot>& slots();

// The two files of a library entry: the sprite that is installed, and its preview picture.
enum class LibraryFile { Sprite, Preview };

// The library's file of entry `entry`: <programDir>/huds/<entry>.spr for the sprite, .jpg for
// the preview.
QString libraryFile(const QString& programDir, const QString& entry, LibraryFile file);

// Keeps the bytes the game file `path` holds now as a version named `action` before it is
// replaced; false with `error` when it cannot, and the file must then stay as it is.
using KeepVersion = std::function<bool(const QString& path, const QString& action, QString* error)>;

struct SlotResult {
    int slot = -1;
    QString entry;
    bool installed = false;
    QString error;        // the file and the cause when not installed
    QString target;       // the game file written
    QString originalKept; // where the game's own file is kept; empty when the game had none
};

// Installs library entry `entry` into slot `slot` under the game folder `cfgDir`; creates a
// missing sprites folder. A game file that is there is first kept with `keep` (action "HUD
// install"; none: nothing kept), and a failure to keep it stops the slot with its error. On
// failure the game's file is as it was.
SlotResult installSlot(int slot, const QString& entry, const QString& programDir, const QString& cfgDir,
                       const KeepVersion& keep = {});

// Installs every slot whose entry is not empty, slot 0 first; one result per installed or failed
// slot. `entries` holds one entry per slot (missing or empty: the slot is skipped).
QList<SlotResult> install(const QStringList& entries, const QString& programDir, const QString& cfgDir,
                          const KeepVersion& keep = {});

} // namespace HudInstall
