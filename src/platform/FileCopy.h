#pragma once

#include "platform/FileError.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace FileCopy {

// Copies `source` into `folder` under its own name, replacing an existing file only once the
// whole copy is written. False, with `error` naming the file and the cause, when the source
// cannot be read, the folder is missing or not writable, or the target is read-only; the target
// is then left as it was. The error is in the words of `texts`.
bool copyIntoFolder(const QString& source, const QString& folder, QString* error = nullptr,
                    const FileError::Texts& texts = {});

// The whole of the file `path`; nothing, with `error` naming the file and the cause (in the words
// of `texts`), when it cannot be opened or read to its end.
std::optional<QByteArray> readWhole(const QString& path, QString* error = nullptr, const FileError::Texts& texts = {});
// The same into `bytes`, which is left alone on failure.
bool readWhole(const QString& path, QByteArray* bytes, QString* error = nullptr, const FileError::Texts& texts = {});

// Writes `bytes` to `path` through a temporary file beside it that then takes its place, so that
// `path` holds either all of its old bytes or all of the new ones. A read-only file, a folder in
// its place or a failed write is refused with `error` naming the file and the cause (in the words
// of `texts`), and the file is left as it was.
bool writeWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                const FileError::Texts& texts = {});

// Puts `path` back as it was before a write that has to be taken back: `before` written whole, or,
// without it (there was no file), the file removed. False with `error` (in the words of `texts`)
// when that fails.
bool putBack(const QString& path, const std::optional<QByteArray>& before, QString* error = nullptr,
             const FileError::Texts& texts = {});

// Copies the tree under `from` into `to`, leaving every file that already exists alone.
bool copyMissing(const QString& from, const QString& to);

} // namespace FileCopy
