#pragma once

#include "config/CfgStore.h"

#include <QObject>
#include <QString>

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

    // Reads path() into the store; on failure the store is left as it was.
    bool load(QString* error = nullptr) { return m_store.LoadCfg(path(), error); }
    // Saves the store into the file it came from, then reads path().
    bool save(QString* error = nullptr) { return m_store.SaveCfg(path(), error); }

Q_SIGNALS:
    void workingFileChanged(const QString& path);

private:
    void announce(const QString& before);

    QString m_folder;
    QString m_file;
    CfgStore m_store;
};
