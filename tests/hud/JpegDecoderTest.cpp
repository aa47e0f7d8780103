#include "hud/JpegDecoder.h"
#include "hud/JpegEncoder.h"

#include "HudTestFiles.h"
#include "support/TempDir.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

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

// "r,g,b" of one pixel, each rounded to a multiple of 64: JPEG is lossy, but a colour comes back close.
std::string colour(const RgbImage& image, int x, int y)
{
    const auto round = [&](int c) { return std::to_string((image.sample(x, y, c) + 32) / 64 * 64); };
    return round(0) + "," + round(1) + "," + round(2);
}

TEST(JpegDecoder, ColoursComeBackAsRgbInTheirPlaces)
{
    // An odd size, so rows are not padded or swapped with columns, and two halves of their own.
    RgbImage two = HudTestFiles::solid(17, 9, 255, 0, 0);
    for (int y = 0; y < 9; ++y)
        for (int x = 9; x < 17; ++x) {
            two.pixels[(y * 17 + x) * 3] = 0;
            two.pixels[(y * 17 + x) * 3 + 2] = char(255);
        }
    RgbImage image;
    QString error;
    ASSERT_TRUE(JpegDecoder::decode(encoded(two), u"p.jpg"_s, &image, &error)) << error.toStdString();
    ASSERT_EQ(image.width, 17);
    ASSERT_EQ(image.height, 9);
    ASSERT_EQ(image.pixels.size(), 17 * 9 * 3);
    EXPECT_EQ(colour(image, 2, 4), "256,0,0");
    EXPECT_EQ(colour(image, 15, 4), "0,0,256");

    QByteArray gray;
    ASSERT_TRUE(JpegEncoder::encodeSamples(16, 16, JpegEncoder::Samples::Gray, QByteArray(256, char(128)), 90, &gray));
    ASSERT_TRUE(JpegDecoder::decode(gray, u"g.jpg"_s, &image, &error)) << error.toStdString();
    EXPECT_EQ(colour(image, 9, 9), "128,128,128");
}

TEST(JpegDecoder, BadPicturesAreErrorsNamingTheFileAndTheProgramGoesOn)
{
    const QByteArray good = encoded(HudTestFiles::solid(64, 64, 10, 20, 30));
    QByteArray random(4096, '\0');
    QRandomGenerator gen(11);
    for (char& c : random)
        c = char(gen.bounded(256));
    random[0] = char(0xff); // past the first check: libjpeg itself must refuse it
    random[1] = char(0xd8);
    // A frame header claiming a width of 60000 pixels: the SOF0 marker's width field. The pixels
    // would fit in memory, but no side may be that long.
    QByteArray huge = good;
    const qsizetype sof = huge.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    huge[sof + 7] = char(60000 >> 8);
    huge[sof + 8] = char(60000 & 0xff);
    QByteArray cmyk;
    ASSERT_TRUE(
        JpegEncoder::encodeSamples(16, 16, JpegEncoder::Samples::Cmyk, QByteArray(16 * 16 * 4, char(60)), 90, &cmyk));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* cause;
    } cases[] = {
        {"empty", QByteArray(), "empty"},
        {"cut short", good.left(good.size() - 20), ""},
        {"random", random, ""},
        {"huge", huge, "too large (60000 x 64"},
        {"cmyk, unless the library converts it", cmyk, ""},
    };
    for (const auto& c : cases) {
        RgbImage image;
        QString error;
        if (JpegDecoder::decode(c.bytes, u"/lib/huds/radar2.jpg"_s, &image, &error)) {
            EXPECT_EQ(c.bytes, cmyk) << c.name;
            EXPECT_EQ(image.pixels.size(), 16 * 16 * 3);
            continue;
        }
        EXPECT_TRUE(error.startsWith(u"Cannot read /lib/huds/radar2.jpg: "_s)) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.cause))) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(image.isNull()) << c.name;
    }
}

// The limits hold exactly: a side of 8192 pixels decodes, 8193 is refused; so are pixels past
// 64 MiB, told from a frame header that claims them (nothing that large is ever decoded).
TEST(JpegDecoder, PicturesUpToTheLimitsDecode)
{
    QByteArray wide;
    ASSERT_TRUE(JpegEncoder::encodeSamples(JpegDecoder::MaxSide, 2, JpegEncoder::Samples::Gray,
                                           QByteArray(JpegDecoder::MaxSide * 2, char(200)), 90, &wide));
    RgbImage image;
    QString error;
    ASSERT_TRUE(JpegDecoder::decode(wide, u"wide.jpg"_s, &image, &error)) << error.toStdString();
    EXPECT_EQ(image.width, JpegDecoder::MaxSide);

    const auto claiming = [&](int width, int height) {
        QByteArray bytes = wide;
        const qsizetype sof = bytes.indexOf("\xff\xc0");
        bytes[sof + 5] = char(height >> 8);
        bytes[sof + 6] = char(height & 0xff);
        bytes[sof + 7] = char(width >> 8);
        bytes[sof + 8] = char(width & 0xff);
        RgbImage ignored;
        error.clear();
        JpegDecoder::decode(bytes, u"x.jpg"_s, &ignored, &error);
        return error.contains(u"too large"_s);
    };
    EXPECT_TRUE(claiming(JpegDecoder::MaxSide + 1, 2));
    EXPECT_FALSE(claiming(2, JpegDecoder::MaxSide));
    EXPECT_TRUE(claiming(2, JpegDecoder::MaxSide + 1));
    const int rows = int(JpegDecoder::MaxPixelBytes / 3 / JpegDecoder::MaxSide); // the most that fit
    EXPECT_FALSE(claiming(JpegDecoder::MaxSide, rows));
    EXPECT_TRUE(claiming(JpegDecoder::MaxSide, rows + 1));
}

TEST(JpegDecoder, FilesAreReadAndAMissingOneIsNamed)
{
    TempDir dir;
    const QString path = dir.write(u"huds/1.jpg"_s, encoded(HudTestFiles::solid(8, 8, 0, 0, 255)));
    RgbImage image;
    QString error;
    ASSERT_TRUE(JpegDecoder::decodeFile(path, &image, &error)) << error.toStdString();
    EXPECT_EQ(colour(image, 4, 4), "0,0,256");

    EXPECT_FALSE(JpegDecoder::decodeFile(dir.file(u"huds/2.jpg"_s), &image, &error));
    EXPECT_TRUE(error.contains(u"2.jpg"_s)) << error.toStdString();
    EXPECT_EQ(image.width, 8); // a failure leaves the picture it had
}

} // namespace
