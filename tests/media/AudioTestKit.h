#pragma once
#include <filesystem>
#include <fstream>
#include <vector>
#include "TempDataHome.h"
#include "core/StringUtil.h"
#include "media/VekAudio.h"
#include "platform/NullAudioDevice.h"

/// A silent audio service on a clock the test moves, with a folder for sound files.
struct AudioTestKit {
    static constexpr int RATE = 44100;

    TempDataHome folder;
    double clock = 100.0;
    VekAudio audio{std::make_unique<platform::NullAudioDevice>(), RATE};

    AudioTestKit() {
        audio.setClock([this] { return clock; });
        audio.setDelayedLoad(false);
    }

    WideString write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::filesystem::path path = folder.path() / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return fromUtf8(path.string());
    }

    /// The next `frames` stereo frames of the mix, as (left, right) pairs flattened.
    std::vector<float> render(int frames) {
        std::vector<float> out(static_cast<size_t>(frames) * 2);
        audio.getMixer().render(out.data(), frames);
        return out;
    }
};

/// A 16-bit mono WAV file holding `frames` frames of one value.
inline std::vector<uint8_t> constantWav(int16_t value, int frames, int rate = AudioTestKit::RATE) {
    std::vector<uint8_t> b;
    auto put = [&b](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    put(36 + frames * 2, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put(frames * 2, 4);
    for (int i = 0; i < frames; ++i) put(static_cast<uint16_t>(value), 2);
    return b;
}
