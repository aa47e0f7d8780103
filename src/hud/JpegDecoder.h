#pragma once

#include "hud/RgbImage.h"

#include <QByteArray>
#include <QString>

// Decodes the HUD library's JPEG previews through libjpeg's decompression interface. A bad
// picture is an error text, never the end of the program: libjpeg's own handler would exit().
namespace JpegDecoder {

// Pictures larger than this are refused before any pixel memory is taken.
constexpr int MaxSide = 8192;
constexpr qsizetype MaxPixelBytes = qsizetype(64) * 1024 * 1024;

// Decodes `bytes` to RGB (grayscale is widened; a colour space libjpeg cannot turn into RGB is an
// error). `fileName` only names the picture in the error: "Cannot read <file>: <cause>". A file
// that ends early is an error, not a picture padded with grey.
bool decode(const QByteArray& bytes, const QString& fileName, RgbImage* image, QString* error);

// Reads and decodes the file at `path`.
bool decodeFile(const QString& path, RgbImage* image, QString* error);

} // namespace JpegDecoder
