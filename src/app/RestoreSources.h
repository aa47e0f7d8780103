#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class History;

// What Restore CFG can put back into a configuration file: the backup file in the program folder
// (one per file name, as Backup CFG has always written it), the backups kept in the history, and
// the history's other versions.
struct RestoreSource {
    enum class Kind { BackupFile, Backup, Version };
    Kind kind = Kind::Version;
    QDateTime time;  // UTC: when it was saved or kept
    QString name;    // a backup's name, a version's action; empty for the backup file
    int version = 0; // the history's number (1 = the newest); 0 for the backup file
};

namespace RestoreSources {

// The backup file `backupFile` when it is there, then the backups of `gamePath` in `history`,
// then its other versions, each group newest first.
QList<RestoreSource> list(const QString& backupFile, const History& history, const QString& gamePath);

// The bytes `source` holds; nothing, with `error` naming the file and the cause, when they cannot
// be read.
std::optional<QByteArray> bytes(const RestoreSource& source, const QString& backupFile, const History& history,
                                const QString& gamePath, QString* error);

} // namespace RestoreSources
