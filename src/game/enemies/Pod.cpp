#include "game/enemies/Pod.h"
#include <cmath>
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Pod, EnemyShot, u"Pod")

namespace {

constexpr double SPEED_SCALE = 25.0 / 30.0 * 0.8;
constexpr int FLYING = 0; // frame of the pod in flight; the splat follows it
constexpr int SPLAT = 1;
// Beyond these edges a pod moving outwards has left for good.
constexpr double LEFT = -40.0, TOP = -40.0, RIGHT = 680.0, BOTTOM = 500.0;

} // namespace

Pod::Pod(double atX, double atY, double angle, double speed)
    : vx(std::cos(angle) * speed * SPEED_SCALE), vy(std::sin(angle) * speed * SPEED_SCALE) {
    x = atX;
    y = atY;
    surface = GameGlobal::get()->pod->getSurf(FLYING);
}

bool Pod::isInFlight() const {
    return surface == GameGlobal::get()->pod->getSurf(FLYING);
}

bool Pod::isLeaving() const {
    return (y > BOTTOM && vy > 0.0) || (y < TOP && vy < 0.0) || (x < LEFT && vx < 0.0) || (x > RIGHT && vx > 0.0);
}

void Pod::frameUpdate() {
    SpriteActor::frameUpdate();
    if (isInFlight()) {
        x += vx;
        y += vy;
        if (y > SPLAT_Y) {
            GameSound::play(&GameGlobal::soundPodSplat, x);
            surface = GameGlobal::get()->pod->getSurf(SPLAT);
        }
        if (isLeaving()) markDead();
    }
    if (!isOnScreenX() || !isOnScreenY()) markDead();
}

void Pod::addToDigest(GameDigest& digest) const {
    EnemyShot::addToDigest(digest);
    digest.addNumber(vx);
    digest.addNumber(vy);
}
