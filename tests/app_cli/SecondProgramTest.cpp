// The built program started twice on one settings file, as a user does from the menu: the second
// brings the first to the front and ends; a first program that crashed blocks nothing.
#include "app/SingleInstance.h"
#include "support/TempDir.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

class SecondProgramTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const auto& program : programs) {
            program->kill();
            program->waitForFinished();
        }
        // Taking the settings over and letting them go removes what the killed programs left.
        SingleInstance(workspace.file(u"settings.ini"_s)).claim();
    }

    QProcess& run(const QStringList& arguments)
    {
        auto program = std::make_unique<QProcess>(); // offscreen, as this test runs
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program->start(QStringLiteral(QVL_PROGRAM), arguments);
        EXPECT_TRUE(program->waitForStarted());
        programs.push_back(std::move(program));
        return *programs.back();
    }
    QProcess& runDemo() { return run({u"--demo"_s, workspace.path()}); }

    // Whether `program` holds the demo's settings file: the lock beside it names the process.
    bool holdsSettings(const QProcess& program) const
    {
        return QTest::qWaitFor(
            [&] {
                qint64 pid = 0;
                return QLockFile(workspace.file(u"settings.ini.instance.lock"_s)).getLockInfo(&pid, nullptr, nullptr) &&
                       pid == program.processId();
            },
            60000);
    }
    // Whether `program` ended by itself with the exit code 0.
    static bool endedWell(QProcess& program)
    {
        return program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit &&
               program.exitCode() == 0;
    }

    TempDir workspace;
    std::vector<std::unique_ptr<QProcess>> programs;
};

} // namespace

TEST_F(SecondProgramTest, ASecondProgramOnTheSameSettingsEndsAndTheFirstRunsOn)
{
    QProcess& first = runDemo();
    ASSERT_TRUE(holdsSettings(first));
    // Its workspace is ready once its settings are written; a file of the user's goes in it.
    ASSERT_TRUE(QTest::qWaitFor([this] { return QFile::exists(workspace.file(u"settings.ini"_s)); }, 60000));
    workspace.write(u"Half-Life/cstrike/mine.cfg"_s, "name \"Player\"\r\n");
    // The same settings named three ways; a reset would have emptied the first one's workspace.
    for (const QStringList& second :
         {QStringList{u"--demo"_s, workspace.path()}, QStringList{u"--demo-reset"_s, workspace.path() + u"/."_s},
          QStringList{u"--settings"_s, workspace.file(u"settings.ini"_s)}}) {
        EXPECT_TRUE(endedWell(run(second))) << second.join(u' ').toStdString();
        EXPECT_EQ(first.state(), QProcess::Running);
    }
    EXPECT_EQ(workspace.read(u"Half-Life/cstrike/mine.cfg"_s), "name \"Player\"\r\n");
}

TEST_F(SecondProgramTest, AFirstProgramThatCrashedBlocksNoStart)
{
    QProcess& crashed = runDemo();
    ASSERT_TRUE(holdsSettings(crashed));
    crashed.kill(); // its lock file and its socket stay behind
    ASSERT_TRUE(crashed.waitForFinished());

    QProcess& next = runDemo();
    EXPECT_TRUE(holdsSettings(next));
    EXPECT_TRUE(endedWell(runDemo())) << "the program that took over does not answer";
    EXPECT_EQ(next.state(), QProcess::Running);
}
