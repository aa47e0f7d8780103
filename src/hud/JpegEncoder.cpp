#include "hud/JpegEncoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// Shared with libjpeg's callbacks; plain data only, as a longjmp skips destructors.
struct EncodeState {
    jpeg_error_mgr errors; // first member: libjpeg hands the callbacks a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    unsigned char* output; // malloc'd by libjpeg's memory destination, freed by the caller
    unsigned long outputSize;
};

[[noreturn]] void failEncode(j_common_ptr info)
{
    auto* state = reinterpret_cast<EncodeState*>(info->err);
    (*info->err->format_message)(info, state->message);
    std::longjmp(state->jump, 1);
}

void ignoreMessage(j_common_ptr, int) {}

bool encodeRaw(const unsigned char* samples, int width, int height, int components, J_COLOR_SPACE space, int quality,
               EncodeState* state)
{
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&state->errors);
    state->errors.error_exit = failEncode;
    state->errors.emit_message = ignoreMessage;
    state->message[0] = '\0';
    state->output = nullptr;
    state->outputSize = 0;
    if (setjmp(state->jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &state->output, &state->outputSize);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const size_t rowBytes = size_t(width) * size_t(components);
    while (info.next_scanline < info.image_height) {
        // libjpeg's row type is not const, but compression only reads the rows.
        JSAMPROW row = const_cast<unsigned char*>(samples) + rowBytes * info.next_scanline;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

namespace JpegEncoder {

bool encodeSamples(int width, int height, Samples layout, const QByteArray& samples, int quality, QByteArray* jpeg,
                   QString* error)
{
    const int components = int(layout);
    if (width <= 0 || height <= 0 || samples.size() != qsizetype(width) * height * components) {
        if (error)
            *error = QStringLiteral("Cannot write a JPEG picture: %1 x %2 pixels do not match %3 bytes")
                         .arg(width)
                         .arg(height)
                         .arg(samples.size());
        return false;
    }
    const J_COLOR_SPACE space = layout == Samples::Gray ? JCS_GRAYSCALE : layout == Samples::Rgb ? JCS_RGB : JCS_CMYK;
    auto* state = static_cast<EncodeState*>(std::calloc(1, sizeof(EncodeState)));
    if (!state) {
        if (error)
            *error = QStringLiteral("Cannot write a JPEG picture: not enough memory");
        return false;
    }
    const bool ok = encodeRaw(reinterpret_cast<const unsigned char*>(samples.constData()), width, height, components,
                              space, qBound(1, quality, 100), state);
    if (ok)
        *jpeg = QByteArray(reinterpret_cast<const char*>(state->output), qsizetype(state->outputSize));
    else if (error)
        *error = QStringLiteral("Cannot write a JPEG picture: %1").arg(QString::fromLocal8Bit(state->message));
    std::free(state->output);
    std::free(state);
    return ok;
}

bool encode(const RgbImage& image, int quality, QByteArray* jpeg, QString* error)
{
    return encodeSamples(image.width, image.height, Samples::Rgb, image.pixels, quality, jpeg, error);
}

} // namespace JpegEncoder
