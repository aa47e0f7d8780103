// The JPEG decoder: any bytes decode or give an error, never a crash or an exit; a picture that
// decodes has the size it claims, within the decoder's limits.
#include "FuzzSupport.h"

#include "hud/JpegDecoder.h"

using FuzzSupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(bytes), qsizetype(size));
    RgbImage image;
    QString error;
    if (JpegDecoder::decode(file, QStringLiteral("fuzz.jpg"), &image, &error)) {
        require(error.isEmpty(), "a picture that decodes has no error");
        require(!image.isNull() && image.width <= JpegDecoder::MaxSide && image.height <= JpegDecoder::MaxSide,
                "a decoded picture is within the limits");
        require(image.pixels.size() == qsizetype(image.width) * image.height * 3, "three samples a pixel");
    } else {
        require(error.startsWith(QStringLiteral("Cannot read fuzz.jpg: ")), "the error names the picture");
    }
    return 0;
}
