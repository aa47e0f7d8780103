#include "platform/QtShell.h"

#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Opening a local file runs xdg-open and reads its exit code; these tests put a fake xdg-open
// (or none) first on the PATH, so no desktop is needed.
class QtShellOpenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        GTEST_SKIP() << "the desktop's own open call is used here";
#endif
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("PATH", savedPath);
    }

    void fakeXdgOpen(int exitCode)
    {
        const QString script =
            bin.write(u"xdg-open"_s, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + bin.path().toLocal8Bit() +
                                         "/opened\"\nexit " + QByteArray::number(exitCode) + "\n");
        QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    }

    // Opens the file and gives how often `failed` ran once the opening process has ended.
    int failuresOpening(const QString& file)
    {
        int failures = 0;
        shell.open(file, [&failures] { ++failures; });
        // The process belongs to the application and is deleted once it has ended.
        EXPECT_TRUE(
            QTest::qWaitFor([] { return QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(); }, 10000));
        return failures;
    }

    const QByteArray savedPath = qgetenv("PATH");
    TempDir bin;
    TempDir files;
    const QString cfg = files.write(u"config.cfg"_s, "rate \"25000\"\r\n");
    QtShell shell;
};

TEST_F(QtShellOpenTest, OnlyAnOpenedFileIsASuccess)
{
    fakeXdgOpen(0);
    EXPECT_EQ(failuresOpening(cfg), 0);
    EXPECT_EQ(bin.read(u"opened"_s), cfg.toLocal8Bit());

    fakeXdgOpen(3); // what xdg-open answers when no program is set up for the file
    EXPECT_EQ(failuresOpening(cfg), 1);

    QFile::remove(bin.file(u"xdg-open"_s));
    EXPECT_EQ(failuresOpening(cfg), 1);
}

} // namespace
