#include "media/SampleDecoder.h"
#include <cstring>
#include "media/WavDecoder.h"
#include "platform/VorbisDecoder.h"

namespace {

constexpr int DECODE_CHUNK_FRAMES = 4096;

bool hasSignature(const std::vector<uint8_t>& bytes, const char (&signature)[5]) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), signature, 4) == 0;
}

bool decodeVorbis(const std::shared_ptr<const std::vector<uint8_t>>& bytes, PcmData& out, std::string& error) {
    platform::VorbisDecoder decoder(bytes);
    if (!decoder.isOpen()) {
        error = "Ogg Vorbis: " + decoder.getError();
        return false;
    }
    out.frequency = decoder.getFrequency();
    out.channels = decoder.getChannels();
    out.samples.clear();
    std::vector<float> chunk(static_cast<size_t>(DECODE_CHUNK_FRAMES) * out.channels);
    while (const int frames = decoder.read(chunk.data(), DECODE_CHUNK_FRAMES)) {
        out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + frames * out.channels);
        if (out.frameCount() > MAX_SAMPLE_FRAMES) {
            error = "Ogg Vorbis: sample too long";
            return false;
        }
    }
    if (!decoder.getError().empty()) {
        error = "Ogg Vorbis: " + decoder.getError();
        return false;
    }
    return true;
}

}  // namespace

bool decodeSample(const std::shared_ptr<const std::vector<uint8_t>>& bytes, PcmData& out, std::string& error) {
    if (!bytes) {
        error = "no data";
        return false;
    }
    if (hasSignature(*bytes, "RIFF")) {
        if (!decodeWav(*bytes, out, error)) {
            error = "WAV: " + error;
            return false;
        }
        if (out.frameCount() > MAX_SAMPLE_FRAMES) {
            error = "WAV: sample too long";
            return false;
        }
        return true;
    }
    if (hasSignature(*bytes, "OggS")) return decodeVorbis(bytes, out, error);
    error = "neither a WAV nor an Ogg Vorbis file";
    return false;
}
