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

QString refusal(const QString& path)
{
    const QFileInfo file(path);
    const QString shownFile = QDir::toNativeSeparators(path);
    if (file.exists() && lacksWriteBits(file))
        return QStringLiteral("Cannot write %1: the file is read-only").arg(shownFile);
    const QFileInfo folder(file.absolutePath());
    const QString shownFolder = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.isDir())
        return QStringLiteral("Cannot write %1: the folder %2 does not exist").arg(shownFile, shownFolder);
    if (!lacksWriteBits(folder))
        return QString();
    // The new file is written beside the old one and then takes its place, so the folder must take
    // a new file even when the old one is writable; say so, or the cause looks wrong.
    if (file.exists())
        return QStringLiteral("Cannot write %1: the folder %2 is not writable (a save writes the new file beside the "
                              "old one)")
            .arg(shownFile, shownFolder);
    return QStringLiteral("Cannot write %1: the folder %2 is not writable").arg(shownFile, shownFolder);
}

} // namespace WriteCheck
