#include "dialogs/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace dialogs {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: jump back
// to the decoder instead of letting the library end the process.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void leaveOnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void keepQuiet(j_common_ptr, int) {}

// Kept free of C++ objects with destructors: longjmp skips them.
bool decodeInto(const unsigned char* bytes, unsigned long size, QImage* image)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveOnError;
    errors.base.emit_message = keepQuiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB; // grey and YCbCr alike
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0 || info.output_width > 16384 ||
        info.output_height > 16384) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    auto* image = new QImage; // on the heap: the decoder may leave by longjmp
    const bool ok = decodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                               static_cast<unsigned long>(data.size()), image);
    QImage result = ok ? image->convertToFormat(QImage::Format_RGB32) : QImage();
    delete image;
    return result;
}

} // namespace dialogs
