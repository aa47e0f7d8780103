#include "platform/FileCopy.h"

#include "platform/WriteCheck.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileCopy {

bool copyIntoFolder(const QString& source, const QString& folder, QString* error, const FileError::Texts& texts)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(FileError::text(texts, "cannotread", source, in.errorString()));
    const QString target = QDir(folder).filePath(QFileInfo(source).fileName());
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(source).canonicalFilePath())
        return true; // copying a file onto itself
    // Refused up front, as the store's save is: a read-only file stays, and the cause is named.
    if (const QString refusal = WriteCheck::refusal(target, texts); !refusal.isEmpty())
        return fail(refusal);
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return fail(FileError::text(texts, "cannotread", source, in.errorString()));
    return writeWhole(target, bytes, error, texts);
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error, const FileError::Texts& texts)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (QFileInfo(path).isDir())
        return fail(FileError::text(texts, "cannotwrite", path, QStringLiteral("a folder of that name is in the way")));
    if (const QString refusal = WriteCheck::refusal(path, texts); !refusal.isEmpty())
        return fail(refusal);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return fail(FileError::text(texts, "cannotwrite", path, why));
    }
    return true;
}

std::optional<QByteArray> readWhole(const QString& path, QString* error, const FileError::Texts& texts)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    if (error)
        *error = FileError::text(texts, "cannotread", path, file.errorString());
    return std::nullopt;
}

bool readWhole(const QString& path, QByteArray* bytes, QString* error, const FileError::Texts& texts)
{
    std::optional<QByteArray> read = readWhole(path, error, texts);
    if (read)
        *bytes = std::move(*read);
    return read.has_value();
}

bool putBack(const QString& path, const std::optional<QByteArray>& before, QString* error,
             const FileError::Texts& texts)
{
    if (before)
        return writeWhole(path, *before, error, texts);
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = FileError::text(texts, "cannotdelete", path, file.errorString());
    return false;
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
