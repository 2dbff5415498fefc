#include "platform/VorbisDecoder.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vorbis/vorbisfile.h>

namespace platform {

namespace {

std::string describe(int code) {
    switch (code) {
    case OV_EREAD: return "read error";
    case OV_ENOTVORBIS: return "not Vorbis data";
    case OV_EVERSION: return "unsupported Vorbis version";
    case OV_EBADHEADER: return "bad Vorbis header";
    case OV_EFAULT: return "internal decoder fault";
    case OV_EBADLINK: return "corrupt stream link";
    case OV_EINVAL: return "invalid stream";
    case OV_ENOSEEK: return "stream not seekable";
    default: return "decoding error " + std::to_string(code);
    }
}

}  // namespace

VorbisDecoder::VorbisDecoder(std::shared_ptr<const std::vector<uint8_t>> bytes)
    : file(std::make_unique<OggVorbis_File>()) {
    source.bytes = std::move(bytes);
    if (!source.bytes) source.bytes = std::make_shared<const std::vector<uint8_t>>();
    const ov_callbacks callbacks{&VorbisDecoder::readBytes, &VorbisDecoder::seekBytes, nullptr,
                                 &VorbisDecoder::tellBytes};
    const int result = ov_open_callbacks(&source, file.get(), nullptr, 0, callbacks);
    if (result != 0) {
        error = describe(result);
        file.reset();  // ov_open_callbacks cleans up after itself on failure
        return;
    }
    bOpen = true;
    const vorbis_info* info = ov_info(file.get(), -1);
    channels = info ? info->channels : 0;
    frequency = info ? static_cast<int>(info->rate) : 0;
    if (channels < 1 || channels > 2 || frequency <= 0) {
        error = "only mono and stereo streams are supported (channels " + std::to_string(channels) +
                ", rate " + std::to_string(frequency) + ")";
        bOpen = false;
    }
}

VorbisDecoder::~VorbisDecoder() {
    if (file) ov_clear(file.get());
}

int VorbisDecoder::read(float* out, int frames) {
    if (!bOpen) return 0;
    int written = 0;
    while (written < frames) {
        float** planes = nullptr;
        int link = 0;
        const long got = ov_read_float(file.get(), &planes, frames - written, &link);
        if (got == OV_HOLE) continue;  // a gap in the data: decoding resumes after it
        if (got < 0) {
            error = describe(static_cast<int>(got));
            bOpen = false;
            break;
        }
        if (got == 0) break;
        const vorbis_info* info = ov_info(file.get(), link);
        if (!info || info->channels != channels) {
            error = "the channel count changes inside the stream";
            bOpen = false;
            break;
        }
        for (long f = 0; f < got; ++f)
            for (int c = 0; c < channels; ++c) out[(written + f) * channels + c] = planes[c][f];
        written += static_cast<int>(got);
    }
    return written;
}

bool VorbisDecoder::rewind() { return bOpen && ov_pcm_seek(file.get(), 0) == 0; }

size_t VorbisDecoder::readBytes(void* into, size_t size, size_t count, void* raw) {
    auto* memory = static_cast<MemorySource*>(raw);
    if (size == 0) return 0;
    const size_t left = memory->bytes->size() - memory->position;
    const size_t items = std::min(count, left / size);
    if (items == 0) return 0;
    std::memcpy(into, memory->bytes->data() + memory->position, items * size);
    memory->position += items * size;
    return items;
}

int VorbisDecoder::seekBytes(void* raw, int64_t offset, int whence) {
    auto* memory = static_cast<MemorySource*>(raw);
    const auto size = static_cast<int64_t>(memory->bytes->size());
    int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<int64_t>(memory->position);
    else if (whence == SEEK_END) base = size;
    else if (whence != SEEK_SET) return -1;
    const int64_t target = base + offset;
    if (target < 0 || target > size) return -1;
    memory->position = static_cast<size_t>(target);
    return 0;
}

long VorbisDecoder::tellBytes(void* raw) { return static_cast<long>(static_cast<MemorySource*>(raw)->position); }

}  // namespace platform
