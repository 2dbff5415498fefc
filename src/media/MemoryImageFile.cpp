#include "media/MemoryImageFile.h"
#include <algorithm>
#include "platform/JpegCodec.h"

namespace {

uint32_t argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | b;
}

uint16_t read16(std::span<const uint8_t> bytes, std::size_t at) { return uint16_t(bytes[at] | bytes[at + 1] << 8); }
uint32_t read32(std::span<const uint8_t> bytes, std::size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

std::string sizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// Zero, negative or beyond `maxDimension` (the largest texture the renderer takes) is refused
// before anything of that size is allocated.
bool checkSize(const char* kind, int64_t width, int64_t height, int maxDimension, std::string& error) {
    if (width > 0 && height > 0 && width <= maxDimension && height <= maxDimension) return true;
    error = std::string("bad ") + kind + " size " + sizeText(width, height) + " (largest " +
            std::to_string(maxDimension) + ")";
    return false;
}

// The file's data must be able to fill the declared size, checked before allocating it.
bool checkEnoughData(const char* kind, int64_t width, int64_t height, std::size_t available,
                     std::size_t needed, std::string& error) {
    if (available >= needed) return true;
    error = std::string(kind) + " declares " + sizeText(width, height) +
            " pixels but holds too little data for them (" + std::to_string(available) + " of at least " +
            std::to_string(needed) + " bytes)";
    return false;
}

// A JPEG starts with its start-of-image marker; whatever follows it, the file is read as one.
bool isJpeg(std::span<const uint8_t> b) {
    return b.size() >= 2 && b[0] == 0xFF && b[1] == 0xD8;
}
bool isBmp(std::span<const uint8_t> b) { return b.size() >= 2 && b[0] == 'B' && b[1] == 'M'; }

// TGA pixels come as B, G, R(, A), in runs (type 10) of at most 128 pixels; the header says
// whether rows run bottom-up and right to left.
std::optional<MemoryImageFile> decodeTga(std::span<const uint8_t> bytes, int maxDimension,
                                         std::string& error) {
    constexpr std::size_t HEADER = 18;
    constexpr std::size_t MAX_RUN = 128;
    if (bytes.size() < HEADER) {
        error = "truncated TGA header";
        return std::nullopt;
    }
    const uint8_t idLength = bytes[0], colourMapType = bytes[1], imageType = bytes[2];
    const uint16_t mapLength = read16(bytes, 5);
    const uint8_t mapEntryBits = bytes[7];
    const int width = read16(bytes, 12), height = read16(bytes, 14);
    const int bits = bytes[16];
    const uint8_t descriptor = bytes[17];
    if ((imageType != 2 && imageType != 10) || (bits != 24 && bits != 32) || colourMapType > 1) {
        error = "unsupported TGA kind (only 24/32-bit true colour, plain or run-length)";
        return std::nullopt;
    }
    if (!checkSize("TGA", width, height, maxDimension, error)) return std::nullopt;
    std::size_t at = HEADER + idLength + (colourMapType ? std::size_t(mapLength) * ((mapEntryBits + 7) / 8) : 0);
    const std::size_t pixelBytes = static_cast<std::size_t>(bits / 8);
    const std::size_t count = static_cast<std::size_t>(width) * height;
    // A run-length packet is a count byte and one pixel for up to 128 pixels.
    const std::size_t needed =
        imageType == 10 ? (count + MAX_RUN - 1) / MAX_RUN * (1 + pixelBytes) : count * pixelBytes;
    if (!checkEnoughData("TGA", width, height, at < bytes.size() ? bytes.size() - at : 0, needed, error))
        return std::nullopt;
    MemoryImageFile image(width, height);
    image.bHasAlpha = bits == 32;
    const bool bTopDown = descriptor & 0x20;
    const bool bRightToLeft = descriptor & 0x10;
    // Each pixel goes straight to its place: the file's n-th is in its row n / width, column n % width.
    auto store = [&](std::size_t n, std::size_t from) {
        const int row = static_cast<int>(n / static_cast<std::size_t>(width));
        const int column = static_cast<int>(n % static_cast<std::size_t>(width));
        const uint8_t alpha = bits == 32 ? bytes[from + 3] : 0xFF;
        image.at(bRightToLeft ? width - 1 - column : column, bTopDown ? row : height - 1 - row) =
            argb(alpha, bytes[from + 2], bytes[from + 1], bytes[from]);
    };
    for (std::size_t done = 0; done < count;) {
        std::size_t run = 1;
        bool bRepeat = false;
        if (imageType == 10) {
            if (at >= bytes.size()) {
                error = "truncated TGA pixel data";
                return std::nullopt;
            }
            const uint8_t packet = bytes[at++];
            run = (packet & 0x7F) + 1u;
            bRepeat = packet & 0x80;
        }
        run = std::min(run, count - done);
        const std::size_t size = bRepeat ? pixelBytes : run * pixelBytes;
        if (at + size > bytes.size()) {
            error = "truncated TGA pixel data";
            return std::nullopt;
        }
        for (std::size_t i = 0; i < run; ++i)
            store(done + i, bRepeat ? at : at + i * pixelBytes);
        at += size;
        done += run;
    }
    return image;
}

std::optional<MemoryImageFile> decodeBmp(std::span<const uint8_t> bytes, int maxDimension,
                                         std::string& error) {
    constexpr std::size_t FILEHEADER = 14;
    if (bytes.size() < FILEHEADER + 40) {
        error = "truncated BMP header";
        return std::nullopt;
    }
    const uint32_t dataOffset = read32(bytes, 10);
    const uint32_t infoSize = read32(bytes, 14);
    const int32_t width = static_cast<int32_t>(read32(bytes, 18));
    const int32_t rawHeight = static_cast<int32_t>(read32(bytes, 22));
    const uint16_t bits = read16(bytes, 28);
    const uint32_t compression = read32(bytes, 30);
    const bool bTopDown = rawHeight < 0;
    const int64_t height = bTopDown ? -int64_t(rawHeight) : rawHeight;
    if ((bits != 24 && bits != 32) || (compression != 0 && !(compression == 3 && bits == 32)) || infoSize < 40) {
        error = "unsupported BMP kind (only uncompressed 24/32-bit)";
        return std::nullopt;
    }
    if (!checkSize("BMP", width, height, maxDimension, error)) return std::nullopt;
    const std::size_t pixelBytes = bits / 8u;
    const std::size_t stride = (static_cast<std::size_t>(width) * pixelBytes + 3) & ~std::size_t(3);
    if (!checkEnoughData("BMP", width, height, dataOffset < bytes.size() ? bytes.size() - dataOffset : 0,
                         stride * static_cast<std::size_t>(height), error))
        return std::nullopt;
    MemoryImageFile image(width, static_cast<int>(height));
    bool bAnyAlpha = false;
    for (int y = 0; y < image.height; ++y) {
        const std::size_t row = dataOffset + stride * static_cast<std::size_t>(bTopDown ? y : image.height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * pixelBytes;
            const uint8_t alpha = bits == 32 ? bytes[p + 3] : 0xFF;
            bAnyAlpha |= bits == 32 && alpha != 0;
            image.at(x, y) = argb(alpha, bytes[p + 2], bytes[p + 1], bytes[p]);
        }
    }
    // Most 32-bit files leave the fourth byte zero: such a picture is opaque, not invisible.
    image.bHasAlpha = bAnyAlpha;
    if (bits == 32 && !bAnyAlpha)
        for (uint32_t& pixel : image.pixels) pixel |= 0xFF000000u;
    return image;
}

std::optional<MemoryImageFile> decodeJpegImage(std::span<const uint8_t> bytes, int maxDimension,
                                               std::string& error) {
    const std::optional<platform::RgbImage> rgb = platform::decodeJpeg(bytes, maxDimension, error);
    if (!rgb) {
        error = "bad JPEG: " + error;
        return std::nullopt;
    }
    MemoryImageFile image(rgb->width, rgb->height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = argb(0xFF, rgb->rgb[i * 3], rgb->rgb[i * 3 + 1], rgb->rgb[i * 3 + 2]);
    return image;
}

}  // namespace

MemoryImageFile::MemoryImageFile(int w, int h)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}

std::optional<MemoryImageFile> MemoryImageFile::decode(std::span<const uint8_t> bytes, std::string& error,
                                                       int maxDimension) {
    if (isJpeg(bytes)) return decodeJpegImage(bytes, maxDimension, error);
    if (isBmp(bytes)) return decodeBmp(bytes, maxDimension, error);
    return decodeTga(bytes, maxDimension, error);
}

std::vector<uint8_t> MemoryImageFile::encodeJpeg(int quality) const {
    platform::RgbImage rgb;
    rgb.width = width;
    rgb.height = height;
    rgb.rgb.reserve(pixels.size() * 3);
    for (uint32_t pixel : pixels) {
        rgb.rgb.push_back(static_cast<uint8_t>(pixel >> 16));
        rgb.rgb.push_back(static_cast<uint8_t>(pixel >> 8));
        rgb.rgb.push_back(static_cast<uint8_t>(pixel));
    }
    return platform::encodeJpeg(rgb, quality);
}

std::vector<uint8_t> MemoryImageFile::encodeTga() const {
    constexpr uint8_t RUN_LENGTH_TRUE_COLOUR = 10;
    constexpr uint8_t TOP_LEFT_ORIGIN_8_ALPHA_BITS = 0x28;
    constexpr std::size_t MAX_PACKET = 128;
    std::vector<uint8_t> bytes(18, 0);
    bytes[2] = RUN_LENGTH_TRUE_COLOUR;
    bytes[12] = static_cast<uint8_t>(width);
    bytes[13] = static_cast<uint8_t>(width >> 8);
    bytes[14] = static_cast<uint8_t>(height);
    bytes[15] = static_cast<uint8_t>(height >> 8);
    bytes[16] = 32;
    bytes[17] = TOP_LEFT_ORIGIN_8_ALPHA_BITS;
    auto putPixel = [&bytes](uint32_t pixel) {
        for (int shift : {0, 8, 16, 24}) bytes.push_back(static_cast<uint8_t>(pixel >> shift));  // B, G, R, A
    };
    // Packets never cross a row end, as readers expect.
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = &pixels[static_cast<std::size_t>(y) * width];
        std::size_t x = 0;
        const auto rowWidth = static_cast<std::size_t>(width);
        while (x < rowWidth) {
            std::size_t run = 1;
            while (x + run < rowWidth && run < MAX_PACKET && row[x + run] == row[x]) ++run;
            if (run > 1) {
                bytes.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
                putPixel(row[x]);
                x += run;
                continue;
            }
            std::size_t literal = 1;  // up to the next pair of equal pixels
            while (x + literal < rowWidth && literal < MAX_PACKET &&
                   !(x + literal + 1 < rowWidth && row[x + literal] == row[x + literal + 1]))
                ++literal;
            bytes.push_back(static_cast<uint8_t>(literal - 1));
            for (std::size_t i = 0; i < literal; ++i) putPixel(row[x + i]);
            x += literal;
        }
    }
    return bytes;
}
