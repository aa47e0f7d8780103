#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {

// The settings file by one spelling, whatever links or `..` name it by: made or not, its
// folder decides.
QString identity(const QString& settingsPath)
{
    if (settingsPath.isEmpty())
        return QStringLiteral("registry:") + QDir::homePath(); // one key per user
    const QFileInfo file(settingsPath);
    QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = file.absolutePath();
    QString path = QDir::cleanPath(folder + QLatin1Char('/') + file.fileName());
#ifdef Q_OS_WIN
    path = path.toLower(); // one file by any case of its name
#endif
    return path;
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsPath, QObject* parent)
    : QObject(parent)
    , m_settingsPath(settingsPath)
{}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim()
{
    if (!m_settingsPath.isEmpty())
        QDir().mkpath(QFileInfo(m_settingsPath).absolutePath()); // the settings would make it anyway
    const QString id = identity(m_settingsPath);
    m_lockPath = m_settingsPath.isEmpty() ? QDir::tempPath() + QStringLiteral("/Quarvel-registry.instance.lock")
                                          : id + QStringLiteral(".instance.lock");
    m_serverName =
        QStringLiteral("Quarvel-") +
        QString::fromLatin1(QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha256).toHex().left(24));

    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A running program holds the file however long it runs; the lock of one that is gone is
    // stale at once (the lock file names the process).
    m_lock->setStaleLockTime(0);
    bool locked = m_lock->tryLock(0);
    if (!locked && m_lock->error() == QLockFile::LockFailedError && !m_lock->getLockInfo(nullptr, nullptr, nullptr)) {
        // A lock file that names no process belongs to none: a running holder keeps it from
        // being removed.
        if (m_lock->removeStaleLockFile())
            locked = m_lock->tryLock(0);
    }
    if (locked) {
        listen();
        return Claim::Taken;
    }
    if (m_lock->error() != QLockFile::LockFailedError)
        return Claim::Taken; // no lock can be made there (a read-only folder): nothing to guard against
    return askToComeForward() ? Claim::CameForward : Claim::AnotherSilent;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A program that crashed may have left its socket behind; the lock says none runs now.
    QLocalServer::removeServer(m_serverName);
    m_server->listen(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        // A connection is the whole request.
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            socket->abort();
            socket->deleteLater();
        }
        Q_EMIT activationRequested();
    });
}

bool SingleInstance::askToComeForward() const
{
    // The first program may be between taking the lock and listening: try until the wait ends.
    const QDeadlineTimer deadline(answerWait);
    QLocalSocket socket;
    do {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.disconnectFromServer();
            return true;
        }
        socket.abort();
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}
