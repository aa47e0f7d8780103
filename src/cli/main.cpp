#include "cli/CfgTool.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QFile outFile;
    QFile errFile;
    (void)outFile.open(stdout, QIODevice::WriteOnly);
    (void)errFile.open(stderr, QIODevice::WriteOnly);
    QTextStream out(&outFile);
    QTextStream err(&errFile);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return runCfgTool(args, out, err);
}
