#pragma once

#include "support/TempDir.h"

#include <QProcess>
#include <QStringList>

// What a run of the built qvl-cfg gave.
struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built qvl-cfg in `dir`, as a separate program.
inline ToolRun runTool(const TempDir& dir, const QStringList& args)
{
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(QVL_CFG_PROGRAM), args);
    ToolRun run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run = {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    return run;
}
