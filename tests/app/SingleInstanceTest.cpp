// One program per settings file, with both programs played in this process (tests/app_cli runs
// the built program twice, and after a crash).
#include "app/SingleInstance.h"
#include "support/TempDir.h"

#include <QFile>
#include <QLockFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using Claim = SingleInstance::Claim;
using namespace Qt::StringLiterals;

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
}

TEST(SingleInstance, ALockNamingNoProcessIsTakenAHolderThatDoesNotListenIsReportedAndNoLockGuardsNothing)
{
    TempDir dir;
    const QString settings = dir.file(u"settings.ini"_s);
    const QString lockPath = settings + u".instance.lock"_s;
    TempDir::writeFile(lockPath, ""); // a program ended between making its lock and writing it
    {
        SingleInstance holder(settings);
        EXPECT_EQ(holder.claim(), Claim::Taken);
        EXPECT_EQ(holder.lockPath(), lockPath);
    }
    EXPECT_FALSE(QFile::exists(lockPath)) << "a program that ends leaves no lock";

    QLockFile silent(lockPath);
    ASSERT_TRUE(silent.tryLock(0));
    SingleInstance later(settings);
    later.answerWait = std::chrono::milliseconds(200);
    EXPECT_EQ(later.claim(), Claim::AnotherSilent);

    SingleInstance unguarded(u"/dev/null/settings.ini"_s); // no lock can be made there
    EXPECT_EQ(unguarded.claim(), Claim::Taken);
}
