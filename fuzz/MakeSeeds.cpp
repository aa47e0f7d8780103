// Writes the small seed files that the project's test data does not hold: a sprite and JPEG
// pictures made with the program's own writers, and Steam library lists in both formats.
#include "hud/JpegEncoder.h"
#include "hud/SpriteFile.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool save(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    SpriteFile sprite;
    for (int i = 0; i < 256; ++i)
        sprite.palette[size_t(i) * 3] = std::uint8_t(i);
    SpriteFile::Frame frame;
    frame.width = 4;
    frame.height = 3;
    frame.originX = -2;
    frame.originY = 1;
    frame.indices = QByteArray("\x00\x01\x02\x03\x10\x20\x30\x40\xff\xfe\xfd\xfc", 12);
    sprite.frames = {frame, frame};
    ok &= save(out + QStringLiteral("/sprite/two-frames.spr"), sprite.write());

    RgbImage image{8, 8, QByteArray(8 * 8 * 3, '\0')};
    for (int i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = char(i * 5);
    QByteArray jpeg;
    ok &= JpegEncoder::encode(image, 75, &jpeg) && save(out + QStringLiteral("/jpeg/rgb.jpg"), jpeg);
    ok &= JpegEncoder::encodeSamples(4, 4, JpegEncoder::Samples::Gray, QByteArray(16, '\x80'), 90, &jpeg) &&
          save(out + QStringLiteral("/jpeg/gray.jpg"), jpeg);
    ok &= JpegEncoder::encodeSamples(2, 2, JpegEncoder::Samples::Cmyk, QByteArray(16, '\x40'), 90, &jpeg) &&
          save(out + QStringLiteral("/jpeg/cmyk.jpg"), jpeg);

    ok &= save(out + QStringLiteral("/vdf/current.vdf"),
               "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/player/.steam/steam\"\n"
               "\t\t\"apps\"\n\t\t{\n\t\t\t\"10\"\t\t\"0\"\n\t\t}\n\t}\n\t\"1\"\n\t{\n"
               "\t\t\"path\"\t\t\"/mnt/games/Steam Library\"\n\t}\n}\n");
    ok &= save(out + QStringLiteral("/vdf/old.vdf"),
               "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
               "\t\"1\"\t\t\"D:\\\\Games\\\\Steam\"\n}\n// the end\n");
    return ok ? 0 : 1;
}
