#include "game/scene/SkyLayer.h"
#include <cmath>
#include "game/GameGlobal.h"
#include "game/Surface.h"

VEK_REGISTER_CLASS(SkyLayer, GameObject, u"SkyLayer")

namespace {

constexpr double WIDTH = 640.0;
constexpr double HEIGHT = 480.0;

// One unit per frame towards the target, never past it.
void easeTowards(double& value, double target) {
    if (target > value) value += 1.0;
    if (value > target) value -= 1.0;
}

// Into [0, size); a remainder rather than steps, so a far-off value costs no more.
double wrapInto(double value, double size) {
    value = std::fmod(value, size);
    if (value < 0.0) value += size;
    return value < size ? value : 0.0;
}

} // namespace

int32_t SkyLayer::decayShake(int32_t shake) {
    if (shake >= 1) return 1 - shake;
    if (shake < 0) return -1 - shake;
    return shake;
}

void SkyLayer::frameUpdate() {
    GameGlobal* game = GameGlobal::get();
    if (!game) return;
    if (bFollowsCamera) {
        x = -game->cameraX;
        y = -game->cameraY;
    } else {
        scroll();
        game->cameraX = horizontalShake;
        game->cameraY = verticalShake;
    }
    wrap();
    if (!game->sky) return;
    for (const double tileX : {x, x - WIDTH})
        for (const double tileY : {y, y - HEIGHT})
            game->sky->setScreenPosition(tileX, tileY);
}

void SkyLayer::scroll() {
    easeTowards(vx, tvx);
    easeTowards(vy, tvy);
    x -= vx;
    y -= vy;
    horizontalShake = decayShake(horizontalShake);
    verticalShake = decayShake(verticalShake);
    x += horizontalShake;
    y += verticalShake;
}

void SkyLayer::wrap() {
    x = wrapInto(x, WIDTH);
    y = wrapInto(y, HEIGHT);
}
