// Decodes fuzzed bytes as a sound sample (WAV, or Ogg Vorbis by its signature); whatever it
// accepts must be well-formed mixer data.
#include <cmath>
#include "FuzzInput.h"
#include "media/SampleDecoder.h"

namespace {

std::vector<uint8_t> validWav() {
    std::vector<uint8_t> b;
    auto put = [&b](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto text = [&b](const char* id) { b.insert(b.end(), id, id + 4); };
    text("RIFF"), put(4 + 12 + 8 + 16 + 8 + 16, 4), text("WAVE");
    text("LIST"), put(3, 4), put(0x414141, 4);  // odd size and its pad byte
    text("fmt "), put(16, 4), put(1, 2), put(2, 2), put(22050, 4), put(22050 * 4, 4), put(4, 2), put(16, 2);
    text("data"), put(16, 4);
    for (int i = 0; i < 8; ++i) put(static_cast<uint32_t>(i * 4000), 2);
    return b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::vector<uint8_t> valid = validWav();
    const auto bytes = std::make_shared<const std::vector<uint8_t>>(fuzzedFile(data, size, valid));
    PcmData pcm;
    std::string error;
    if (!decodeSample(bytes, pcm, error)) {
        if (error.empty()) __builtin_trap();
        return 0;
    }
    if (pcm.channels < 1 || pcm.channels > 2 || pcm.frequency <= 0) __builtin_trap();
    if (pcm.samples.size() % static_cast<std::size_t>(pcm.channels) != 0) __builtin_trap();
    for (const float v : pcm.samples)
        if (!std::isfinite(v)) __builtin_trap();
    return 0;
}
