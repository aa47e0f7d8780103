#include "app/CfgFolder.h"
#include "platform/MachineRegistry.h"
#include "platform/SteamLibraries.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(CfgFolder, FolderFromUninstallString)
{
    const struct {
        const char* command;
        const char* folder;
    } cases[] = {
        // The uninstaller followed by its log file on another path: both cut off.
        {R"(C:\Games\Half-Life\UNWISE.EXE C:\Games\Half-Life\INSTALL.LOG)", R"(C:\Games\Half-Life\cstrike\)"},
        {R"(D:\Sierra\Half-Life\uninstal.exe D:\Sierra\Half-Life\install.log)", R"(D:\Sierra\Half-Life\cstrike\)"},
        // Only the drive letter's colon: the whole text stays, less the file name.
        {R"(C:\Half-Life\uninst.exe)", R"(C:\Half-Life\cstrike\)"},
        // No colon at all.
        {R"(\\server\games\Half-Life\uninst.exe)", R"(\\server\games\Half-Life\cstrike\)"},
        // No backslash: nothing but the appended folder is left.
        {"uninst.exe", R"(cstrike\)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CfgFolder::folderFromUninstallString(QString::fromLatin1(c.command)), QString::fromLatin1(c.folder))
            << c.command;
}

TEST(CfgFolder, ListLeavesOutServerFilesByExactName)
{
    TempDir dir;
    for (const char* name : {"config.cfg", "autoexec.cfg", "server.cfg", "listenserver.cfg", "game.cfg", "Server.cfg",
                             "mine.cfg", "notes.txt", ".hidden.cfg"})
        dir.write(QLatin1String(name), "x");
    // A folder named like a configuration is no configuration: listing it made every page change fail.
    QDir().mkpath(dir.file(QStringLiteral("folder.cfg")));
    dir.write(QStringLiteral("Zulu.cfg"), "x");
    dir.write(QStringLiteral("alpha.cfg"), "x");
    // By name without regard to letter case, whatever order the disk keeps.
    EXPECT_EQ(CfgFolder::listCfgFiles(dir.path()),
              QStringList({".hidden.cfg", "alpha.cfg", "config.cfg", "mine.cfg", "Server.cfg", "Zulu.cfg"}));
}

TEST(CfgFolder, PickEntry)
{
    const QStringList entries = {"mine.cfg", "Config.cfg", "Other.CFG"};
    EXPECT_EQ(CfgFolder::pickEntry(entries, "other.cfg"), 2); // letter case ignored
    EXPECT_EQ(CfgFolder::pickEntry(entries, "gone.cfg"), 1);  // falls back to config.cfg
    EXPECT_EQ(CfgFolder::pickEntry(entries, ""), 1);
    EXPECT_EQ(CfgFolder::pickEntry({"a.cfg", "b.cfg"}, "gone.cfg"), 0);
    EXPECT_EQ(CfgFolder::pickEntry({}, "config.cfg"), -1);
}

TEST(SteamLibraries, ReadsBothFormatsAndSurvivesDamage)
{
    const QByteArray current = R"("libraryfolders"
{
	"0"
	{
		"path"		"C:\\Program Files (x86)\\Steam"
		"label"		""
		"apps" { "10" "123" }
	}
	"1"
	{
		"path"		"D:\\SteamLibrary"
	}
})";
    EXPECT_EQ(SteamLibraries::libraryPaths(current),
              QStringList({R"(C:\Program Files (x86)\Steam)", R"(D:\SteamLibrary)"}));

    const QByteArray old = "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1600000000\"\n"
                           "\t\"ContentStatsID\"\t\t\"-123\"\n\t\"1\"\t\t\"/mnt/games/steam\"\n}\n";
    EXPECT_EQ(SteamLibraries::libraryPaths(old), QStringList({"/mnt/games/steam"}));

    for (const QByteArray& damaged : {QByteArray("\"libraryfolders\" { \"0\" { \"path\" \"/x"), QByteArray("}}}{{{"),
                                      QByteArray("\"libraryfolders\""), QByteArray(100000, '{'), QByteArray()})
        EXPECT_NO_THROW(SteamLibraries::libraryPaths(damaged));
}

TEST(SteamLibraries, FindsTheFirstLibraryThatHoldsTheGame)
{
    TempDir home;
    const QString root = home.path() + QStringLiteral("/.local/share/Steam");
    const QString library = home.path() + QStringLiteral("/games/SteamLibrary");
    home.write(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"),
               "\"libraryfolders\" { \"0\" { \"path\" \"" + root.toUtf8() + "\" } \"1\" { \"path\" \"" +
                   library.toUtf8() + "\" } }");
    FakeRegistry registry;
    const QStringList roots = SteamLibraries::steamRoots(registry, home.path());
    EXPECT_EQ(SteamLibraries::findCstrike(roots), QString());

    QDir().mkpath(library + QStringLiteral("/steamapps/common/Half-Life/cstrike"));
    EXPECT_EQ(SteamLibraries::findCstrike(roots), library + QStringLiteral("/steamapps/common/Half-Life/cstrike/"));

    // A damaged file in the root gives no library, and no crash.
    home.write(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"), "\"libraryfolders\" { \"0\" {");
    EXPECT_EQ(SteamLibraries::findCstrike(roots), QString());
}
