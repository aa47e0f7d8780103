#include "cli/HistoryCommands.h"

#include "app/ProgramFolder.h"
#include "config/CfgStore.h"
#include "config/Settings.h"
#include "history/History.h"
#include "platform/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTextStream>

namespace HistoryCommands {

namespace {

// Removes `--NAME VALUE` or `--NAME=VALUE` from `args`; the value, or nothing.
std::optional<QString> takeOption(QStringList& args, const QString& name)
{
    const QString flag = QStringLiteral("--") + name;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == flag && i + 1 < args.size()) {
            const QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(flag + u'=')) {
            const QString value = args.takeAt(i).mid(flag.size() + 1);
            return value;
        }
    }
    return std::nullopt;
}

int fail(QTextStream& err, const QString& message, int code)
{
    err << "qvl-cfg: " << message << '\n';
    return code;
}

} // namespace

QString takeRoot(QStringList& args)
{
    const std::optional<QString> history = takeOption(args, QStringLiteral("history"));
    const std::optional<QString> settings = takeOption(args, QStringLiteral("settings"));
    if (history)
        return *history;
    QtSettingsStore store(settings ? *settings : qEnvironmentVariable("QVL_SETTINGS"));
    // Reading the settings must not create a settings file where Quarvel never ran.
    QString programFolder;
    if (store.iniPath().isEmpty() || QFileInfo::exists(store.iniPath()))
        programFolder = store.readText(Setting::ProgramFolder.name);
    // Where Quarvel never ran, the folder it will choose at its first start keeps the versions.
    if (programFolder.isEmpty())
        programFolder = ProgramFolder::platformDefault(QCoreApplication::applicationDirPath());
    return History::in(programFolder).root();
}

bool handles(const QString& command)
{
    return command == QLatin1String("history") || command == QLatin1String("show") ||
           command == QLatin1String("restore");
}

int run(const QStringList& args, const QString& root, QTextStream& out, QTextStream& err)
{
    const QString& command = args[0];
    const qsizetype wanted = command == QLatin1String("history") ? 2 : 3;
    if (args.size() != wanted) {
        const QString on = args.size() > 1 ? QStringLiteral(" on %1").arg(args[1]) : QString();
        return fail(err,
                    QStringLiteral("'%1'%2 takes %3 argument(s) (see qvl-cfg --help)")
                        .arg(command, on, QString::number(wanted - 1)),
                    2);
    }
    const QString& file = args[1];
    bool number = true;
    const int n = wanted == 3 ? args[2].toInt(&number) : 0;
    if (!number || (wanted == 3 && n < 1))
        return fail(err, QStringLiteral("N must be a version number from 1 (see qvl-cfg --help)"), 2);
    History history(root);
    if (command == QLatin1String("history")) {
        const QList<HistoryVersion> versions = history.versions(file);
        for (qsizetype i = 0; i < versions.size(); ++i) {
            out << (i + 1) << '\t' << versions[i].time.toString(Qt::ISODate) << '\t' << versions[i].action << '\t'
                << versions[i].size << '\n';
        }
        return 0;
    }
    if (command == QLatin1String("show")) {
        const std::optional<QByteArray> bytes = history.bytes(file, n);
        if (!bytes)
            return fail(err, QStringLiteral("%1 has no version %2").arg(file).arg(n), 1);
        out.flush();
        out.device()->write(*bytes);
        return 0;
    }
    if (!history.bytes(file, n))
        return fail(err, QStringLiteral("%1 has no version %2").arg(file).arg(n), 1);
    QString error;
    return history.restore(file, n, &error) ? 0 : fail(err, error, 2);
}

int save(CfgStore& store, const QString& file, const QString& command, const QString& root, QTextStream& err)
{
    QString error;
    History history(root);
    QFile now(file);
    const QByteArray before = now.open(QIODevice::ReadOnly) ? now.readAll() : QByteArray();
    now.close();
    // A save that changes nothing writes nothing, so it keeps nothing either.
    if (store.text() != before) {
        if (history.noticeOutsideChange(file, before, &error); !error.isEmpty())
            return fail(err, error, 2);
        if (!history.keep(file, QStringLiteral("qvl-cfg ") + command, &error))
            return fail(err, error, 2);
    }
    if (!store.SaveCfg(file, &error))
        return fail(err, error, 2);
    // The file is written; a history that cannot note it only costs a false "changed outside".
    if (store.lastSaveWrote() && !history.written(file, &error))
        err << "qvl-cfg: warning: " << error << '\n';
    return 0;
}

} // namespace HistoryCommands
