#include "config/WorkingConfig.h"

#include "support/TempDir.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Step {
    bool folder; // setFolder, else setWorkingFile
    QString value;
    QString announced; // empty when the step changes nothing
};

TEST(WorkingConfigTest, AnnouncesEachRealChangeOnce)
{
    const std::vector<Step> steps = {
        {true, u"/game/"_s, u"/game/"_s},
        {false, u"config.cfg"_s, u"/game/config.cfg"_s},
        {false, u"config.cfg"_s, {}},
        {true, u"/game/"_s, {}},
        {false, u"Config.cfg"_s, u"/game/Config.cfg"_s}, // another file where names keep their case
        {false, u"mine.cfg"_s, u"/game/mine.cfg"_s},
        {true, u"/other/"_s, u"/other/mine.cfg"_s},
        {false, QString(), u"/other/"_s},
    };
    WorkingConfig working;
    QStringList announced;
    QObject::connect(&working, &WorkingConfig::workingFileChanged, &working,
                     [&](const QString& path) { announced << path; });
    for (const Step& step : steps) {
        announced.clear();
        step.folder ? working.setFolder(step.value) : working.setWorkingFile(step.value);
        EXPECT_EQ(announced, step.announced.isEmpty() ? QStringList() : QStringList{step.announced})
            << step.value.toStdString();
    }
}

TEST(WorkingConfigTest, TheStoreFollowsTheWorkingFileAndKeepsEditsForTheFileTheyCameFrom)
{
    TempDir game;
    const QByteArray gameWritten = TempDir::testData(u"config.cfg"_s);
    game.write(u"config.cfg"_s, gameWritten);
    game.write(u"mine.cfg"_s, "sensitivity 3\n");
    WorkingConfig working;
    working.setFolder(game.dirWithSlash());
    working.setWorkingFile(u"config.cfg"_s);
    QString error;
    ASSERT_TRUE(working.load(&error)) << error.toStdString();

    working.store().SetCfgVar("sensitivity", "2.5");
    working.setWorkingFile(u"mine.cfg"_s);
    EXPECT_EQ(working.store().filePath(), game.file(u"config.cfg"_s)) << "a change of file alone reads nothing";
    ASSERT_TRUE(working.save(&error)) << error.toStdString();
    EXPECT_NE(game.read(u"config.cfg"_s), gameWritten);
    EXPECT_TRUE(game.read(u"config.cfg"_s).contains("sensitivity \"2.5\""));
    EXPECT_EQ(game.read(u"mine.cfg"_s), "sensitivity 3\n");
    QByteArray value;
    EXPECT_TRUE(working.store().GetCfgVar("sensitivity", value));
    EXPECT_EQ(value, "3");

    // A file that cannot be read leaves the store on the file it holds.
    working.setWorkingFile(u"gone.cfg"_s);
    EXPECT_FALSE(working.load(&error));
    EXPECT_TRUE(error.contains(u"gone.cfg"_s)) << error.toStdString();
    EXPECT_EQ(working.store().filePath(), game.file(u"mine.cfg"_s));
}

} // namespace
