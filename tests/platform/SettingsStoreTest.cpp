#include "platform/QtSettingsStore.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class IniSettings : public ::testing::Test {
protected:
    TempDir dir;
    // A folder that does not exist yet: the first access creates it with the file.
    QString iniPath = dir.file(QStringLiteral("Quarvel/settings.ini"));
    QtSettingsStore store{iniPath};
};

TEST_F(IniSettings, MissingValueReadsEmptyAndCreatesTheFile)
{
    ASSERT_FALSE(QFileInfo::exists(iniPath));
    EXPECT_EQ(store.AccessSetting(QStringLiteral("read"), QStringLiteral("cfg_file")), QString());
    EXPECT_TRUE(QFileInfo::exists(iniPath));
    EXPECT_EQ(store.iniPath(), iniPath);
}

TEST_F(IniSettings, WriteThenReadGivesTheNewTextAtOnce)
{
    const struct {
        const char* name;
        QString value;
    } values[] = {
        {"cfg_dir", QStringLiteral("C:\\Games\\Half-Life\\cstrike\\")},
        {"cfg_file", QStringLiteral("my config.cfg")},
        {"hud#0", QStringLiteral("hud_blue")},
        {"show_server", QStringLiteral("no")},
        {"mouse_btns", QStringLiteral("5")},
        {"cfg_dir", QStringLiteral("/home/player/.steam/steam/steamapps/common/Half-Life/cstrike/")},
        {"cfg_file", QString()},
        {"qvl_path", QStringLiteral("C:\\Program Files\\Quarvel; \"quoted\" = 1 \u00e9")},
    };
    for (const auto& v : values) {
        const QString name = QString::fromLatin1(v.name);
        QString error;
        store.AccessSetting(QStringLiteral("write"), name, v.value, &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_EQ(store.AccessSetting(QStringLiteral("read"), name), v.value) << v.name;
        // Another store on the same file: what a later run of the program sees.
        EXPECT_EQ(QtSettingsStore(iniPath).read(name), v.value) << v.name;
    }
    EXPECT_EQ(store.read(QStringLiteral("hud#0")), QStringLiteral("hud_blue"));
    EXPECT_EQ(store.read(QStringLiteral("hud#1")), QString());
}

TEST_F(IniSettings, ReadSeesAChangeMadeOutsideTheProgram)
{
    ASSERT_TRUE(store.write(QStringLiteral("cfg_file"), QStringLiteral("config.cfg")));
    EXPECT_EQ(store.read(QStringLiteral("cfg_file")), QStringLiteral("config.cfg"));
    TempDir::writeFile(iniPath, "[General]\ncfg_file=userconfig.cfg\n");
    EXPECT_EQ(store.read(QStringLiteral("cfg_file")), QStringLiteral("userconfig.cfg"));
}

TEST_F(IniSettings, ReadIgnoresTheValueArgument)
{
    ASSERT_TRUE(store.write(QStringLiteral("cfg_file"), QStringLiteral("config.cfg")));
    EXPECT_EQ(store.AccessSetting(QStringLiteral("read"), QStringLiteral("cfg_file"), QStringLiteral("other.cfg")),
              QStringLiteral("config.cfg"));
    EXPECT_EQ(store.read(QStringLiteral("cfg_file")), QStringLiteral("config.cfg"));
}

TEST_F(IniSettings, OnlyTheExactActionWordsAct)
{
    ASSERT_TRUE(store.write(QStringLiteral("cfg_file"), QStringLiteral("config.cfg")));
    const QByteArray before = TempDir::readFile(iniPath);
    for (const char* action : {"Read", "WRITE", "Write", "write ", " read", "", "delete", "writ"}) {
        QString error;
        EXPECT_EQ(store.AccessSetting(QString::fromLatin1(action), QStringLiteral("cfg_file"),
                                      QStringLiteral("changed.cfg"), &error),
                  QString())
            << "[" << action << "]";
        EXPECT_TRUE(error.isEmpty()) << "[" << action << "]";
        store.AccessSetting(QString::fromLatin1(action), QStringLiteral("mouse_btns"), QStringLiteral("3"));
    }
    EXPECT_EQ(TempDir::readFile(iniPath), before);
    EXPECT_EQ(store.read(QStringLiteral("cfg_file")), QStringLiteral("config.cfg"));
    EXPECT_EQ(store.read(QStringLiteral("mouse_btns")), QString());
}

TEST_F(IniSettings, WriteToAReadOnlyFileIsAnError)
{
    ASSERT_TRUE(store.write(QStringLiteral("cfg_file"), QStringLiteral("config.cfg")));
    const QByteArray before = TempDir::readFile(iniPath);
    // Permission bits only: tests may run as root, for whom access(2) allows everything.
    ASSERT_TRUE(QFile::setPermissions(iniPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    QString error;
    EXPECT_FALSE(store.write(QStringLiteral("cfg_file"), QStringLiteral("other.cfg"), &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(iniPath))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("cfg_file"))) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(iniPath), before);
    EXPECT_EQ(store.read(QStringLiteral("cfg_file")), QStringLiteral("config.cfg"));
    QFile::setPermissions(iniPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(IniSettings, WriteWhereNoFileCanBeMadeIsAnError)
{
    // A plain file stands where the folder should be.
    const QString blocker = dir.write(QStringLiteral("blocker"), "x");
    QtSettingsStore blocked(blocker + QStringLiteral("/settings.ini"));
    QString error;
    EXPECT_FALSE(blocked.write(QStringLiteral("cfg_file"), QStringLiteral("config.cfg"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(blocked.read(QStringLiteral("cfg_file")), QString());
}

class SettingsOverride : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_had = qEnvironmentVariableIsSet("QVL_SETTINGS");
        m_saved = qgetenv("QVL_SETTINGS");
    }
    void TearDown() override
    {
        if (m_had)
            qputenv("QVL_SETTINGS", m_saved);
        else
            qunsetenv("QVL_SETTINGS");
    }

private:
    bool m_had = false;
    QByteArray m_saved;
};

TEST_F(SettingsOverride, CommandLineBeatsEnvironment)
{
    const struct {
        QStringList args;
        const char* env; // nullptr: not set
        QString expected;
    } cases[] = {
        {{QStringLiteral("--settings"), QStringLiteral("/tmp/a.ini")}, "/tmp/env.ini", QStringLiteral("/tmp/a.ini")},
        {{QStringLiteral("--settings=/tmp/b.ini")}, "/tmp/env.ini", QStringLiteral("/tmp/b.ini")},
        {{QStringLiteral("-x"), QStringLiteral("--settings"), QStringLiteral("c d.ini"), QStringLiteral("--demo")},
         nullptr,
         QStringLiteral("c d.ini")},
        {{}, "/tmp/env.ini", QStringLiteral("/tmp/env.ini")},
        {{QStringLiteral("--settings")}, "/tmp/env.ini", QStringLiteral("/tmp/env.ini")},
        {{QStringLiteral("settings.ini")}, nullptr, QString()},
        {{}, nullptr, QString()},
    };
    for (const auto& c : cases) {
        if (c.env)
            qputenv("QVL_SETTINGS", c.env);
        else
            qunsetenv("QVL_SETTINGS");
        EXPECT_EQ(QtSettingsStore::overridePath(c.args), c.expected) << c.args.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(SettingsDefault, IniFileLivesInTheUsersConfigurationFolder)
{
    const QString path = QtSettingsStore::defaultIniPath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Quarvel/settings.ini"))) << path.toStdString();
    EXPECT_TRUE(QFileInfo(path).isAbsolute()) << path.toStdString();
#ifndef Q_OS_WIN
    EXPECT_EQ(QtSettingsStore().iniPath(), path);
#endif
}

} // namespace
