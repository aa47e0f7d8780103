#include "hud/JpegDecoder.h"
#include "hud/JpegEncoder.h"

#include "HudTestFiles.h"
#include "support/TempDir.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray encoded(const RgbImage& image)
{
    QByteArray jpeg;
    QString error;
    if (!JpegEncoder::encode(image, 90, &jpeg, &error))
        ADD_FAILURE() << error.toStdString();
    return jpeg;
}

void expectSolid(const RgbImage& image, int r, int g, int b)
{
    const int tolerance = 6; // JPEG is lossy, but a flat colour comes back close
    for (int y = 0; y < image.height; y += 7)
        for (int x = 0; x < image.width; x += 5) {
            ASSERT_LE(std::abs(image.sample(x, y, 0) - r), tolerance) << x << "," << y;
            ASSERT_LE(std::abs(image.sample(x, y, 1) - g), tolerance) << x << "," << y;
            ASSERT_LE(std::abs(image.sample(x, y, 2) - b), tolerance) << x << "," << y;
        }
}

TEST(JpegDecoder, EncodedSolidColoursComeBackAsRgb)
{
    // The preview's size and one odd size, so rows are not padded or swapped with columns.
    const struct {
        int w, h, r, g, b;
    } cases[] = {{256, 115, 200, 30, 40}, {17, 9, 20, 180, 250}};
    for (const auto& c : cases) {
        RgbImage image;
        QString error;
        ASSERT_TRUE(
            JpegDecoder::decode(encoded(HudTestFiles::solid(c.w, c.h, c.r, c.g, c.b)), u"p.jpg"_s, &image, &error))
            << error.toStdString();
        ASSERT_EQ(image.width, c.w);
        ASSERT_EQ(image.height, c.h);
        ASSERT_EQ(image.pixels.size(), c.w * c.h * 3);
        expectSolid(image, c.r, c.g, c.b);
    }
}

TEST(JpegDecoder, TwoHalvesKeepTheirPlaces)
{
    RgbImage two = HudTestFiles::solid(64, 32, 255, 0, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 32; x < 64; ++x) {
            const qsizetype at = (qsizetype(y) * 64 + x) * 3;
            two.pixels[at] = 0;
            two.pixels[at + 2] = char(255);
        }
    RgbImage image;
    ASSERT_TRUE(JpegDecoder::decode(encoded(two), u"p.jpg"_s, &image, nullptr));
    EXPECT_GT(image.sample(4, 16, 0), 200);
    EXPECT_LT(image.sample(4, 16, 2), 50);
    EXPECT_LT(image.sample(60, 16, 0), 50);
    EXPECT_GT(image.sample(60, 16, 2), 200);
}

TEST(JpegDecoder, GrayscaleIsWidenedToRgb)
{
    QByteArray jpeg;
    ASSERT_TRUE(JpegEncoder::encodeSamples(16, 16, JpegEncoder::Samples::Gray, QByteArray(256, char(120)), 90, &jpeg));
    RgbImage image;
    QString error;
    ASSERT_TRUE(JpegDecoder::decode(jpeg, u"g.jpg"_s, &image, &error)) << error.toStdString();
    expectSolid(image, 120, 120, 120);
}

TEST(JpegDecoder, CmykIsRefusedCleanlyOrDecoded)
{
    QByteArray jpeg;
    ASSERT_TRUE(
        JpegEncoder::encodeSamples(16, 16, JpegEncoder::Samples::Cmyk, QByteArray(16 * 16 * 4, char(60)), 90, &jpeg));
    RgbImage image;
    QString error;
    if (JpegDecoder::decode(jpeg, u"c.jpg"_s, &image, &error)) {
        EXPECT_EQ(image.pixels.size(), 16 * 16 * 3);
    } else {
        EXPECT_TRUE(error.startsWith(u"Cannot read c.jpg: "_s)) << error.toStdString();
        EXPECT_TRUE(image.isNull());
    }
}

TEST(JpegDecoder, BadPicturesAreErrorsNamingTheFileAndTheProgramGoesOn)
{
    const QByteArray good = encoded(HudTestFiles::solid(64, 64, 10, 20, 30));
    QByteArray random(4096, '\0');
    QRandomGenerator gen(11);
    for (char& c : random)
        c = char(gen.bounded(256));
    // Noise compresses badly, so most of its file is pixel data and a cut lands there.
    RgbImage noise = HudTestFiles::solid(128, 128, 0, 0, 0);
    for (char& c : noise.pixels)
        c = char(gen.bounded(256));
    const QByteArray noisy = encoded(noise);
    random[0] = char(0xff); // past the first check: libjpeg itself must refuse it
    random[1] = char(0xd8);
    // A frame header claiming 60000 x 60000: the SOF0 marker's height and width fields.
    QByteArray huge = good;
    const qsizetype sof = huge.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    for (qsizetype at : {sof + 5, sof + 7}) {
        huge[at] = char(60000 >> 8);
        huge[at + 1] = char(60000 & 0xff);
    }
    const struct {
        const char* name;
        QByteArray bytes;
        const char* cause;
    } cases[] = {
        {"empty", QByteArray(), "empty"},
        {"cut in the pixels", noisy.left(noisy.size() * 2 / 3), "Premature end"},
        {"cut in the header", good.left(40), ""},
        {"random", random, ""},
        {"png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(64, '\1'), ""},
        {"huge", huge, "too large (60000 x 60000"},
    };
    for (const auto& c : cases) {
        RgbImage image;
        QString error;
        EXPECT_FALSE(JpegDecoder::decode(c.bytes, u"/lib/huds/radar2.jpg"_s, &image, &error)) << c.name;
        EXPECT_TRUE(error.startsWith(u"Cannot read /lib/huds/radar2.jpg: "_s)) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.cause))) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(image.isNull()) << c.name;
    }
}

TEST(JpegDecoder, FilesAreReadAndAMissingOneIsNamed)
{
    TempDir dir;
    const QString path = dir.write(u"huds/1.jpg"_s, encoded(HudTestFiles::solid(8, 8, 0, 0, 255)));
    RgbImage image;
    QString error;
    ASSERT_TRUE(JpegDecoder::decodeFile(path, &image, &error)) << error.toStdString();
    expectSolid(image, 0, 0, 255);

    EXPECT_FALSE(JpegDecoder::decodeFile(dir.file(u"huds/2.jpg"_s), &image, &error));
    EXPECT_TRUE(error.contains(u"2.jpg"_s)) << error.toStdString();
    EXPECT_EQ(image.width, 8); // a failure leaves the picture it had
}

} // namespace
