#include "config/WorkingConfig.h"

#include <QDir>
#include <QFile>

void WorkingConfig::setFolder(const QString& folder)
{
    if (folder != m_folder)
        m_undoable = m_undone = 0;
    const QString before = path();
    m_folder = folder;
    announce(before);
}

void WorkingConfig::setWorkingFile(const QString& name)
{
    if (name != m_file)
        m_undoable = m_undone = 0;
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
    return !m_history || m_history->keep(gamePath, action, error);
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

void WorkingConfig::countWrite()
{
    // Each write keeps one version before it, so the writes since the last undo can be taken back
    // one after another; a write after undos starts the count anew.
    m_undoable = m_undone == 0 ? m_undoable + 1 : 1;
    m_undone = 0;
}

bool WorkingConfig::undoLastWrite(QString* error)
{
    if (!m_history || m_undoable == 0)
        return false;
    // Each undo keeps the bytes it replaces as a version of its own, so the version that the
    // write before an earlier undo replaced lies two further down.
    if (!m_history->restore(path(), 1 + 2 * m_undone, error))
        return false;
    ++m_undone;
    --m_undoable;
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
    if (file.open(QIODevice::ReadOnly) && file.readAll() == *wanted)
        return true;
    file.close();
    if (!m_history->restore(path(), n, error))
        return false;
    countWrite();
    Q_EMIT fileWritten(path());
    return load(error);
}

bool WorkingConfig::load(QString* error)
{
    if (!m_store.LoadCfg(path(), error))
        return false;
    if (m_history && m_history->noticeOutsideChange(path(), m_store.loadedBytes()))
        Q_EMIT changedOutside(path());
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
