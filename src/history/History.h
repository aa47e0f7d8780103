#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// One kept version of a game file, as listed: newest first, number 1 the newest.
struct HistoryVersion {
    QDateTime time; // UTC: when it was kept (for "changed outside", when the change was noticed)
    QString action; // what was about to write the file ("Apply", "restore", "qvl-cfg set", ...)
    qint64 size = 0;
};

// The earlier versions of the game files the program writes, kept in the program folder's
// `history/` so that any write can be undone.
//
// Each game file has a folder of its own there, `<file name>-<hash>`: the file name (characters
// other than letters, digits, '.', '-' and '_' as '_') and the first 16 hex digits of the SHA-256 of
// its absolute path (its folder's path with links resolved; in lower case on Windows, where
// letter case does not tell files apart). The folder holds `path.txt` (the game file's path, for
// people), one `<number>.version` file per version (see VersionFile) and `seen`, the SHA-256
// of the bytes the program last wrote or saw in the file.
//
// Callers write a game file in three steps: keep() before the write (and no write when it
// fails), the write, then written(). When a file is read, noticeOutsideChange() tells whether
// someone else changed it since.
class History final {
public:
    static constexpr int MaxVersions = 100;
    static constexpr qint64 MaxBytes = 20 * 1024 * 1024; // of the kept versions' bytes, per file
    static constexpr QLatin1StringView Restore{"restore"};
    static constexpr QLatin1StringView ChangedOutside{"changed outside"};
    static constexpr QLatin1StringView Undo{"undo"};
    // A backup's action is this word, ": " and the name the user gave it.
    static constexpr QLatin1StringView Backup{"backup"};

    using Clock = std::function<QDateTime()>;

    // `root` is the history folder itself (see in()); `clock` gives the time (now without one).
    explicit History(QString root, Clock clock = {});
    // The history kept in the program folder `programFolder`.
    static History in(const QString& programFolder, Clock clock = {});

    const QString& root() const { return m_root; }
    // The folder that holds the versions of `gamePath`.
    QString folderFor(const QString& gamePath) const;

    // Keeps the bytes `gamePath` holds now as its newest version, under `action`, unless they are
    // the newest version already; then drops the oldest versions beyond MaxVersions or MaxBytes
    // (never the one just kept). A missing file has nothing to keep. False with `error` when the
    // version cannot be kept: the caller must then leave the file as it is.
    bool keep(const QString& gamePath, const QString& action, QString* error = nullptr);
    // Keeps the bytes `gamePath` holds now as a backup named `name`, even when they are the newest
    // version already. Backups go last when the limits drop versions (after every other one but
    // the one just kept). A missing file is an error.
    bool keepBackup(const QString& gamePath, const QString& name, QString* error = nullptr);
    // The action of a backup named `name` (tabs and line ends in it made blanks).
    static QString backupAction(const QString& name);
    // Whether `action` is a backup's; its name in `name`.
    static bool isBackup(const QString& action, QString* name = nullptr);
    // Records the bytes `gamePath` holds now as the ones the program wrote, after a write.
    bool written(const QString& gamePath, QString* error = nullptr);

    QList<HistoryVersion> versions(const QString& gamePath) const;
    // The bytes of version n (1 = the newest); nothing when there is no such version.
    std::optional<QByteArray> bytes(const QString& gamePath, int n) const;
    // Puts version n back into `gamePath`, keeping the bytes it holds now as a version first
    // (action "restore"), so that the restore itself can be undone. False with `error` when
    // there is no version n, or it cannot be kept or written; the file is then as it was.
    bool restore(const QString& gamePath, int n, QString* error = nullptr);
    // Puts `bytes` into `gamePath` as restore() does, keeping the bytes it holds now under `action`.
    bool put(const QString& gamePath, const QByteArray& bytes, const QString& action, QString* error = nullptr);

    // Whether `current`, the bytes just read from `gamePath`, differ from the bytes the program
    // last wrote or saw there. A change is kept as a version of its own (action "changed
    // outside", at the time it is noticed) and the new bytes become the ones seen; the first
    // look at a file only records them. False with `error` set when the record fails.
    bool noticeOutsideChange(const QString& gamePath, const QByteArray& current, QString* error = nullptr);

private:
    struct Entry {
        QString file; // the version file's path
        qint64 number = 0;
        qint64 size = 0;
        bool backup = false;
    };
    // The folder's version files, oldest first.
    QList<Entry> entries(const QString& folder) const;
    // Keeps `bytes` under `action`; unless `always`, not when the newest version holds them already.
    bool keepBytes(const QString& gamePath, const QByteArray& bytes, const QString& action, bool always,
                   QString* error);
    bool keepVersion(const QString& gamePath, const QString& action, bool always, QString* error);
    bool see(const QString& gamePath, const QByteArray& bytes, QString* error);
    void prune(QList<Entry> kept) const;
    QDateTime now() const;

    QString m_root;
    Clock m_clock;
};
