#include "game/player/LaserBeam.h"
#include <algorithm>
#include <cmath>
#include <numbers>
#include "core/ChildIterator.h"
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Enemy.h"
#include "game/scene/Explosion.h"
#include "game/scene/ObjectGroup.h"
#include "media/VekGraphics.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(LaserBeam, PlayerShot, u"LaserBeam")

namespace {

constexpr double PI = std::numbers::pi;
constexpr double DAMAGE_FACTOR = 0.8;
constexpr int MUZZLE_SPARKS = 4;
constexpr double MUZZLE_SPEED = 2.5;
constexpr int HIT_SPARKS = 6;
constexpr double HIT_SPEED = 2.0;
constexpr int MISS_TOP = -16; // a missing beam ends this far above the screen, up to 95 more
constexpr int MISS_SPREAD = 96;

int32_t sizeKindOf(int32_t n) {
    return n >= 400 ? 2 : n >= 200 ? 1 : 0;
}

bool atFullDetail() {
    const GameGlobal* root = GameGlobal::get();
    return root && root->configuration.detail == 1;
}

} // namespace

LaserBeam::LaserBeam(int player, int32_t n, double startX, double startY)
    : PlayerShot(player, static_cast<int32_t>(n * DAMAGE_FACTOR) / difficultyDivisor(), startX, startY, -PI / 2.0,
                 0.0),
      sizeKind(sizeKindOf(n)) {
    const GameGlobal* root = GameGlobal::get();
    if (root && root->laser) surface = root->laser->getSurf(sizeKind);
    GameController* game = GameController::running();
    if (game && atFullDetail())
        game->effects->add(new Explosion(MUZZLE_SPARKS, x, y, MUZZLE_SPEED, -PI / 2.0, PI));
}

Enemy* LaserBeam::findTarget() const {
    GameController* game = GameController::running();
    if (!game) return nullptr;
    Enemy* target = nullptr;
    ChildIterator it(*game->enemies);
    while (VekBase* member = it.next()) {
        auto* enemy = static_cast<Enemy*>(member);
        if (!enemy->surface || enemy->y < 0.0 || enemy->y >= y) continue;
        double cx = 0.0, cy = 0.0, r = 0.0;
        enemy->surface->getBoundingCircle(enemy->x, enemy->y, cx, cy, r);
        if (std::abs(x - cx) <= r && (!target || enemy->y > target->y)) target = enemy;
    }
    return target;
}

void LaserBeam::frameUpdate() {
    Enemy* target = findTarget();
    if (!target) {
        drawBeam(MISS_TOP - gameRandom.below(MISS_SPREAD));
        markDead();
        return;
    }
    const double top = target->y;
    target->onShot(*this);
    if (atFullDetail())
        GameController::running()->explosions->add(new Explosion(HIT_SPARKS, x, top, HIT_SPEED, 0.0, 2.0 * PI));
    drawBeam(top);
    markDead();
}

void LaserBeam::drawBeam(double top) const {
    const VekGraphics* graphics = VekGraphics::get();
    const GameGlobal* root = GameGlobal::get();
    if (!surface || !root || !graphics || graphics->bNoDraw) return;
    // The beam's frame stretched from the gun up to `top`; the frame is shared, so its
    // scale goes back afterwards.
    Renderable& beam = surface->renderable;
    const float frameScale = beam.scale.y;
    const double height = std::abs(top - y);
    beam.scale.y = static_cast<float>(height / (2.0 * std::max(surface->height, 1)));
    beam.position = {static_cast<float>(std::trunc(x - root->cameraX - surface->width / 2) - 320.0),
                     static_cast<float>(240.0 - std::trunc(std::min(top, y) - root->cameraY)), 0.f};
    beam.render();
    beam.scale.y = frameScale;
}
