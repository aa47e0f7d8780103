#include "app/ProgramFolder.h"
#include "platform/QtSettingsStore.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A small data folder as the program ships it.
QString makeData(const TempDir& dir)
{
    dir.write(QStringLiteral("data/qvl.ini"), "English\r\n");
    dir.write(QStringLiteral("data/Languages/English.lng"), "[Translations]\r\n");
    dir.write(QStringLiteral("data/demo/cstrike/config.cfg"), "unbindall\r\nrate \"25000\"\r\n");
    dir.write(QStringLiteral("data/demo/cstrike/autoexec.cfg"), "echo hi\r\n");
    return dir.file(QStringLiteral("data"));
}

} // namespace

TEST(ProgramFolder, DemoIsPreparedOnceAndKeepsTheUsersChangesUntilReset)
{
    TempDir dir;
    const QString data = makeData(dir);
    const QString workspace = dir.file(QStringLiteral("demo"));
    QString error;
    const QString settingsPath = ProgramFolder::prepareDemo(workspace, data, false, &error);
    ASSERT_FALSE(settingsPath.isEmpty()) << error.toStdString();

    QtSettingsStore settings(settingsPath);
    const QString cstrike = workspace + QStringLiteral("/Half-Life/cstrike");
    EXPECT_EQ(QDir::fromNativeSeparators(settings.readText(QStringLiteral("qvl_path"))), workspace + "/Quarvel");
    EXPECT_EQ(QDir::fromNativeSeparators(settings.readText(QStringLiteral("cfg_dir"))), cstrike + QLatin1Char('/'));
    EXPECT_EQ(settings.readText(QStringLiteral("cfg_file")), QStringLiteral("config.cfg"));
    EXPECT_EQ(settings.readText(QStringLiteral("mouse_btns")), QStringLiteral("3"));
    EXPECT_TRUE(QFileInfo::exists(workspace + QStringLiteral("/Quarvel/Languages/English.lng")));
    EXPECT_EQ(TempDir::readFile(cstrike + QStringLiteral("/config.cfg")), "unbindall\r\nrate \"25000\"\r\n");

    // The user's work survives a second start, a deleted file included.
    TempDir::writeFile(cstrike + QStringLiteral("/config.cfg"), "rate \"9999\"\r\n");
    ASSERT_TRUE(QFile::remove(cstrike + QStringLiteral("/autoexec.cfg")));
    settings.writeText(QStringLiteral("cfg_file"), QStringLiteral("mine.cfg"));
    EXPECT_EQ(ProgramFolder::prepareDemo(workspace, data, false, &error), settingsPath);
    EXPECT_EQ(TempDir::readFile(cstrike + QStringLiteral("/config.cfg")), "rate \"9999\"\r\n");
    EXPECT_FALSE(QFileInfo::exists(cstrike + QStringLiteral("/autoexec.cfg")));
    EXPECT_EQ(settings.readText(QStringLiteral("cfg_file")), QStringLiteral("mine.cfg"));

    // A reset starts afresh.
    EXPECT_EQ(ProgramFolder::prepareDemo(workspace, data, true, &error), settingsPath);
    EXPECT_EQ(TempDir::readFile(cstrike + QStringLiteral("/config.cfg")), "unbindall\r\nrate \"25000\"\r\n");
    EXPECT_EQ(settings.readText(QStringLiteral("cfg_file")), QStringLiteral("config.cfg"));
}

TEST(ProgramFolder, ResetRemovesOnlyWhatTheDemoMade)
{
    TempDir dir;
    const QString data = makeData(dir);
    dir.write(QStringLiteral("mine/precious.txt"), "keep");
    QString error;
    ProgramFolder::prepareDemo(dir.file(QStringLiteral("mine")), data, true, &error);
    ProgramFolder::prepareDemo(dir.file(QStringLiteral("mine")), data, true, &error);
    EXPECT_EQ(dir.read(QStringLiteral("mine/precious.txt")), "keep");
}

TEST(ProgramFolder, EnsureActsOnlyWhenNoProgramFolderIsKnown)
{
    TempDir dir;
    const QString data = makeData(dir);
    MemorySettings settings;
    settings.values[QStringLiteral("qvl_path")] = QStringLiteral("/somewhere/else");
    QString error;
    EXPECT_TRUE(ProgramFolder::ensure(settings, data, dir.path(), &error));
    EXPECT_EQ(settings.values[QStringLiteral("qvl_path")], QStringLiteral("/somewhere/else"));
    EXPECT_EQ(settings.writes, 0);
}

TEST(ProgramFolder, DataIsFoundBesideTheExecutableOrUnderItsInstallPrefix)
{
    TempDir dir;
    dir.write(QStringLiteral("usr/share/quarvel/qvl.ini"), "English\r\n");
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("usr/bin"))));
    EXPECT_EQ(ProgramFolder::findDataDir(dir.file(QStringLiteral("usr/bin"))), dir.file("usr/share/quarvel"));

    // A data folder beside the executable (a Windows copy, the build tree) wins over the prefix.
    dir.write(QStringLiteral("usr/bin/data/qvl.ini"), "English\r\n");
    EXPECT_EQ(ProgramFolder::findDataDir(dir.file(QStringLiteral("usr/bin"))), dir.file("usr/bin/data"));

    // Folders without a qvl.ini file are no data folder: the caller must hear that none was found.
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("opt/bin/data/Languages"))));
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("opt/share/quarvel/qvl.ini"))));
    EXPECT_TRUE(ProgramFolder::findDataDir(dir.file(QStringLiteral("opt/bin"))).isEmpty());
}

TEST(ProgramFolder, TheBuiltProgramFindsTheSourceTreesData)
{
    const QString found = ProgramFolder::findDataDir(QStringLiteral(QVL_PROGRAM_DIR));
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(QFileInfo(found).canonicalFilePath(), QFileInfo(QStringLiteral(QVL_SOURCE_DATA)).canonicalFilePath());
}

TEST(ProgramFolder, WithoutDataFilesNoProgramFolderIsRecordedAndTheErrorSaysWhereItLooked)
{
    MemorySettings settings;
    QString error;
    EXPECT_FALSE(ProgramFolder::ensure(settings, QString(), QStringLiteral("/opt/quarvel/bin"), &error));
    EXPECT_EQ(settings.writes, 0);
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(QStringLiteral("/opt/quarvel/bin/data"))))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(QStringLiteral("/opt/quarvel/share/quarvel"))))
        << error.toStdString();
}

namespace {

// Points the per-user data folder (~/.local/share) somewhere else for as long as it lives.
struct DataHome {
    explicit DataHome(const QString& path) { qputenv("XDG_DATA_HOME", path.toUtf8()); }
    ~DataHome()
    {
        if (saved.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", saved);
    }
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
};

} // namespace

TEST(ProgramFolder, EnsureFillsTheUsersFolderOrSaysItCannotAndRecordsNothing)
{
    TempDir dir;
    const QString data = makeData(dir);
    const DataHome home(dir.file(QStringLiteral("share")));
    const QString folder = dir.file(QStringLiteral("share/Quarvel"));

    MemorySettings settings;
    QString error;
    EXPECT_TRUE(ProgramFolder::ensure(settings, data, dir.path(), &error)) << error.toStdString();
    EXPECT_EQ(settings.values[QStringLiteral("qvl_path")], QDir::toNativeSeparators(folder));
    EXPECT_EQ(dir.read(QStringLiteral("share/Quarvel/qvl.ini")), "English\r\n");

    // A file where the folder should be: nothing can be copied there.
    QDir(folder).removeRecursively();
    dir.write(QStringLiteral("share/Quarvel"), "not a folder");
    MemorySettings fresh;
    EXPECT_FALSE(ProgramFolder::ensure(fresh, data, dir.path(), &error));
    EXPECT_EQ(error, QStringLiteral("Cannot prepare the program folder %1").arg(QDir::toNativeSeparators(folder)));
    EXPECT_EQ(fresh.writes, 0);
}
