#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct OggVorbis_File;

namespace platform {

/// Decodes an Ogg Vorbis file held in memory, a chunk at a time, into interleaved floats.
/// Mono and stereo only. One thread at a time; the bytes are shared, never copied.
class VorbisDecoder {
public:
    /// Opens the stream; when the data is not a usable Vorbis stream `isOpen` is false and
    /// `getError` says why.
    explicit VorbisDecoder(std::shared_ptr<const std::vector<uint8_t>> bytes);
    ~VorbisDecoder();
    VorbisDecoder(const VorbisDecoder&) = delete;
    VorbisDecoder& operator=(const VorbisDecoder&) = delete;

    bool isOpen() const { return bOpen; }
    const std::string& getError() const { return error; }
    int getChannels() const { return channels; }
    int getFrequency() const { return frequency; }

    /// Decodes up to `frames` frames into `out` (frames x channels floats); returns the frames
    /// written, 0 at the end of the stream or after a decoding error (then `getError` is set).
    int read(float* out, int frames);
    /// Back to the first frame, so a loop joins without a gap.
    bool rewind();

private:
    struct MemorySource {
        std::shared_ptr<const std::vector<uint8_t>> bytes;
        size_t position = 0;
    };
    static size_t readBytes(void* into, size_t size, size_t count, void* source);
    static int seekBytes(void* source, int64_t offset, int whence);
    static long tellBytes(void* source);

    MemorySource source;
    std::unique_ptr<OggVorbis_File> file;
    bool bOpen = false;
    int channels = 0;
    int frequency = 0;
    std::string error;
};

}  // namespace platform
