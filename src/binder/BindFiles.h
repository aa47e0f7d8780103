#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class AppState;

// The binder's file operations on the working file, on autoexec.cfg in the
// same folder and, for the removal of the composer's aliases, on every configuration file there.
// Each operation loads its files as they are on disk and makes its edits in memory, so that an
// edit another part of the program left unsaved in the working store is never written by the
// binder; then it shows all its writes at once (AppState::reviewWrites) and, when they may be
// made, keeps each file's bytes before as a version and writes it whole. The working store holds
// the working file afterwards as it is on disk. Each returns false with an error text that names
// the file and the cause, or with an empty error when the writes were declined and nothing was
// written. None shows a dialog.
namespace BindFiles {

inline constexpr char AutoexecName[] = "autoexec.cfg";

// Writes the alias line `alias "QVL_KEY" "BODY"` into autoexec.cfg, which the first bind creates
// holding "unbindall", then the bind line `bind "KEY" "QVL_KEY"` into the working file, or into
// the file at `into` when one is given (a file the game runs later that would undo it). When the
// bind cannot be written, autoexec.cfg is put back as it was (or removed again), so no half of
// the pair stays on disk. A body the game would misread (a double quote, a line break, more than
// Composer::MaxArgument bytes) is refused unwritten.
bool WriteBind(AppState& state, const QString& key, const QByteArray& body, QString* error = nullptr,
               const QString& into = QString());

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
