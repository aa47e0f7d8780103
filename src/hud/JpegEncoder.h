#pragma once

#include "hud/RgbImage.h"

#include <QByteArray>
#include <QString>

// Writes JPEG pictures through libjpeg's compression interface: the HUD library's previews are
// rendered from the sprites' own pixels, so the generator needs no image plugin.
namespace JpegEncoder {

// How the samples handed to encodeSamples are laid out, one byte per component.
enum class Samples { Gray = 1, Rgb = 3, Cmyk = 4 };

// Compresses an RGB picture at `quality` (1..100); false with `error` when libjpeg refuses it.
bool encode(const RgbImage& image, int quality, QByteArray* jpeg, QString* error = nullptr);

// The same for gray or CMYK samples (width * height * components bytes), stored in that colour
// space: pictures the decoder must widen to RGB or refuse.
bool encodeSamples(int width, int height, Samples layout, const QByteArray& samples, int quality, QByteArray* jpeg,
                   QString* error = nullptr);

} // namespace JpegEncoder
