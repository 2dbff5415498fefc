#include "game/enemies/ZelbinColours.h"
#include <algorithm>
#include <array>
#include "core/GameRandom.h"
#include "game/GameGlobal.h"

namespace {

constexpr int32_t COLOUR_NUMBERS = 8;
constexpr std::array<SurfaceChain* GameGlobal::*, 5> PAINTED = {
    &GameGlobal::zelbin0, &GameGlobal::zelbin1, &GameGlobal::zelbin2, &GameGlobal::zelbin3, &GameGlobal::zelbin4};

} // namespace

SurfaceChain* zelbinChain(int32_t colour) {
    const auto painted = static_cast<int32_t>(PAINTED.size());
    const int32_t index = ((colour % painted) + painted) % painted;
    return GameGlobal::get()->*PAINTED[static_cast<std::size_t>(index)];
}

int32_t randomZelbinColour(int32_t system) {
    return gameRandom.below(std::clamp(system + 1, 1, COLOUR_NUMBERS));
}
