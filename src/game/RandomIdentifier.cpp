#include "game/RandomIdentifier.h"
#include "core/GameRandom.h"

uint32_t drawRandomIdentifier() {
    const auto first = static_cast<uint32_t>(gameRandom.next());
    const auto second = static_cast<uint32_t>(gameRandom.next());
    return (second << 16) | first;
}
