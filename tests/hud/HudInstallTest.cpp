#include "hud/HudInstall.h"

#include "HudTestFiles.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class HudInstallTest : public ::testing::Test {
protected:
    // Program folder with a library entry per slot; the game folder with its own sprites.
    void SetUp() override
    {
        spriteA = HudTestFiles::sprite(16, 16, 2).write();
        spriteB = HudTestFiles::sprite(8, 8, 1).write();
        program.write(u"huds/3.spr"_s, spriteA);
        program.write(u"huds/radar2.spr"_s, spriteB);
        program.write(u"huds/sniper9.spr"_s, spriteA);
        game.write(u"sprites/640hud7.spr"_s, "game's digits");
        game.write(u"sprites/radar640.spr"_s, "game's radar");
    }

    QStringList leftovers() const
    {
        return QDir(game.file(u"sprites"_s)).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    TempDir program;
    TempDir game;
    QByteArray spriteA;
    QByteArray spriteB;
};

TEST_F(HudInstallTest, InstallsOnlyTheChosenSlotsAndKeepsTheGameFilesOnce)
{
    auto results = HudInstall::install({QString(), u"radar2"_s, QString()}, program.path(), game.path());
    ASSERT_EQ(results.size(), 1);
    EXPECT_TRUE(results[0].installed) << results[0].error.toStdString();
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), spriteB);
    EXPECT_EQ(results[0].originalKept, game.file(u"sprites/radar640.spr.orig"_s));
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), "game's digits");

    // A second install over our own sprite leaves the game's original as it was.
    program.write(u"huds/radar2.spr"_s, spriteA);
    results = HudInstall::install({u"3"_s, u"radar2"_s, u"sniper9"_s}, program.path(), game.path());
    ASSERT_EQ(results.size(), 3);
    for (const auto& r : results)
        EXPECT_TRUE(r.installed) << r.error.toStdString();
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), spriteA);
    EXPECT_EQ(game.read(u"sprites/radar640.spr.orig"_s), "game's radar");
    EXPECT_EQ(game.read(u"sprites/640hud7.spr.orig"_s), "game's digits");
    // The game had no scope file: nothing to keep, and no .orig pretends there was.
    EXPECT_TRUE(results[2].originalKept.isEmpty());
    EXPECT_EQ(game.read(u"sprites/sniper_scope.spr"_s), spriteA);
    // No temporary file is left behind in the game's folder; a missing sprites folder is made.
    TempDir fresh;
    EXPECT_TRUE(HudInstall::installSlot(2, u"sniper9"_s, program.path(), fresh.path()).installed);
    EXPECT_EQ(fresh.read(u"sprites/sniper_scope.spr"_s), spriteA);
    EXPECT_EQ(leftovers(), (QStringList{u"640hud7.spr"_s, u"640hud7.spr.orig"_s, u"radar640.spr"_s,
                                        u"radar640.spr.orig"_s, u"sniper_scope.spr"_s}));
}

TEST_F(HudInstallTest, FailuresNameTheFileAndChangeNothing)
{
    // Without a known game folder nothing may land beside the running program.
    for (const QString& folder : {QString(), u"cstrike"_s})
        EXPECT_TRUE(HudInstall::installSlot(1, u"radar2"_s, program.path(), folder).error.contains(u"not known"_s));
    program.write(u"huds/radar3.spr"_s, "\x89PNG\r\n\x1a\n not a sprite at all, but long enough for a header");
    QDir().mkpath(game.file(u"sprites/sniper_scope.spr"_s)); // a folder where the game file belongs
    const auto results = HudInstall::install({u"11"_s, u"radar3"_s, u"sniper9"_s}, program.path(), game.path());
    ASSERT_EQ(results.size(), 3);
    const struct {
        const char* file;
        const char* cause;
    } expected[] = {
        {"11.spr", "Cannot read"},
        {"radar3.spr", "not a sprite file"},
        {"sniper_scope.spr", "a folder of that name is in the way"},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(results[i].installed) << i;
        EXPECT_TRUE(results[i].error.contains(QLatin1String(expected[i].file))) << results[i].error.toStdString();
        EXPECT_TRUE(results[i].error.contains(QLatin1String(expected[i].cause))) << results[i].error.toStdString();
    }
    // The refused sprite never reached the game, and its original was not touched either.
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), "game's radar");
    EXPECT_EQ(leftovers(), (QStringList{u"640hud7.spr"_s, u"radar640.spr"_s}));
}

} // namespace
