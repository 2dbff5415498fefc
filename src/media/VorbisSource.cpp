#include "media/VorbisSource.h"
#include <utility>

VorbisSource::VorbisSource(std::shared_ptr<const std::vector<uint8_t>> bytes) : decoder(std::move(bytes)) {}
