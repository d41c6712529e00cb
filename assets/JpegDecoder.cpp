#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <string>

namespace art {

namespace {

// Our pictures are small; anything far larger is a damaged or hostile header.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorRoute {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg would call exit(); instead jump back to the decoder, which turns it into JpegError.
[[noreturn]] void RouteError(j_common_ptr info) {
    auto* route = reinterpret_cast<ErrorRoute*>(info->err);
    (*info->err->format_message)(info, route->message);
    std::longjmp(route->jump, 1);
}

// Warnings include a premature end of data, for which libjpeg would quietly pad the picture
// with grey; a damaged picture is an error for us.
void RouteMessage(j_common_ptr info, int level) {
    if (level < 0) {
        RouteError(info);
    }
}

// Kept free of objects with destructors between setjmp and the decompressor calls, so the
// long jump skips nothing that needs cleaning up.
bool Decode(const QByteArray& data, QImage& out, char* message) {
    jpeg_decompress_struct info;
    ErrorRoute route;
    info.err = jpeg_std_error(&route.manager);
    route.manager.error_exit = RouteError;
    route.manager.emit_message = RouteMessage;
    route.message[0] = '\0';
    if (setjmp(route.jump) != 0) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", route.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.num_components != 3 || info.image_width > kMaxSide || info.image_height > kMaxSide) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s",
                      "not a three-component picture of a sensible size");
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
    if (out.isNull()) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", "out of memory");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) {
        throw JpegError("JPEG picture: no data");
    }
    QImage decoded;
    char message[JMSG_LENGTH_MAX] = {};
    if (!Decode(data, decoded, message)) {
        throw JpegError(std::string("JPEG picture cannot be decoded: ") + message);
    }
    return decoded.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
