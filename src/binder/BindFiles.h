#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class AppState;

// The binder's file operations on the working file, on autoexec.cfg in the
// same folder and, for the removal of the composer's aliases, on every configuration file there.
// Each edit loads its file as it is on disk, changes it and saves it: the working file through the
// working store (which holds it afterwards as it is on disk), any other file through a store of
// its own, so that an edit another part of the program left unsaved in the working store is never
// written by the binder. Each returns false with an error text that names the file and the cause.
// None shows a dialog.
namespace BindFiles {

inline constexpr char AutoexecName[] = "autoexec.cfg";

// Writes the alias line `alias "QVL_KEY" "BODY"` into autoexec.cfg, which the first bind creates
// holding "unbindall", then the bind line `bind "KEY" "QVL_KEY"` into the working file. When the
// bind cannot be written, autoexec.cfg is put back as it was (or removed again), so no half of
// the pair stays on disk. A body the game would misread (a double quote, a line break, more than
// Composer::MaxArgument bytes) is refused unwritten.
bool WriteBind(AppState& state, const QString& key, const QByteArray& body, QString* error = nullptr);

// Removes every command of the working file that binds `key`, each alone: the rest of its line
// stays. `removed` (optional) gets how many went.
bool UnbindKey(AppState& state, const QString& key, QString* error = nullptr, int* removed = nullptr);

// The configuration files (*.cfg) of `cfgDir` that bind a key to a composer alias, by name.
QStringList filesBindingAliases(const QString& cfgDir);

// Removes the binds of composer aliases from each of `files` (names in the game folder), then the
// aliases' definitions from autoexec.cfg. A file that cannot be written keeps all its lines,
// and autoexec.cfg keeps the aliases its binds use; `error` then holds one line per such file.
bool RemoveAllAliases(AppState& state, const QStringList& files, QString* error = nullptr);

} // namespace BindFiles
