#include "hud/HudInstall.h"
#include "hud/JpegDecoder.h"
#include "hud/SpriteFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList filesUnder(const QString& root)
{
    QStringList files;
    for (const QString& folder : {u"huds"_s, u"demo/cstrike/sprites"_s}) {
        for (const QString& name : QDir(root + u'/' + folder).entryList(QDir::Files, QDir::Name))
            files << folder + u'/' + name;
    }
    return files;
}

// The shipped library and the demo's sprites are exactly what the generator draws: nobody edits
// them by hand, and each sprite has the frames of the game file its slot replaces.
TEST(HudLibraryTest, ShippedFilesAreTheGeneratorsOutput)
{
    TempDir out;
    QProcess generator;
    generator.start(QStringLiteral(QVL_HUDGEN), {out.path()});
    ASSERT_TRUE(generator.waitForFinished(120000)) << generator.errorString().toStdString();
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QString shipped = QStringLiteral(QVL_SOURCE_DATA);
    const QStringList files = filesUnder(out.path());
    EXPECT_EQ(files.size(), 25 * 2 + 3);
    EXPECT_EQ(filesUnder(shipped), files);
    for (const QString& file : files)
        EXPECT_TRUE(TempDir::readFile(out.file(file)) == TempDir::readFile(shipped + u'/' + file))
            << file.toStdString() << " differs from the generator's output";

    for (const HudInstall::Slot& slot : HudInstall::slots()) {
        SpriteFile game;
        QString error;
        ASSERT_TRUE(SpriteFile::read(TempDir::readFile(out.file(u"demo/cstrike/"_s + slot.gameFile)), slot.gameFile,
                                     &game, &error))
            << error.toStdString();
        for (const QString& entry : slot.entries) {
            SpriteFile s;
            ASSERT_TRUE(
                SpriteFile::read(TempDir::readFile(out.file(u"huds/"_s + entry + u".spr"_s)), entry, &s, &error))
                << error.toStdString();
            EXPECT_EQ(s.frames.size(), game.frames.size()) << entry.toStdString();
            EXPECT_EQ(s.maxWidth(), game.maxWidth()) << entry.toStdString();
            EXPECT_EQ(s.maxHeight(), game.maxHeight()) << entry.toStdString();
        }
    }
}

// How many pixels of two pictures of one size differ enough to see.
int visiblyDifferent(const RgbImage& a, const RgbImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            int most = 0;
            for (int c = 0; c < 3; ++c)
                most = qMax(most, qAbs(a.sample(x, y, c) - b.sample(x, y, c)));
            n += most >= 32;
        }
    }
    return n;
}

// What a player would see go wrong: a preview the page cannot show whole, two entries of a list
// that look alike, a scope whose see-through middle is not at the screen's centre.
TEST(HudLibraryTest, EntriesFitThePageAndLookDifferent)
{
    const QString huds = QStringLiteral(QVL_SOURCE_DATA "/huds/");
    for (const HudInstall::Slot& slot : HudInstall::slots()) {
        QList<RgbImage> previews;
        for (const QString& entry : slot.entries) {
            RgbImage preview;
            QString error;
            ASSERT_TRUE(JpegDecoder::decodeFile(huds + entry + u".jpg"_s, &preview, &error)) << error.toStdString();
            EXPECT_EQ(preview.width, 256) << entry.toStdString();
            EXPECT_EQ(preview.height, 115) << entry.toStdString();
            for (int i = 0; i < previews.size(); ++i)
                EXPECT_GT(visiblyDifferent(previews[i], preview), 150)
                    << entry.toStdString() << " looks like " << slot.entries[i].toStdString();
            previews << preview;
        }
    }
    for (const QString& entry : HudInstall::slots()[2].entries) {
        SpriteFile s;
        ASSERT_TRUE(SpriteFile::read(TempDir::readFile(huds + entry + u".spr"_s), entry, &s, nullptr));
        // The game mirrors the quarter around its lower right corner: see-through near it, black
        // in the far corner.
        ASSERT_EQ(s.textureFormat, SpriteFile::AlphaTest);
        const SpriteFile::Frame& f = s.frames[0];
        EXPECT_EQ(quint8(f.indices.at((f.height - 30) * f.width + f.width - 30)), 255) << entry.toStdString();
        EXPECT_NE(quint8(f.indices.at(0)), 255) << entry.toStdString();
    }
}

} // namespace
