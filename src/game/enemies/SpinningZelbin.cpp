#include "game/enemies/SpinningZelbin.h"
#include <cmath>
#include <numbers>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/SurfaceChain.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(SpinningZelbin, FlappingZelbin, u"SpinningZelbin")

namespace {

constexpr int32_t HIT_POINTS_PER_LEVEL = 100;
constexpr int32_t POINTS_BASE = 10; // hundreds, plus the level
constexpr double TURN_SPEED = 0.1;  // a slower path keeps the heading it had
// Beyond these edges a free flier moving outwards has left for good.
constexpr double LEFT = -40.0, TOP = -40.0, RIGHT = 680.0, BOTTOM = 520.0;

} // namespace

SpinningZelbin::SpinningZelbin(double startX, double startY, double delay)
    : FlappingZelbin(GameGlobal::get()->zelbin360, FLAPS) {
    hitPoints = (level() + 1) * HIT_POINTS_PER_LEVEL;
    points = (level() + POINTS_BASE) * 100;
    carryZelbinLoot();
    mover.speed = START_SPEED;
    mover.bLengthMode = true;
    setStartPosition(startX, startY);
    mover.addWait(delay);
}

void SpinningZelbin::frameUpdate() {
    flapping.step();
    mover.update();
    rollPodDrop(podInterval);
    turnToFlight();
    surface = chain->getSurf(flapping.frame + FLAPS * heading);
    if (bFreeFlying && isLeavingField()) markDead();
    Enemy::frameUpdate();
}

void SpinningZelbin::turnToFlight() {
    if (std::abs(mover.vx) + std::abs(mover.vy) < TURN_SPEED) return;
    const double sector = 2.0 * std::numbers::pi / HEADINGS;
    const auto nearest = static_cast<int32_t>(std::lround(std::atan2(mover.vy, mover.vx) / sector));
    heading = ((nearest % HEADINGS) + HEADINGS) % HEADINGS;
}

bool SpinningZelbin::isLeavingField() const {
    return (y > BOTTOM && mover.vy > 0.0) || (y < TOP && mover.vy < 0.0) || (x < LEFT && mover.vx < 0.0) ||
           (x > RIGHT && mover.vx > 0.0);
}

void SpinningZelbin::onStepDone() {
    if (!isOnScreenX() || !isOnScreenY()) {
        markDead();
        return;
    }
    GameController* game = GameController::running();
    const int target = game ? game->pickPlayer() : -1;
    if (target < 0) return;
    const Fighter& fighter = *game->players[static_cast<std::size_t>(target)]->fighter;
    const int offsetY = gameRandom.below(HUNT_SCATTER) - HUNT_SCATTER / 2;
    const int offsetX = gameRandom.below(HUNT_SCATTER) - HUNT_SCATTER / 2;
    mover.addMove(fighter.x + offsetX, fighter.y + offsetY, Mover::AUTO, Mover::AUTO, Mover::AUTO, Mover::AUTO, 0);
}

void SpinningZelbin::addToDigest(GameDigest& digest) const {
    FlappingZelbin::addToDigest(digest);
    digest.addInt(heading);
}
