#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

// A program killed while it took the settings lock leaves the lock file empty, naming no owner,
// and QSettings would wait 30 seconds for it to turn stale before every write until then. Such
// a lock has no holder to wait for: it goes at once. (A lock that names a process is Qt's to judge.)
void removeOwnerlessLock(const QString& iniPath)
{
    QLockFile lock(iniPath + QStringLiteral(".lock"));
    qint64 pid = 0;
    QString host;
    QString app;
    if (QFileInfo::exists(iniPath + QStringLiteral(".lock")) && !lock.getLockInfo(&pid, &host, &app))
        lock.removeStaleLockFile();
}

} // namespace

QtSettingsStore::QtSettingsStore(QString iniPath)
    : m_iniPath(std::move(iniPath))
{
#ifndef Q_OS_WIN
    if (m_iniPath.isEmpty())
        m_iniPath = defaultIniPath();
#endif
}

QString QtSettingsStore::defaultIniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quarvel/settings.ini");
}

QString QtSettingsStore::overridePath(const QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--settings") && i + 1 < args.size())
            return args[i + 1];
        if (args[i].startsWith(QLatin1String("--settings=")))
            return args[i].mid(11);
    }
    return qEnvironmentVariable("QVL_SETTINGS");
}

std::unique_ptr<QSettings> QtSettingsStore::open() const
{
    if (m_iniPath.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quarvel"));
    // The key is created when missing: an INI file that does not exist yet is made empty.
    if (!QFileInfo::exists(m_iniPath)) {
        QDir().mkpath(QFileInfo(m_iniPath).absolutePath());
        QFile touch(m_iniPath);
        (void)touch.open(QIODevice::WriteOnly);
    }
    return std::make_unique<QSettings>(m_iniPath, QSettings::IniFormat);
}

QString QtSettingsStore::place() const
{
    return m_iniPath.isEmpty() ? QStringLiteral("HKEY_CURRENT_USER\\Software\\Quarvel")
                               : QDir::toNativeSeparators(m_iniPath);
}

QString QtSettingsStore::readText(const QString& name)
{
    return open()->value(name).toString();
}

bool QtSettingsStore::writeText(const QString& name, const QString& value, QString* error)
{
    const std::unique_ptr<QSettings> settings = open();
    // A value already stored is not written again: every write replaces the file and waits for
    // the disk, and the program stores the same folder and file at every start.
    if (settings->contains(name) && settings->value(name).toString() == value)
        return true;
    const auto refuse = [&](const QString& cause) {
        if (error)
            *error = QStringLiteral("Cannot store the setting %1 in %2: %3").arg(name, place(), cause);
        return false;
    };
    const QFileInfo info(m_iniPath);
    // The permission bits decide, not only access(2): an administrator may write any file, yet a
    // settings file marked read-only must not be swapped out by QSettings' atomic replace.
    const QFileDevice::Permissions perms = info.permissions();
    const bool readOnly = !(perms & QFileDevice::WriteUser) ||
                          !(perms & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    if (!m_iniPath.isEmpty() && info.exists() && readOnly)
        return refuse(QStringLiteral("the file is read-only"));
    if (!m_iniPath.isEmpty())
        removeOwnerlessLock(m_iniPath);
    settings->setValue(name, value);
    settings->sync();
    switch (settings->status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        return refuse(QStringLiteral("access denied"));
    case QSettings::FormatError:
        return refuse(QStringLiteral("the file is not a settings file that can be read"));
    }
    return refuse(QStringLiteral("unknown error"));
}
