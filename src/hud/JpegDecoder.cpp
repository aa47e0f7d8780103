#include "hud/JpegDecoder.h"

#include <QDir>
#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Everything the plain decoding function shares with libjpeg's callbacks. Plain data only: a
// longjmp out of libjpeg skips destructors, so nothing here or in decodeRaw may have one.
struct DecodeState {
    jpeg_error_mgr errors; // first member: libjpeg hands the callbacks a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    unsigned char* pixels; // malloc'd, freed by the caller also after a failure
    int width;
    int height;
};

[[noreturn]] void failDecode(j_common_ptr info)
{
    auto* state = reinterpret_cast<DecodeState*>(info->err);
    (*info->err->format_message)(info, state->message);
    std::longjmp(state->jump, 1);
}

// libjpeg only warns at a premature end and pads the rest with grey; the picture would show
// half-drawn as if whole. Other warnings (stray bytes between markers) leave a usable picture.
void warnDecode(j_common_ptr info, int level)
{
    if (level == -1 && info->err->msg_code == JWRN_JPEG_EOF)
        failDecode(info);
}

enum class Outcome { Decoded, Failed, TooLarge };

// Plain C-style: no object with a destructor between setjmp and the last libjpeg call.
Outcome decodeRaw(const unsigned char* data, unsigned long size, DecodeState* state)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&state->errors);
    state->errors.error_exit = failDecode;
    state->errors.emit_message = warnDecode;
    state->message[0] = '\0';
    state->pixels = nullptr;
    if (setjmp(state->jump)) {
        jpeg_destroy_decompress(&info);
        return Outcome::Failed;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    state->width = int(info.image_width);
    state->height = int(info.image_height);
    if (info.image_width > JpegDecoder::MaxSide || info.image_height > JpegDecoder::MaxSide ||
        qsizetype(info.image_width) * info.image_height * 3 > JpegDecoder::MaxPixelBytes) {
        jpeg_destroy_decompress(&info);
        return Outcome::TooLarge;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const size_t rowBytes = size_t(info.output_width) * 3;
    state->pixels = static_cast<unsigned char*>(std::malloc(rowBytes * info.output_height));
    if (!state->pixels) {
        std::strcpy(state->message, "not enough memory");
        jpeg_destroy_decompress(&info);
        return Outcome::Failed;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = state->pixels + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return Outcome::Decoded;
}

} // namespace

namespace JpegDecoder {

bool decode(const QByteArray& bytes, const QString& fileName, RgbImage* image, QString* error)
{
    const auto fail = [&](const QString& cause) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(fileName), cause);
        return false;
    };
    if (bytes.isEmpty())
        return fail(QStringLiteral("the file is empty"));
    // Allocated rather than on the stack: the jump buffer and message make it large.
    auto* state = static_cast<DecodeState*>(std::calloc(1, sizeof(DecodeState)));
    if (!state)
        return fail(QStringLiteral("not enough memory"));
    const Outcome outcome =
        decodeRaw(reinterpret_cast<const unsigned char*>(bytes.constData()), (unsigned long)bytes.size(), state);
    const QString message = QString::fromLocal8Bit(state->message);
    const int width = state->width;
    const int height = state->height;
    unsigned char* pixels = state->pixels;
    std::free(state);
    if (outcome != Outcome::Decoded) {
        std::free(pixels);
        if (outcome == Outcome::TooLarge)
            return fail(QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(width).arg(height));
        return fail(QStringLiteral("not a readable JPEG picture (%1)").arg(message));
    }
    image->width = width;
    image->height = height;
    image->pixels = QByteArray(reinterpret_cast<const char*>(pixels), qsizetype(width) * height * 3);
    std::free(pixels);
    return true;
}

bool decodeFile(const QString& path, RgbImage* image, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return decode(bytes, path, image, error);
}

} // namespace JpegDecoder
