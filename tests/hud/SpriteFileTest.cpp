#include "hud/SpriteFile.h"

#include "HudTestFiles.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(SpriteFile, WrittenFileReadsBackWithTheHeaderTheGameExpects)
{
    SpriteFile s = HudTestFiles::sprite(24, 12, 3);
    s.frames[1].width = 30; // frames of different sizes: the header holds the largest
    s.frames[1].height = 5;
    s.frames[1].indices = QByteArray(30 * 5, 'x');
    s.type = SpriteFile::ParallelOriented;
    s.textureFormat = SpriteFile::Additive;
    s.syncType = 1;
    const QByteArray bytes = s.write();

    ASSERT_EQ(bytes.left(4), "IDSP");
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 4), 2);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 20), 30); // max width
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 24), 12); // max height
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 28), 3);  // frames
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bytes.constData() + 40), 256);
    EXPECT_EQ(bytes.size(), 40 + 2 + 768 + 3 * 20 + 24 * 12 * 2 + 30 * 5);

    // Read back, every field comes back: writing it again gives the same bytes.
    SpriteFile back;
    QString error;
    ASSERT_TRUE(SpriteFile::read(bytes, u"a.spr"_s, &back, &error)) << error.toStdString();
    ASSERT_EQ(back.frames.size(), 3);
    EXPECT_EQ(back.frames[1].indices, s.frames[1].indices);
    EXPECT_GE(back.boundingRadius, 15.0f); // half the diagonal of 30 x 12 at least
    EXPECT_EQ(back.write(), bytes);
}

TEST(SpriteFile, CheckRefusesWhatIsNotASpriteAndNamesTheFileAndCause)
{
    const QByteArray good = HudTestFiles::sprite(4, 4, 1).write();
    QByteArray version1 = good;
    version1[4] = 1;
    const struct {
        QByteArray bytes;
        const char* cause;
    } cases[] = {
        {QByteArray(), "empty"},
        {QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(64, '\0'), "does not start with IDSP"},
        {good.left(39), "cut short"},
        {version1, "version 1"},
    };
    for (const auto& c : cases) {
        const QString error = SpriteFile::check(c.bytes, u"/lib/huds/3.spr"_s);
        EXPECT_TRUE(error.contains(u"3.spr"_s)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.cause))) << error.toStdString();
        SpriteFile s;
        EXPECT_FALSE(SpriteFile::read(c.bytes, u"3.spr"_s, &s, nullptr));
    }
    EXPECT_TRUE(SpriteFile::check(good, u"3.spr"_s).isEmpty());
    EXPECT_TRUE(SpriteFile::check(good.left(40), u"3.spr"_s).isEmpty()); // the header alone passes the check
}

TEST(SpriteFile, DamagedBodyIsRefusedNotReadPastItsEnd)
{
    const QByteArray good = HudTestFiles::sprite(8, 8, 2).write();
    QByteArray hugeCount = good;
    qToLittleEndian<std::int32_t>(0x7fffffff, hugeCount.data() + 28);
    QByteArray hugeFrame = good;
    qToLittleEndian<std::int32_t>(100000, hugeFrame.data() + 40 + 2 + 768 + 12); // first frame's width
    QByteArray group = good;
    qToLittleEndian<std::int32_t>(1, group.data() + 40 + 2 + 768);
    const struct {
        QByteArray bytes;
        const char* cause;
    } cases[] = {
        {good.left(good.size() - 1), "cut short"},
        {hugeCount, "frame count"},
        {hugeFrame, "size 100000"},
        {group, "frame group"},
    };
    for (const auto& c : cases) {
        SpriteFile s;
        QString error;
        EXPECT_FALSE(SpriteFile::read(c.bytes, u"x.spr"_s, &s, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.cause))) << error.toStdString();
    }
}

} // namespace
