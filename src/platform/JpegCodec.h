#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // top row first, 3 bytes a pixel
};

/// Decodes a JPEG through libjpeg; `error` says why when it returns nothing. A picture wider or
/// taller than `maxDimension`, or whose data is too short for its declared size, is refused
/// before its pixels are allocated; data that ends before the last row is refused too.
std::optional<RgbImage> decodeJpeg(std::span<const uint8_t> bytes, int maxDimension, std::string& error);
/// Encodes top-down RGB pixels as a baseline JPEG (quality 1..100); empty on failure.
std::vector<uint8_t> encodeJpeg(const RgbImage& image, int quality);

}  // namespace platform
