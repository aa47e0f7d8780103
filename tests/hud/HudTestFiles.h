#pragma once

#include "hud/RgbImage.h"
#include "hud/SpriteFile.h"

#include <QByteArray>

// Small sprites and pictures made here for the HUD tests.
namespace HudTestFiles {

// A sprite of `frames` frames of `width` x `height`, each frame filled with its own index.
inline SpriteFile sprite(int width, int height, int frames)
{
    SpriteFile s;
    for (int i = 0; i < 256; ++i) {
        s.palette[i * 3] = std::uint8_t(i);
        s.palette[i * 3 + 1] = std::uint8_t(255 - i);
        s.palette[i * 3 + 2] = std::uint8_t(i * 7);
    }
    for (int f = 0; f < frames; ++f) {
        SpriteFile::Frame frame;
        frame.originX = -width / 2;
        frame.originY = height / 2;
        frame.width = width;
        frame.height = height;
        frame.indices = QByteArray(qsizetype(width) * height, char(f + 1));
        frame.indices[0] = char(200); // a corner that tells rows and frames apart
        s.frames.append(frame);
    }
    return s;
}

inline RgbImage solid(int width, int height, int r, int g, int b)
{
    RgbImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < width * height; ++i) {
        image.pixels.append(char(r));
        image.pixels.append(char(g));
        image.pixels.append(char(b));
    }
    return image;
}

} // namespace HudTestFiles
