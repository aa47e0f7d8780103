#include "platform/FileCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileCopy {

bool copyIntoFolder(const QString& source, const QString& folder, QString* error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(source), in.errorString());
        return false;
    }
    const QString target = QDir(folder).filePath(QFileInfo(source).fileName());
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(source).canonicalFilePath())
        return true; // copying a file onto itself
    QSaveFile out(target);
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
        !out.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), out.errorString());
        return false;
    }
    return true;
}

bool copyMissing(const QString& from, const QString& to)
{
    bool ok = QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(src));
        if (QFileInfo::exists(target))
            continue;
        ok = QDir().mkpath(QFileInfo(target).absolutePath()) && ok;
        ok = QFile::copy(src, target) && ok;
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteUser);
    }
    return ok;
}

} // namespace FileCopy
