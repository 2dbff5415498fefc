#include "platform/JpegCodec.h"
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace platform {
namespace {

constexpr int MAXDIMENSION = 16384;

// libjpeg reports errors by calling error_exit, which must not return: jump back to the caller.
struct ErrorHandler {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* handler = reinterpret_cast<ErrorHandler*>(info->err);
    (*info->err->format_message)(info, handler->message);
    std::longjmp(handler->jump, 1);
}

void onMessage(j_common_ptr, int) {}  // warnings of damaged but decodable files stay quiet

// Kept free of C++ objects with destructors: a longjmp may leave it at any libjpeg call.
bool decodeInto(std::span<const uint8_t> bytes, RgbImage& out, ErrorHandler& handler) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&handler.manager);
    handler.manager.error_exit = onError;
    handler.manager.emit_message = onMessage;
    if (setjmp(handler.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > MAXDIMENSION ||
        info.output_height > MAXDIMENSION || info.output_components != 3) {
        std::snprintf(handler.message, sizeof handler.message, "unsupported size or colour layout");
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool encodeInto(const RgbImage& image, int quality, unsigned char*& buffer, unsigned long& size,
                ErrorHandler& handler) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&handler.manager);
    handler.manager.error_exit = onError;
    handler.manager.emit_message = onMessage;
    if (setjmp(handler.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(image.rgb.data()) +
                       static_cast<std::size_t>(info.next_scanline) * image.width * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

std::optional<RgbImage> decodeJpeg(std::span<const uint8_t> bytes, std::string& error) {
    if (bytes.size() < 4) {
        error = "file too short";
        return std::nullopt;
    }
    RgbImage image;
    ErrorHandler handler{};
    if (!decodeInto(bytes, image, handler)) {
        error = handler.message;
        return std::nullopt;
    }
    return image;
}

std::vector<uint8_t> encodeJpeg(const RgbImage& image, int quality) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3)
        return {};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ErrorHandler handler{};
    const bool bEncoded = encodeInto(image, quality, buffer, size, handler);
    std::vector<uint8_t> out;
    if (bEncoded) out.assign(buffer, buffer + size);
    std::free(buffer);
    return out;
}

}  // namespace platform
