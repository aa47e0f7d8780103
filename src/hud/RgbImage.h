#pragma once

#include <QByteArray>

// A decoded picture as the core hands it on: rows of 8-bit red, green and blue samples, top row
// first, no padding. The page turns it into a QImage (Format_RGB888); the core stays Qt Core only.
struct RgbImage {
    int width = 0;
    int height = 0;
    QByteArray pixels; // width * height * 3 bytes

    bool isNull() const { return width <= 0 || height <= 0; }
    // The sample of one channel (0 red, 1 green, 2 blue) at (x, y).
    int sample(int x, int y, int channel) const
    {
        return static_cast<unsigned char>(pixels.at((qsizetype(y) * width + x) * 3 + channel));
    }
};
