#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "media/PcmSource.h"
#include "platform/VorbisDecoder.h"

/// An Ogg Vorbis file in memory, decoded while it plays. Made ready to decode where it is made,
/// so reading and rewinding allocate nothing.
class VorbisSource : public PcmSource {
  public:
    explicit VorbisSource(std::shared_ptr<const std::vector<uint8_t>> bytes);
    int getChannels() const override { return decoder.getChannels(); }
    int getFrequency() const override { return decoder.getFrequency(); }
    int read(float* out, int frames) override { return decoder.read(out, frames); }
    bool rewind() override { return decoder.rewind(); }

  private:
    platform::VorbisDecoder decoder;
};
