#include "platform/JpegCodec.h"
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <jerror.h>

namespace platform {
namespace {

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

// Warnings of damaged but decodable files stay quiet; data that ends before the picture does
// is an error: libjpeg would fill the rest with grey and call it a picture.
void onMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) onError(info);
}

// Every 8 by 8 block of a Huffman-coded scan that holds the DC coefficients costs at least one
// bit (its shortest code), so the first scan's blocks set a floor on the data behind its header.
// Arithmetic coding and scans of AC coefficients alone (with end-of-band runs) can be far smaller.
unsigned long long minimumScanBytes(const jpeg_decompress_struct& info) {
    if (info.arith_code || info.Ss != 0) return 0;
    unsigned long long blocks = 0;
    for (int i = 0; i < info.comps_in_scan; ++i)
        blocks += static_cast<unsigned long long>(info.cur_comp_info[i]->width_in_blocks) *
                  info.cur_comp_info[i]->height_in_blocks;
    return blocks / 8;
}

// Before anything of the picture's size is allocated: within `maxDimension` and enough data.
bool checkDeclaredSize(const jpeg_decompress_struct& info, int maxDimension, ErrorHandler& handler) {
    const auto limit = static_cast<JDIMENSION>(maxDimension);
    if (info.image_width > limit || info.image_height > limit) {
        std::snprintf(handler.message, sizeof handler.message,
                      "declares %u x %u pixels, more than the largest picture (%d)", info.image_width,
                      info.image_height, maxDimension);
        return false;
    }
    const unsigned long long needed = minimumScanBytes(info);
    if (info.src->bytes_in_buffer < needed) {
        std::snprintf(handler.message, sizeof handler.message,
                      "declares %u x %u pixels but holds too little data for them (at least %llu bytes)",
                      info.image_width, info.image_height, needed);
        return false;
    }
    return true;
}

// Kept free of C++ objects with destructors: a longjmp may leave it at any libjpeg call.
bool decodeInto(std::span<const uint8_t> bytes, int maxDimension, RgbImage& out, ErrorHandler& handler) {
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
    if (!checkDeclaredSize(info, maxDimension, handler)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_components != 3) {
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

std::optional<RgbImage> decodeJpeg(std::span<const uint8_t> bytes, int maxDimension, std::string& error) {
    if (bytes.size() < 4) {
        error = "file too short";
        return std::nullopt;
    }
    RgbImage image;
    ErrorHandler handler{};
    if (!decodeInto(bytes, maxDimension, image, handler)) {
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
