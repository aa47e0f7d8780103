#include "hud/HudRestore.h"

#include "HudTestFiles.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A game folder with the game's digits and radar, a library of two entries, and a history in
// memory that refuses the files named in `refused`.
class HudRestoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.write(u"huds/3.spr"_s, sprite);
        program.write(u"huds/radar2.spr"_s, sprite);
        game.write(u"sprites/640hud7.spr"_s, "game's digits");
        game.write(u"sprites/radar640.spr"_s, "game's radar");
    }
    HudInstall::KeepVersion keep()
    {
        return [this](const QString& path, const QString& action, QString* error) {
            if (refused.contains(path)) {
                *error = u"no room for "_s + path;
                return false;
            }
            kept.append({path + u' ' + action, TempDir::readFile(path)});
            return true;
        };
    }

    TempDir program;
    TempDir game;
    QByteArray sprite = HudTestFiles::sprite(8, 8, 1).write();
    QStringList refused;
    QList<std::pair<QString, QByteArray>> kept;
};

TEST_F(HudRestoreTest, InstallKeepsTheFileItReplacesAndStopsWhenItCannot)
{
    const QString digits = game.file(u"sprites/640hud7.spr"_s);
    refused << digits;
    const auto results = HudInstall::install({u"3"_s, u"radar2"_s, QString()}, program.path(), game.path(), keep());
    ASSERT_EQ(results.size(), 2);
    EXPECT_FALSE(results[0].installed);
    EXPECT_EQ(results[0].error, u"no room for "_s + digits);
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), "game's digits");
    EXPECT_FALSE(QFile::exists(digits + u".orig"_s)) << "nothing written for a slot that stopped";
    EXPECT_TRUE(results[1].installed);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].first, game.file(u"sprites/radar640.spr"_s) + u" HUD install"_s);
    EXPECT_EQ(kept[0].second, "game's radar");
    // A file the game does not have yet has nothing to keep.
    EXPECT_TRUE(HudInstall::installSlot(2, u"3"_s, program.path(), game.path(), keep()).installed);
    EXPECT_EQ(kept.size(), 1);
}

// The page's test covers a slot that cannot be written and one without a .orig.
TEST_F(HudRestoreTest, AFailedKeepLeavesTheSlotAndItsOrigUntilItCanBeKept)
{
    ASSERT_TRUE(HudInstall::installSlot(1, u"radar2"_s, program.path(), game.path()).installed);
    const QString radar = game.file(u"sprites/radar640.spr"_s);
    refused << radar;
    EXPECT_EQ(HudRestore::restoreSlot(1, game.path(), keep()).error, u"no room for "_s + radar);
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), sprite);
    refused.clear();
    EXPECT_EQ(HudRestore::restoreSlot(1, game.path(), keep()).outcome, HudRestore::Outcome::Restored);
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), "game's radar");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0], std::make_pair(radar + u" HUD restore"_s, sprite));
    // The .orig went with the restore: the next one finds nothing to do, and no file is left over.
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
