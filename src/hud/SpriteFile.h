#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

// A GoldSrc sprite file (.spr), the format of the game's HUD pictures: little-endian, a header
// that starts with "IDSP" and version 2, a palette of 256 RGB colours, then single frames of
// palette indices. Frame groups (animated sprites) are not read: the HUD files do not use them.
class SpriteFile final {
public:
    // How the game orients and blends the sprite. Stored as plain numbers, so a value this
    // program does not name survives a read and a write.
    enum Type : std::int32_t {
        ParallelUpright = 0,
        FacingUpright = 1,
        Parallel = 2,
        Oriented = 3,
        ParallelOriented = 4
    };
    enum TextureFormat : std::int32_t { Normal = 0, Additive = 1, IndexAlpha = 2, AlphaTest = 3 };

    struct Frame {
        std::int32_t originX = 0;
        std::int32_t originY = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
        QByteArray indices; // width * height palette indices, top row first
    };

    // "IDSP", version, type, texture format, bounding radius, max width, max height, frame count,
    // beam length, sync type: ten 4-byte fields.
    static constexpr int HeaderSize = 40;
    static constexpr int Version = 2;
    // A frame larger than this is not a HUD picture; the limit keeps a damaged size from
    // asking for gigabytes.
    static constexpr int MaxFrameSide = 4096;

    std::int32_t type = Parallel;
    std::int32_t textureFormat = AlphaTest;
    float boundingRadius = 0;
    std::int32_t syncType = 0;
    float beamLength = 0;
    std::array<std::uint8_t, 256 * 3> palette{}; // RGB
    QList<Frame> frames;

    // The largest frame width and height, as the header stores them.
    int maxWidth() const;
    int maxHeight() const;

    // Why `bytes` cannot be a sprite file ("Cannot use <file>: ..."), checked before a library file
    // is copied over a game file; the empty text when its header is sound.
    static QString check(const QByteArray& bytes, const QString& fileName);

    // Reads the whole file; false with `error` naming the file and the cause when it is not a
    // sprite, is cut short or holds something this reader does not know.
    static bool read(const QByteArray& bytes, const QString& fileName, SpriteFile* sprite, QString* error);

    // The file's bytes; the header's frame size and bounding radius follow the frames.
    QByteArray write() const;
};
