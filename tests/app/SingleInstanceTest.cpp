// One program per settings file, with both programs played in this process.
#include "app/SingleInstance.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using Claim = SingleInstance::Claim;
using namespace Qt::StringLiterals;

namespace {

// Where a program that has ended held `settings`: its lock file and the name it listened under.
struct Held {
    QString lockPath;
    QString serverName;
};
Held heldBy(const QString& settings)
{
    SingleInstance ended(settings);
    EXPECT_EQ(ended.claim(), Claim::Taken);
    return {ended.lockPath(), ended.serverName()};
}

} // namespace

TEST(SingleInstance, TheSameFileByAnySpellingBringsTheFirstForwardAndAnotherFileStartsItsOwn)
{
    TempDir dir;
    TempDir elsewhere;
    ASSERT_TRUE(QFile::link(dir.path(), elsewhere.file(u"link"_s)));
    SingleInstance first(dir.file(u"settings.ini"_s)); // not made yet
    ASSERT_EQ(first.claim(), Claim::Taken);
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    dir.write(u"settings.ini"_s, "[General]\n");
    for (const QString& path : {dir.file(u"settings.ini"_s), elsewhere.file(u"link/settings.ini"_s)}) {
        SingleInstance second(path);
        EXPECT_EQ(second.claim(), Claim::CameForward) << path.toStdString();
        EXPECT_TRUE(asked.wait(5000)) << path.toStdString();
    }

    SingleInstance other(dir.file(u"other.ini"_s));
    EXPECT_EQ(other.claim(), Claim::Taken);
    EXPECT_NE(other.serverName(), first.serverName());
}

TEST(SingleInstance, ALockLeftBehindIsTakenOverAndTheNewHolderAnswers)
{
    TempDir dir;
    const QString settings = dir.file(u"settings.ini"_s);
    const Held held = heldBy(settings);
    EXPECT_FALSE(QFile::exists(held.lockPath)) << "a program that ends leaves no lock";
    const QString socketPath = QDir::tempPath() + u'/' + held.serverName;

    const struct {
        const char* left;
        QByteArray lock;
    } cases[] = {
        {"a process that is gone", "2147483647\nqvl\n\n"},
        {"no process at all", ""},
    };
    for (const auto& c : cases) {
        TempDir::writeFile(held.lockPath, c.lock);
#ifndef Q_OS_WIN
        TempDir::writeFile(socketPath, "left by a crash"); // where the crashed program listened
#endif
        auto holder = std::make_unique<SingleInstance>(settings);
        ASSERT_EQ(holder->claim(), Claim::Taken) << c.left;
        QSignalSpy asked(holder.get(), &SingleInstance::activationRequested);
        SingleInstance later(settings);
        EXPECT_EQ(later.claim(), Claim::CameForward) << c.left;
        EXPECT_TRUE(asked.wait(5000)) << c.left;
    }
}

TEST(SingleInstance, AHolderThatDoesNotListenIsReportedAndAFolderWithoutLocksGuardsNothing)
{
    TempDir dir;
    QLockFile silent(heldBy(dir.file(u"settings.ini"_s)).lockPath); // a live holder with no server
    ASSERT_TRUE(silent.tryLock(0));
    SingleInstance later(dir.file(u"settings.ini"_s));
    later.answerWait = std::chrono::milliseconds(200);
    EXPECT_EQ(later.claim(), Claim::AnotherSilent);

    for (int i = 0; i < 2; ++i) {
        SingleInstance unguarded(u"/dev/null/settings.ini"_s);
        EXPECT_EQ(unguarded.claim(), Claim::Taken) << i;
    }
}
