#pragma once

#include "support/TempDir.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// What one run of the built qvl-cfg gave.
struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built qvl-cfg (or a copy of it) in `workingDir`, as a script would.
inline ToolRun runTool(const QString& workingDir, const QStringList& args,
                       const QString& program = QStringLiteral(QVL_CFG_PROGRAM))
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    // The user's own settings and program folder stay out of reach: the tool looks for them in
    // the working folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), workingDir + QStringLiteral("/user-config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), workingDir + QStringLiteral("/user-data"));
    environment.remove(QStringLiteral("QVL_SETTINGS"));
    process.setProcessEnvironment(environment);
    process.start(program, args);
    ToolRun run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run = {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    return run;
}

inline ToolRun runTool(const TempDir& dir, const QStringList& args)
{
    return runTool(dir.path(), args);
}
