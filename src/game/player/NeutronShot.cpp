#include "game/player/NeutronShot.h"
#include <cmath>
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(NeutronShot, PlayerShot, u"NeutronShot")

namespace {

constexpr double DAMAGE_FACTOR = 1.25;

Surface* boltFrame(int32_t n) {
    const GameGlobal* game = GameGlobal::get();
    if (!game) return nullptr;
    if (n >= 400) return game->zigzagBig;
    return n >= 200 ? game->zigzag : game->zigzagSmall;
}

} // namespace

NeutronShot::NeutronShot(int player, int32_t n, double startX, double startY, double heading)
    : PlayerShot(player, static_cast<int32_t>(n * DAMAGE_FACTOR) / difficultyDivisor(), startX, startY, heading,
                 SPEED) {
    surface = boltFrame(n);
}

void NeutronShot::move() {
    x += std::cos(angle) * SPEED;
    y += std::sin(angle) * SPEED;
}
