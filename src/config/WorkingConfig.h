#pragma once

#include "config/CfgStore.h"
#include "history/History.h"
#include "platform/FileError.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// The working file: the game's configuration folder, the file the user works on there, and the
// one store that holds its lines. This is the only place the working file changes; every change
// is announced once with workingFileChanged. Loading is left to the caller, so that a store
// holding unsaved edits can still be saved into the file it came from.
class WorkingConfig final : public QObject {
    Q_OBJECT
public:
    explicit WorkingConfig(QObject* parent = nullptr)
        : QObject(parent)
    {}

    // The game's configuration folder, ending in a separator once the folder is known.
    QString folder() const { return m_folder; }
    // The working file's bare name.
    QString file() const { return m_file; }
    QString path() const { return m_folder + m_file; }

    CfgStore& store() { return m_store; }
    const CfgStore& store() const { return m_store; }

    void setFolder(const QString& folder);
    void setWorkingFile(const QString& name);

    // Where the earlier versions of the files the program writes are kept (none until set).
    void setHistory(const QString& programFolder);
    // Before a write of the game file `gamePath` by anyone: keeps the bytes it holds now as a
    // version named `action`. False with `error` when that fails: the caller must not write.
    // Without a history it keeps nothing and returns true.
    bool keepVersion(const QString& gamePath, const QString& action, QString* error = nullptr);
    // After a write of `gamePath`: its bytes are the program's own, no change from outside.
    // Announced with fileWritten.
    void wroteFile(const QString& gamePath);
    // The three steps of a write of the game file `gamePath` in one: keepVersion, the bytes
    // written whole (FileCopy::writeWhole, its errors in the words `texts` give), wroteFile.
    // False with `error` when the version cannot be kept or the write fails; the file is then
    // as it was.
    bool writeFile(const QString& gamePath, const QByteArray& bytes, const QString& action, QString* error,
                   const FileError::Texts& texts = {});
    // How many of the program's writes to the working file in this run can still be undone: the
    // writes since the working file was chosen or last changed by another program (at most
    // History::MaxVersions).
    int undoableWrites() const { return int(m_undoBytes.size()); }
    // Puts back the bytes the working file held before the program's last write not undone yet
    // (keeping the bytes it holds now as a version first, so the History window can take the undo
    // back), then reads it. False with `error` when there is no such write or it cannot be put
    // back; the write stays undoable then.
    bool undoLastWrite(QString* error = nullptr);
    // The kept versions of the game files (none without a history).
    const History* history() const { return m_history ? &*m_history : nullptr; }
    // Puts version n (1 = the newest) of the working file back, keeping the bytes it holds now as
    // a version first, then reads it; a write Ctrl+Z can undo. Nothing is written when the file
    // holds that version already. False with `error` when there is no history or no version n, or
    // it cannot be put back.
    bool restoreVersion(int n, QString* error = nullptr);

    // Reads path() into the store (announced with loaded); on failure the store is left as it
    // was. Bytes someone else wrote since the program last wrote or read the file are announced
    // with changedOutside.
    bool load(QString* error = nullptr);
    // Saves the store into the file it came from (keeping its bytes before as a version named
    // `action`), then reads path().
    bool save(QString* error = nullptr, const QString& action = QStringLiteral("Apply"));

Q_SIGNALS:
    void workingFileChanged(const QString& path);
    void changedOutside(const QString& path);
    // The program wrote the game file `path` (any file of the folder, not only the working one).
    void fileWritten(const QString& path);
    // The store holds the bytes of the working file `path` as just read.
    void loaded(const QString& path);

private:
    void announce(const QString& before);
    // One more write to the working file that an undo can take back.
    void countWrite();
    void forgetWrites();

    QString m_folder;
    QString m_file;
    CfgStore m_store;
    std::optional<History> m_history;
    // The working file's bytes before each of the program's writes that an undo can still take
    // back, the last write last.
    std::vector<QByteArray> m_undoBytes;
    // The working file's bytes when a version was last kept before a write to it.
    std::optional<QByteArray> m_beforeWrite;
};
