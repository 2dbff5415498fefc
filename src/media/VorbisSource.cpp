#include "media/VorbisSource.h"
#include <algorithm>
#include <utility>

namespace {
/// Frames decoded where the source is made: the decoder builds its tables on the first packet
/// and sizes its buffers over the first blocks (measured: every track of the game then plays
/// and loops without allocating from 2048 on), so none of that happens on the audio thread.
/// Those buffers grow with the first blocks that carry sound: a stream silent for longer than
/// this at its start would still allocate where its sound begins.
constexpr int WARM_UP_FRAMES = 4096;
}  // namespace

VorbisSource::VorbisSource(std::shared_ptr<const std::vector<uint8_t>> bytes) : decoder(std::move(bytes)) {
    std::vector<float> scratch(static_cast<size_t>(WARM_UP_FRAMES) * std::max(decoder.getChannels(), 1));
    if (decoder.read(scratch.data(), WARM_UP_FRAMES) > 0) decoder.rewind();
}
