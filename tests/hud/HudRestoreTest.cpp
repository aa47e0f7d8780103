#include "hud/HudRestore.h"

#include "HudTestFiles.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Keeps every version asked for in memory; refuses the files named in `refused`.
struct Keeper {
    QStringList refused;
    QList<std::pair<QString, QByteArray>> kept;

    HudInstall::KeepVersion function()
    {
        return [this](const QString& path, const QString& action, QString* error) {
            if (refused.contains(path)) {
                *error = u"no room for "_s + path;
                return false;
            }
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            kept.append({path + u' ' + action, file.readAll()});
            return true;
        };
    }
};

class HudRestoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sprite = HudTestFiles::sprite(8, 8, 1).write();
        program.write(u"huds/3.spr"_s, sprite);
        program.write(u"huds/radar2.spr"_s, sprite);
        game.write(u"sprites/640hud7.spr"_s, "game's digits");
        game.write(u"sprites/radar640.spr"_s, "game's radar");
    }

    TempDir program;
    TempDir game;
    QByteArray sprite;
    Keeper keeper;
};

TEST_F(HudRestoreTest, InstallKeepsTheFileItReplacesAndStopsWhenItCannot)
{
    const QString digits = game.file(u"sprites/640hud7.spr"_s);
    keeper.refused << digits;
    const auto results =
        HudInstall::install({u"3"_s, u"radar2"_s, QString()}, program.path(), game.path(), keeper.function());
    ASSERT_EQ(results.size(), 2);
    EXPECT_FALSE(results[0].installed);
    EXPECT_EQ(results[0].error, u"no room for "_s + digits);
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), "game's digits");
    EXPECT_FALSE(QFile::exists(digits + u".orig"_s)) << "nothing written for a slot that stopped";
    EXPECT_TRUE(results[1].installed);
    ASSERT_EQ(keeper.kept.size(), 1);
    EXPECT_EQ(keeper.kept[0].first, game.file(u"sprites/radar640.spr"_s) + u" HUD install"_s);
    EXPECT_EQ(keeper.kept[0].second, "game's radar");
    // A file the game does not have yet has nothing to keep.
    EXPECT_TRUE(HudInstall::installSlot(2, u"3"_s, program.path(), game.path(), keeper.function()).installed);
    EXPECT_EQ(keeper.kept.size(), 1);
}

TEST_F(HudRestoreTest, EachSlotIsRestoredOrSaysWhyNot)
{
    ASSERT_EQ(HudInstall::install({u"3"_s, u"radar2"_s}, program.path(), game.path()).size(), 2);
    const QString radar = game.file(u"sprites/radar640.spr"_s);
    // The radar cannot be replaced; the game never had a scope, so nothing was kept of it.
    ASSERT_TRUE(QFile::setPermissions(radar, QFileDevice::ReadOwner));
    const auto results = HudRestore::restore(game.path(), keeper.function());
    QFile::setPermissions(radar, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(results[0].outcome, HudRestore::Outcome::Restored);
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), "game's digits");
    EXPECT_FALSE(QFile::exists(game.file(u"sprites/640hud7.spr.orig"_s)));
    EXPECT_EQ(results[1].outcome, HudRestore::Outcome::Failed);
    EXPECT_TRUE(results[1].error.contains(QDir::toNativeSeparators(radar)) && results[1].error.contains(u"read-only"_s))
        << results[1].error.toStdString();
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), sprite);
    EXPECT_EQ(game.read(u"sprites/radar640.spr.orig"_s), "game's radar");
    EXPECT_EQ(results[2].outcome, HudRestore::Outcome::NothingToRestore);
    // Only the sprite that was replaced is kept, not the one that could not be.
    ASSERT_EQ(keeper.kept.size(), 1);
    EXPECT_EQ(keeper.kept[0].first, game.file(u"sprites/640hud7.spr"_s) + u" HUD restore"_s);
    EXPECT_EQ(keeper.kept[0].second, sprite);

    // A failed keep leaves the radar and its .orig; once it can be kept the restore goes through,
    // and a second restore finds nothing left to do.
    keeper.refused << radar;
    EXPECT_EQ(HudRestore::restoreSlot(1, game.path(), keeper.function()).error, u"no room for "_s + radar);
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), sprite);
    keeper.refused.clear();
    EXPECT_EQ(HudRestore::restoreSlot(1, game.path(), keeper.function()).outcome, HudRestore::Outcome::Restored);
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), "game's radar");
    EXPECT_EQ(HudRestore::restoreSlot(1, game.path()).outcome, HudRestore::Outcome::NothingToRestore);
    EXPECT_EQ(QDir(game.file(u"sprites"_s)).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"640hud7.spr"_s, u"radar640.spr"_s}));
}

TEST_F(HudRestoreTest, OddPlacesAreRefused)
{
    for (const QString& folder : {QString(), u"cstrike"_s})
        EXPECT_TRUE(HudRestore::restoreSlot(0, folder).error.contains(u"not known"_s));
    EXPECT_EQ(HudRestore::restoreSlot(3, game.path()).outcome, HudRestore::Outcome::Failed);
    // A .orig that is a folder cannot be read; the game's file stays.
    QDir().mkpath(game.file(u"sprites/640hud7.spr.orig"_s));
    const HudRestore::SlotRestore r = HudRestore::restoreSlot(0, game.path());
    EXPECT_EQ(r.outcome, HudRestore::Outcome::Failed);
    EXPECT_TRUE(r.error.startsWith(u"Cannot read "_s)) << r.error.toStdString();
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), "game's digits");
}

} // namespace
