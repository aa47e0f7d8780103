#include "platform/QtSettingsStore.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

using namespace Qt::Literals::StringLiterals;

namespace {

class IniSettings : public ::testing::Test {
protected:
    TempDir dir;
    // A folder that does not exist yet: the first access creates it with the file.
    QString iniPath = dir.file(u"Quarvel/settings.ini"_s);
    QtSettingsStore store{iniPath};
};

TEST_F(IniSettings, WritesAreReadAtOnceAndByLaterRuns)
{
    EXPECT_EQ(store.readText(u"cfg_file"_s), QString());
    EXPECT_TRUE(QFileInfo::exists(iniPath));
    const QString values[][2] = {
        {u"cfg_dir"_s, u"C:\\Games\\Half-Life\\cstrike\\"_s},
        {u"cfg_file"_s, u"my config.cfg"_s},
        {u"cfg_file"_s, QString()},
        {u"qvl_path"_s, u"C:\\Program Files\\Quarvel; \"quoted\" = 1 \u00e9"_s},
    };
    for (const auto& [name, value] : values) {
        QString error;
        EXPECT_TRUE(store.writeText(name, value, &error));
        EXPECT_EQ(error, QString());
        EXPECT_EQ(store.readText(name), value);
        EXPECT_EQ(QtSettingsStore(iniPath).readText(name), value);
    }
    // Nothing is cached: a change made outside the program is seen at the next read.
    TempDir::writeFile(iniPath, "[General]\ncfg_file=userconfig.cfg\n");
    EXPECT_EQ(store.readText(u"cfg_file"_s), u"userconfig.cfg"_s);
}

// A program killed while it took the settings lock leaves an empty lock file behind; the next
// write must not wait for it to turn stale (Qt waits 30 seconds).
TEST_F(IniSettings, AnEmptyLockLeftByAKilledWriterDoesNotHoldUpTheNextWrite)
{
    ASSERT_TRUE(store.writeText(u"cfg_file"_s, u"config.cfg"_s));
    TempDir::writeFile(iniPath + u".lock"_s, QByteArray());
    auto write = std::async(std::launch::async, [this] { return store.writeText(u"cfg_file"_s, u"after.cfg"_s); });
    ASSERT_EQ(write.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(write.get());
    EXPECT_EQ(store.readText(u"cfg_file"_s), u"after.cfg"_s);
    EXPECT_FALSE(QFileInfo::exists(iniPath + u".lock"_s));
}

TEST_F(IniSettings, TypedSettingsReadTheirFallbackForAnythingElse)
{
    constexpr NumberSetting count{"count"_L1, 3};
    constexpr SwitchSetting shown{"shown"_L1, true, "yes"_L1, "no"_L1};
    const struct {
        const char* stored; // nullptr: not stored at all
        int number;
        bool switched;
    } cases[] = {
        {nullptr, 3, true}, {"", 3, true},    {" 5 ", 5, true}, {"-1", -1, true}, {"5.0", 3, true},
        {"5x", 3, true},    {"no", 3, false}, {"No", 3, true},  {"no ", 3, true}, {"yes", 3, true},
    };
    for (const auto& c : cases) {
        if (c.stored) {
            ASSERT_TRUE(store.writeText(u"count"_s, QString::fromLatin1(c.stored)));
            ASSERT_TRUE(store.writeText(u"shown"_s, QString::fromLatin1(c.stored)));
        }
        EXPECT_EQ(store.read(count), c.number) << (c.stored ? c.stored : "(none)");
        EXPECT_EQ(store.read(shown), c.switched) << (c.stored ? c.stored : "(none)");
    }
    ASSERT_TRUE(store.write(count, 7));
    ASSERT_TRUE(store.write(shown, false));
    EXPECT_EQ(store.readText(u"count"_s), u"7"_s);
    EXPECT_EQ(store.readText(u"shown"_s), u"no"_s);
    ASSERT_TRUE(store.write(shown, true));
    EXPECT_EQ(store.readText(u"shown"_s), u"yes"_s);
}

TEST_F(IniSettings, WritesThatCannotBeStoredAreErrors)
{
    ASSERT_TRUE(store.writeText(u"cfg_file"_s, u"config.cfg"_s));
    const QByteArray before = TempDir::readFile(iniPath);
    // Permission bits only: tests run as root, for whom access(2) allows everything.
    ASSERT_TRUE(QFile::setPermissions(iniPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QString error;
    EXPECT_FALSE(store.writeText(u"cfg_file"_s, u"other.cfg"_s, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(iniPath)) && error.contains(u"cfg_file"_s))
        << error.toStdString();
    EXPECT_EQ(TempDir::readFile(iniPath), before);
    EXPECT_EQ(store.readText(u"cfg_file"_s), u"config.cfg"_s);
    // The value it holds already needs no write: the program stores it again at every start.
    error.clear();
    EXPECT_TRUE(store.writeText(u"cfg_file"_s, u"config.cfg"_s, &error)) << error.toStdString();

    // A plain file stands where the folder should be.
    QtSettingsStore blocked(dir.write(u"blocker"_s, "x") + u"/settings.ini"_s);
    error.clear();
    EXPECT_FALSE(blocked.writeText(u"cfg_file"_s, u"config.cfg"_s, &error));
    EXPECT_TRUE(error.endsWith(u": access denied"_s)) << error.toStdString();
}

TEST(SettingsPath, CommandLineBeatsEnvironmentAndTheDefaultIsTheUsersFolder)
{
    const bool had = qEnvironmentVariableIsSet("QVL_SETTINGS");
    const QByteArray saved = qgetenv("QVL_SETTINGS");
    const struct {
        QStringList args;
        const char* env; // nullptr: not set
        QString expected;
    } cases[] = {
        {{u"--settings"_s, u"/tmp/a.ini"_s}, "/tmp/env.ini", u"/tmp/a.ini"_s},
        {{u"--settings=/tmp/b.ini"_s}, "/tmp/env.ini", u"/tmp/b.ini"_s},
        {{u"--settings"_s}, "/tmp/env.ini", u"/tmp/env.ini"_s},
        {{u"settings.ini"_s}, nullptr, QString()},
    };
    for (const auto& c : cases) {
        if (c.env)
            qputenv("QVL_SETTINGS", c.env);
        else
            qunsetenv("QVL_SETTINGS");
        EXPECT_EQ(QtSettingsStore::overridePath(c.args), c.expected) << c.args.join(u' ').toStdString();
    }
    if (had)
        qputenv("QVL_SETTINGS", saved);
    else
        qunsetenv("QVL_SETTINGS");

    const QString path = QtSettingsStore::defaultIniPath();
    EXPECT_TRUE(path.endsWith(u"/Quarvel/settings.ini"_s) && QFileInfo(path).isAbsolute()) << path.toStdString();
#ifndef Q_OS_WIN
    EXPECT_EQ(QtSettingsStore().iniPath(), path);
#endif
}

} // namespace
