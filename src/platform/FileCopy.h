#pragma once

#include <QString>

namespace FileCopy {

// Copies `source` into `folder` under its own name, replacing an existing file only once the
// whole copy is written. False when the source is missing or the copy cannot be made.
bool copyIntoFolder(const QString& source, const QString& folder, QString* error = nullptr);

// Copies the tree under `from` into `to`, leaving every file that already exists alone.
bool copyMissing(const QString& from, const QString& to);

} // namespace FileCopy
