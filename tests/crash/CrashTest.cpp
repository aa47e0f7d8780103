// Saves survive the program being killed: a child saves through a writer in a loop, alternating
// between two complete versions of a file; it is killed with SIGKILL at random moments, and after
// each kill the file on disk must be one of the two versions, whole.
#include "CrashWriters.h"

#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using CrashWriters::Writer;

namespace {

struct Outcome {
    int versionA = 0;
    int versionB = 0;
    int torn = 0; // neither version: a mix, a truncation or no file
    QString failure;
};

quint32 seed()
{
    const QByteArray given = qgetenv("QVL_CRASH_SEED");
    return given.isEmpty() ? 20261206u : given.toUInt();
}

// Starts the writer child; returns its id and the read end of its stdout, or -1.
pid_t startChild(Writer writer, const QString& dir, int first, int* readEnd)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const QByteArray name = CrashWriters::name(writer).toLocal8Bit();
    const QByteArray folder = dir.toLocal8Bit();
    const QByteArray which = QByteArray::number(first);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        char* const args[] = {const_cast<char*>(QVL_CRASH_WRITER), const_cast<char*>(name.constData()),
                              const_cast<char*>(folder.constData()), const_cast<char*>(which.constData()), nullptr};
        ::execv(QVL_CRASH_WRITER, args);
        ::_exit(127);
    }
    ::close(fds[1]);
    *readEnd = fds[0];
    return pid;
}

// Kills the child `kills` times, each time at a random moment of its save loop, and sorts what
// the file holds afterwards.
Outcome killRepeatedly(Writer writer, int kills)
{
    Outcome outcome;
    TempDir dir;
    const QString path = CrashWriters::target(writer, dir.path());
    QString error;
    // Two rounds reach the steady state: each later save of a version gives the same bytes.
    QElapsedTimer timer;
    for (const int which : {0, 1, 0, 1}) {
        timer.start();
        if (!CrashWriters::write(writer, dir.path(), which, &error)) {
            outcome.failure = error;
            return outcome;
        }
    }
    const qint64 saveNs = timer.nsecsElapsed();
    const QByteArray versionB = TempDir::readFile(path);
    CrashWriters::write(writer, dir.path(), 0, &error);
    const QByteArray versionA = TempDir::readFile(path);
    if (versionA == versionB || versionA.isEmpty()) {
        outcome.failure = QStringLiteral("the two versions are not two different files");
        return outcome;
    }

    // Kills land anywhere in the two saves that follow the first complete one.
    std::mt19937 random(seed() + static_cast<quint32>(writer));
    std::uniform_int_distribution<qint64> delayNs(0, 2 * saveNs + 200'000);
    for (int k = 0; k < kills; ++k) {
        int readEnd = -1;
        const QByteArray before = TempDir::readFile(path);
        const pid_t pid = startChild(writer, dir.path(), before == versionA ? 1 : 0, &readEnd);
        if (pid < 0) {
            outcome.failure = QStringLiteral("cannot start the writer");
            return outcome;
        }
        pollfd ready{readEnd, POLLIN, 0};
        const bool started = ::poll(&ready, 1, 20'000) == 1 && (ready.revents & POLLIN);
        char byte = 0;
        const bool running = started && ::read(readEnd, &byte, 1) == 1;
        if (running)
            std::this_thread::sleep_for(std::chrono::nanoseconds(delayNs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(readEnd);
        if (!running) {
            outcome.failure = QStringLiteral("the writer did not start its loop (status %1)").arg(status);
            return outcome;
        }
        const QByteArray after = TempDir::readFile(path);
        if (after == versionA)
            ++outcome.versionA;
        else if (after == versionB)
            ++outcome.versionB;
        else {
            ++outcome.torn;
            // Put a whole version back so that the next child starts from a sound file.
            TempDir::writeFile(path, versionA);
        }
    }
    std::printf("%s: %d kills, version A %d, version B %d, torn %d\n", qPrintable(CrashWriters::name(writer)), kills,
                outcome.versionA, outcome.versionB, outcome.torn);
    return outcome;
}

class CrashSafety : public ::testing::TestWithParam<Writer> {};

TEST_P(CrashSafety, AKillAtAnyMomentLeavesOneWholeVersion)
{
    const Outcome outcome = killRepeatedly(GetParam(), 200);
    ASSERT_TRUE(outcome.failure.isEmpty()) << qPrintable(outcome.failure);
    EXPECT_EQ(outcome.torn, 0) << "seed " << seed();
    // Both versions were seen: the kills fell at different moments of the loop, not all at one.
    EXPECT_GT(outcome.versionA, 0);
    EXPECT_GT(outcome.versionB, 0);
}

INSTANTIATE_TEST_SUITE_P(Writers, CrashSafety,
                         ::testing::Values(Writer::Store, Writer::Ini, Writer::Language, Writer::Settings),
                         [](const ::testing::TestParamInfo<Writer>& info) {
                             return CrashWriters::name(info.param).toStdString();
                         });

// The kills reach the middle of a save: a writer that truncates its file before writing it is caught.
TEST(CrashHarness, CatchesAWriterThatTruncatesInPlace)
{
    const Outcome outcome = killRepeatedly(Writer::InPlace, 40);
    ASSERT_TRUE(outcome.failure.isEmpty()) << qPrintable(outcome.failure);
    EXPECT_GT(outcome.torn, 0) << "seed " << seed();
}

} // namespace
