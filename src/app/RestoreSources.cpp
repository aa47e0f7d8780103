#include "app/RestoreSources.h"

#include "history/History.h"
#include "platform/FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace RestoreSources {

QList<RestoreSource> list(const QString& backupFile, const History& history, const QString& gamePath)
{
    QList<RestoreSource> sources;
    if (const QFileInfo file(backupFile); file.isFile())
        sources.append({RestoreSource::Kind::BackupFile, file.lastModified().toUTC(), QString(), 0});
    QList<RestoreSource> others;
    const QList<HistoryVersion> versions = history.versions(gamePath);
    for (qsizetype i = 0; i < versions.size(); ++i) {
        RestoreSource source{RestoreSource::Kind::Version, versions[i].time, versions[i].action, int(i + 1)};
        if (History::isBackup(versions[i].action, &source.name)) {
            source.kind = RestoreSource::Kind::Backup;
            sources.append(source);
        } else {
            others.append(source);
        }
    }
    return sources + others;
}

std::optional<QByteArray> bytes(const RestoreSource& source, const QString& backupFile, const History& history,
                                const QString& gamePath, QString* error)
{
    if (source.kind != RestoreSource::Kind::BackupFile) {
        std::optional<QByteArray> kept = history.bytes(gamePath, source.version);
        if (!kept && error) {
            *error = FileError::text({}, "cannotread", history.folderFor(gamePath),
                                     QStringLiteral("version %1 is no longer there").arg(source.version));
        }
        return kept;
    }
    QFile file(backupFile);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray all = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return all;
    }
    if (error)
        *error = FileError::text({}, "cannotread", backupFile, file.errorString());
    return std::nullopt;
}

} // namespace RestoreSources
