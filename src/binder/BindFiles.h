#pragma once

#include <QByteArray>
#include <QString>

class AppState;

// The binder's file operations on the working file (CfgDir + CfgFile) and on autoexec.cfg in
// the same folder, through the one store. Each returns false with an error text that names the
// file and the cause; the store holds the working file afterwards, freshly loaded, unless
// loading it is what failed. None shows a dialog.
namespace BindFiles {

inline constexpr char AutoexecName[] = "autoexec.cfg";

// Creates CfgDir + autoexec.cfg holding "unbindall" when it does not exist; an existing file is
// left alone.
bool ensureAutoexec(const QString& cfgDir, QString* error = nullptr);

// Writes the alias line `alias "QVL_KEY" "BODY"` into autoexec.cfg, then the bind line
// `bind "KEY" "QVL_KEY"` into the working file. When the bind cannot be written, autoexec.cfg
// is put back as it was, so no half of the pair stays on disk. A body the game would misread (a
// double quote, a line break, more than Composer::MaxArgument bytes) is refused unwritten.
bool WriteBind(AppState& state, const QString& key, const QByteArray& body, QString* error = nullptr);

// Removes the working file's binds of `key`; `removed` (optional) gets how many lines went.
bool UnbindKey(AppState& state, const QString& key, QString* error = nullptr, int* removed = nullptr);

// Removes the composer's aliases: the binds of QVL_ aliases from the working file, then their
// definitions from autoexec.cfg (created holding "unbindall" when missing). Every other line
// stays.
bool RemoveAllAliases(AppState& state, QString* error = nullptr);

} // namespace BindFiles
