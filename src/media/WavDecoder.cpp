#include "media/WavDecoder.h"
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr uint16_t FORMAT_PCM = 1;
constexpr uint16_t FORMAT_FLOAT = 3;
constexpr uint16_t FORMAT_EXTENSIBLE = 0xFFFE;
constexpr size_t RIFF_HEADER_BYTES = 12;
constexpr size_t CHUNK_HEADER_BYTES = 8;
constexpr size_t FMT_BYTES = 16;
constexpr size_t FMT_EXTENSIBLE_BYTES = 40;
constexpr size_t SUBFORMAT_OFFSET = 24;
constexpr uint32_t MAX_FREQUENCY = 384000;

uint16_t read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t read32(const uint8_t* p) { return read16(p) | static_cast<uint32_t>(read16(p + 2)) << 16; }

struct WavFormat {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t frequency = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
};

bool parseFormat(std::span<const uint8_t> body, WavFormat& format, std::string& error) {
    if (body.size() < FMT_BYTES) {
        error = "format chunk too short";
        return false;
    }
    format.tag = read16(&body[0]);
    format.channels = read16(&body[2]);
    format.frequency = read32(&body[4]);
    format.blockAlign = read16(&body[12]);
    format.bits = read16(&body[14]);
    if (format.tag == FORMAT_EXTENSIBLE) {
        if (body.size() < FMT_EXTENSIBLE_BYTES) {
            error = "extensible format chunk too short";
            return false;
        }
        format.tag = read16(&body[SUBFORMAT_OFFSET]);
    }
    const bool bInteger = format.tag == FORMAT_PCM && (format.bits == 8 || format.bits == 16);
    const bool bFloat = format.tag == FORMAT_FLOAT && format.bits == 32;
    if (!bInteger && !bFloat) {
        error = "unsupported encoding (format " + std::to_string(format.tag) + ", " + std::to_string(format.bits) +
                " bits)";
        return false;
    }
    if (format.channels < 1 || format.channels > 2) {
        error = "unsupported channel count " + std::to_string(format.channels);
        return false;
    }
    if (format.frequency < 1 || format.frequency > MAX_FREQUENCY) {
        error = "bad frequency " + std::to_string(format.frequency);
        return false;
    }
    if (format.blockAlign != format.channels * format.bits / 8) {
        error = "block size " + std::to_string(format.blockAlign) + " does not match the format";
        return false;
    }
    return true;
}

float sampleAt(const uint8_t* p, const WavFormat& format) {
    if (format.bits == 8) return (static_cast<int>(p[0]) - 128) / 128.0f;
    if (format.bits == 16) return static_cast<int16_t>(read16(p)) / 32768.0f;
    float value = 0.0f;
    const uint32_t raw = read32(p);
    std::memcpy(&value, &raw, sizeof value);
    return std::isfinite(value) ? value : 0.0f;  // one NaN would poison the whole mix
}

}  // namespace

bool decodeWav(std::span<const uint8_t> bytes, PcmData& out, std::string& error) {
    if (bytes.size() < RIFF_HEADER_BYTES || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        error = "not a RIFF/WAVE file";
        return false;
    }
    std::optional<WavFormat> format;
    std::optional<std::span<const uint8_t>> data;
    size_t offset = RIFF_HEADER_BYTES;
    while (bytes.size() - offset >= CHUNK_HEADER_BYTES) {
        const uint8_t* header = bytes.data() + offset;
        const uint64_t size = read32(header + 4);
        const size_t bodyStart = offset + CHUNK_HEADER_BYTES;
        const size_t available = bytes.size() - bodyStart;
        const bool bComplete = size <= available;
        const std::span<const uint8_t> body(bytes.data() + bodyStart, bComplete ? size : available);
        if (std::memcmp(header, "fmt ", 4) == 0 && !format) {
            if (!bComplete) {
                error = "format chunk cut short";
                return false;
            }
            WavFormat parsed;
            if (!parseFormat(body, parsed, error)) return false;
            format = parsed;
        } else if (std::memcmp(header, "data", 4) == 0 && !data) {
            data = body;
        }
        if (!bComplete) break;
        const uint64_t next = bodyStart + size + (size & 1);  // chunks are padded to even sizes
        if (next >= bytes.size()) break;
        offset = static_cast<size_t>(next);
    }
    if (!format) {
        error = "no format chunk";
        return false;
    }
    if (!data) {
        error = "no data chunk";
        return false;
    }
    const size_t frames = data->size() / format->blockAlign;
    const size_t bytesPerSample = format->bits / 8u;
    out.frequency = static_cast<int>(format->frequency);
    out.channels = format->channels;
    out.samples.resize(frames * format->channels);
    for (size_t i = 0; i < out.samples.size(); ++i) out.samples[i] = sampleAt(data->data() + i * bytesPerSample, *format);
    return true;
}
