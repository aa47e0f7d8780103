// The child of the crash test: saves through one writer in an endless loop, alternating between
// the two versions, and writes one byte to stdout after its first complete save so that the test
// knows the loop is running. It never stops by itself; the test kills it.
#include "CrashWriters.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    CrashWriters::Writer writer{};
    if (argc != 4 || !CrashWriters::fromName(QString::fromLocal8Bit(argv[1]), &writer)) {
        std::fprintf(stderr, "usage: crash_writer store|ini|language|settings|inplace DIR FIRST\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    int which = std::atoi(argv[3]) != 0 ? 1 : 0;
    for (bool first = true;; first = false) {
        QString error;
        if (!CrashWriters::write(writer, dir, which, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        if (first && ::write(STDOUT_FILENO, "r", 1) != 1)
            return 1;
        which = 1 - which;
    }
}
