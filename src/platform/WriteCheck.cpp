#include "platform/WriteCheck.h"

#include <QDir>
#include <QFileInfo>

namespace WriteCheck {

namespace {

bool lacksWriteBits(const QFileInfo& info)
{
    const QFileDevice::Permissions p = info.permissions();
    return !(p & QFileDevice::WriteUser) ||
           !(p & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

} // namespace

QString refusal(const QString& path, const FileError::Texts& texts)
{
    const QFileInfo file(path);
    if (file.exists() && lacksWriteBits(file))
        return FileError::text(texts, "filereadonly", path);
    const QFileInfo folder(file.absolutePath());
    const QString shownFolder = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.isDir())
        return FileError::text(texts, "foldermissing", path, shownFolder);
    if (!lacksWriteBits(folder))
        return QString();
    // The new file is written beside the old one and then takes its place, so the folder must take
    // a new file even when the old one is writable; say so, or the cause looks wrong.
    return FileError::text(texts, file.exists() ? "folderreadonlysave" : "folderreadonly", path, shownFolder);
}

} // namespace WriteCheck
