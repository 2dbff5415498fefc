// Decodes fuzzed bytes as a picture (TGA, BMP or JPEG) and touches every pixel it accepts.
#include "FuzzInput.h"
#include "media/MemoryImageFile.h"

namespace {

// Small valid files of each kind for the fuzzer to patch.
std::vector<uint8_t> validPicture(int kind) {
    MemoryImageFile image(7, 5);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = 0x80000000u | static_cast<uint32_t>(i * 0x10203);
    return kind == 0 ? image.encodeTga() : image.encodeJpeg(80);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::vector<uint8_t> valid[] = {validPicture(0), validPicture(1)};
    const std::vector<uint8_t> file = fuzzedFile(data, size, valid[size % 2]);
    std::string error;
    const std::optional<MemoryImageFile> image = MemoryImageFile::decode(file, error);
    if (!image) return 0;
    uint32_t sum = 0;
    for (uint32_t pixel : image->pixels) sum += pixel;
    static_cast<void>(sum);
    return image->pixels.size() == static_cast<std::size_t>(image->width) * image->height ? 0 : 1;
}
