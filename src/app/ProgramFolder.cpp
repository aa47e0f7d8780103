#include "app/ProgramFolder.h"

#include "chain/ArchivedCvars.h"
#include "config/Settings.h"
#include "platform/FileCopy.h"
#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ProgramFolder {

namespace {

bool fillFrom(const QString& dataDir, const QString& programDir)
{
    bool ok = QDir().mkpath(programDir);
    ok = FileCopy::copyMissing(dataDir + QStringLiteral("/Languages"), programDir + QStringLiteral("/Languages")) && ok;
    ok = FileCopy::copyMissing(dataDir + QStringLiteral("/huds"), programDir + QStringLiteral("/huds")) && ok;
    const QString ini = programDir + QStringLiteral("/qvl.ini");
    if (!QFileInfo::exists(ini) && QFileInfo::exists(dataDir + QStringLiteral("/qvl.ini")))
        ok = FileCopy::copyIntoFolder(dataDir + QStringLiteral("/qvl.ini"), programDir) && ok;
    return ok;
}

} // namespace

QString platformDefault(const QString& executableDir)
{
#ifdef Q_OS_WIN
    return QDir::cleanPath(executableDir);
#else
    Q_UNUSED(executableDir);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quarvel");
#endif
}

QStringList dataDirCandidates(const QString& executableDir)
{
    return {
        QDir::cleanPath(executableDir + QStringLiteral("/data")),
        QDir::cleanPath(executableDir + QStringLiteral("/../share/quarvel")),
    };
}

bool loadArchivedCvars(const QString& executableDir, ArchivedCvars* archived, QString* error)
{
    const QString dataDir = findDataDir(executableDir);
    if (dataDir.isEmpty()) {
        if (error)
            *error = missingDataError(executableDir);
        return false;
    }
    return archived->load(ArchivedCvars::pathIn(dataDir), error);
}

QString findDataDir(const QString& executableDir)
{
    for (const QString& dir : dataDirCandidates(executableDir)) {
        if (QFileInfo(dir + QStringLiteral("/qvl.ini")).isFile())
            return dir;
    }
    return QString();
}

QString missingDataError(const QString& executableDir)
{
    QStringList places;
    for (const QString& dir : dataDirCandidates(executableDir))
        places << QDir::toNativeSeparators(dir);
    return QStringLiteral("Cannot find the program's data files (qvl.ini, Languages): looked in %1")
        .arg(places.join(QStringLiteral(" and ")));
}

QString cacheDir(SettingsStore& settings)
{
    QString dir = QDir::fromNativeSeparators(settings.read(Setting::ProgramFolder));
    while (dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/cache");
}

bool ensure(SettingsStore& settings, const QString& dataDir, const QString& executableDir, QString* error)
{
    if (!settings.read(Setting::ProgramFolder).isEmpty())
        return true;
    if (dataDir.isEmpty()) {
        if (error)
            *error = missingDataError(executableDir);
        return false;
    }
    const QString dir = platformDefault(executableDir);
    if (!fillFrom(dataDir, dir)) {
        if (error)
            *error = QStringLiteral("Cannot prepare the program folder %1").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    return settings.write(Setting::ProgramFolder, QDir::toNativeSeparators(dir), error);
}

QString defaultDemoDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Quarvel/demo");
}

QString demoSettingsPath(const QString& dir)
{
    return QDir::cleanPath(QDir(dir).absolutePath()) + QStringLiteral("/settings.ini");
}

QString prepareDemo(const QString& dir, const QString& dataDir, bool reset, QString* error)
{
    const QString root = QDir::cleanPath(QDir(dir).absolutePath());
    const QString programDir = root + QStringLiteral("/Quarvel");
    const QString cstrike = root + QStringLiteral("/Half-Life/cstrike");
    const QString settingsPath = demoSettingsPath(dir);
    if (reset && QFileInfo::exists(settingsPath)) {
        // Only what the demo made goes: the folder may hold other things of the user's.
        QDir(programDir).removeRecursively();
        QDir(root + QStringLiteral("/Half-Life")).removeRecursively();
        QFile::remove(settingsPath);
    }
    const bool fresh = !QFileInfo::exists(settingsPath);

    bool ok = fillFrom(dataDir, programDir);
    // The sample game folder is copied once: a file the user deleted in the demo stays deleted.
    if (fresh)
        ok = FileCopy::copyMissing(dataDir + QStringLiteral("/demo/cstrike"), cstrike) && ok;
    if (!ok) {
        if (error)
            *error = QStringLiteral("Cannot prepare the demo workspace in %1").arg(QDir::toNativeSeparators(root));
        return QString();
    }
    if (fresh) {
        QtSettingsStore settings(settingsPath);
        const bool written =
            settings.write(Setting::ProgramFolder, QDir::toNativeSeparators(programDir), error) &&
            settings.write(Setting::MouseButtons, 3, error) &&
            settings.write(Setting::GameFolder, QDir::toNativeSeparators(cstrike) + QDir::separator(), error) &&
            settings.write(Setting::WorkingFile, QStringLiteral("config.cfg"), error);
        if (!written)
            return QString();
    }
    return settingsPath;
}

} // namespace ProgramFolder
