#include "config/WorkingConfig.h"

#include "platform/FileCopy.h"

#include <QDir>
#include <QFile>

#include <utility>

void WorkingConfig::setFolder(const QString& folder)
{
    if (folder != m_folder)
        forgetWrites();
    const QString before = path();
    m_folder = folder;
    announce(before);
}

void WorkingConfig::setWorkingFile(const QString& name)
{
    if (name != m_file)
        forgetWrites();
    const QString before = path();
    m_file = name;
    announce(before);
}

void WorkingConfig::announce(const QString& before)
{
    if (path() != before)
        Q_EMIT workingFileChanged(path());
}

void WorkingConfig::setHistory(const QString& programFolder)
{
    if (programFolder.isEmpty())
        m_history.reset();
    else
        m_history.emplace(History::in(programFolder));
}

bool WorkingConfig::keepVersion(const QString& gamePath, const QString& action, QString* error)
{
    if (!m_history)
        return true;
    if (!m_history->keep(gamePath, action, error))
        return false;
    if (gamePath == path()) {
        QFile file(gamePath);
        m_beforeWrite = file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
    }
    return true;
}

void WorkingConfig::wroteFile(const QString& gamePath)
{
    if (m_history) {
        m_history->written(gamePath);
        if (gamePath == path())
            countWrite();
    }
    Q_EMIT fileWritten(gamePath);
}

bool WorkingConfig::writeFile(const QString& gamePath, const QByteArray& bytes, const QString& action, QString* error,
                              const FileError::Texts& texts)
{
    if (!keepVersion(gamePath, action, error) || !FileCopy::writeWhole(gamePath, bytes, error, texts)) {
        m_beforeWrite.reset();
        return false;
    }
    wroteFile(gamePath);
    return true;
}

void WorkingConfig::countWrite()
{
    // A write whose bytes before are unknown (the file did not exist, or no version was kept
    // before it) cannot be taken back, and neither can the writes before it.
    if (!m_beforeWrite) {
        forgetWrites();
        return;
    }
    m_undoBytes.push_back(*std::exchange(m_beforeWrite, std::nullopt));
    if (m_undoBytes.size() > std::size_t(History::MaxVersions))
        m_undoBytes.erase(m_undoBytes.begin());
}

void WorkingConfig::forgetWrites()
{
    m_undoBytes.clear();
    m_beforeWrite.reset();
}

bool WorkingConfig::undoLastWrite(QString* error)
{
    if (!m_history || m_undoBytes.empty())
        return false;
    // The undo keeps the bytes it replaces as a version of its own, so it can be undone in the
    // History window; it is no write Ctrl+Z takes back.
    if (!m_history->put(path(), m_undoBytes.back(), QString(History::Undo), error))
        return false;
    m_undoBytes.pop_back();
    Q_EMIT fileWritten(path());
    return load(error);
}

bool WorkingConfig::restoreVersion(int n, QString* error)
{
    const std::optional<QByteArray> wanted = m_history ? m_history->bytes(path(), n) : std::nullopt;
    if (!wanted) {
        if (error)
            *error = QStringLiteral("%1 has no version %2").arg(QDir::toNativeSeparators(path())).arg(n);
        return false;
    }
    QFile file(path());
    const std::optional<QByteArray> before =
        file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
    if (before == wanted)
        return true;
    // The history keeps the bytes it replaces as a version, and they are the bytes Ctrl+Z puts
    // back, as after any write.
    if (!m_history->put(path(), *wanted, QString(History::Restore), error))
        return false;
    m_beforeWrite = before;
    wroteFile(path());
    return load(error);
}

bool WorkingConfig::load(QString* error)
{
    if (!m_store.LoadCfg(path(), error))
        return false;
    if (m_history && m_history->noticeOutsideChange(path(), m_store.loadedBytes())) {
        // Undoing the program's writes now would throw the other program's change away.
        forgetWrites();
        Q_EMIT changedOutside(path());
    }
    Q_EMIT loaded(path());
    return true;
}

bool WorkingConfig::save(QString* error, const QString& action)
{
    const QString written = m_store.filePath();
    if (m_store.isModified() && !written.isEmpty() && !keepVersion(written, action, error))
        return false;
    if (!m_store.SaveCfg(path(), error))
        return false;
    if (m_store.lastSaveWrote())
        wroteFile(written);
    return true;
}
