// The sprite-file check and reader: any bytes are checked and read without a crash; a file that
// reads is written back as a file that reads the same, and writing that again gives the same bytes.
#include "FuzzSupport.h"

#include "hud/SpriteFile.h"

using FuzzSupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const QString name = QStringLiteral("fuzz.spr");
    const QString refusal = SpriteFile::check(file, name);
    SpriteFile sprite;
    QString error;
    const bool read = SpriteFile::read(file, name, &sprite, &error);
    require(read != !error.isEmpty(), "a failed read says why, a good one says nothing");
    if (!refusal.isEmpty()) {
        require(!read, "a refused file does not read");
        return 0;
    }
    if (!read)
        return 0;
    for (const SpriteFile::Frame& frame : sprite.frames)
        require(frame.indices.size() == qsizetype(frame.width) * frame.height, "a frame holds its pixels");

    const QByteArray written = sprite.write();
    SpriteFile again;
    require(SpriteFile::check(written, name).isEmpty() && SpriteFile::read(written, name, &again, &error),
            "a written sprite reads");
    require(again.write() == written, "write, read and write again gives the same bytes");
    return 0;
}
