#pragma once

#include "platform/FileError.h"

#include <QString>

// Whether a file may be replaced by a new one written beside it, as an atomic save and a copy do.
// The permission bits decide, not only access(2): an administrator may write anything, yet a file
// or a folder marked read-only must stay as it is.
namespace WriteCheck {

// Why `path` may not be written, as the message shown to the user ("Cannot write <file>: ...") in
// the words of `texts`; the empty text when nothing stands in the way.
QString refusal(const QString& path, const FileError::Texts& texts = {});

} // namespace WriteCheck
