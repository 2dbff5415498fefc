#include "game/enemies/Zelbin.h"
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/enemies/ZelbinColours.h"
#include "game/scene/ObjectGroup.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Zelbin, FlappingZelbin, u"Zelbin")

namespace {

constexpr int32_t BASE_SPEED = 5; // plus half the level, units per frame
constexpr int32_t HIT_POINTS_PER_LEVEL = 100;
constexpr int32_t POINTS_BASE = 10; // hundreds of points, plus level and colour

} // namespace

Zelbin::Zelbin(int32_t zelbinColour) : FlappingZelbin(zelbinChain(zelbinColour)), colour(zelbinColour) {
    const int32_t system = level();
    hitPoints = (system + 1) * HIT_POINTS_PER_LEVEL;
    points = (system + colour + POINTS_BASE) * 100;
    carryZelbinLoot();
}

Zelbin::Zelbin(int32_t zelbinColour, double startX, double startY, double delay) : Zelbin(zelbinColour) {
    mover.speed = level() / 2 + BASE_SPEED;
    mover.bLengthMode = true;
    setStartPosition(startX, startY);
    mover.addWait(delay);
}

void Zelbin::frameUpdate() {
    flap();
    mover.update();
    rollPodDrop(podInterval);
    Enemy::frameUpdate();
}

void Zelbin::onStepDone() {
    const double targetY = gameRandom.below(ROAM_HEIGHT) + ROAM_TOP;
    const double targetX = gameRandom.below(ROAM_WIDTH) + ROAM_LEFT;
    mover.addMove(targetX, targetY, Mover::AUTO, Mover::AUTO, Mover::AUTO, Mover::AUTO, 0);
}

void Zelbin::release(int32_t colour, double atX, double atY, int32_t pods) {
    GameController* game = GameController::running();
    if (!game) return;
    auto* zelbin = new Zelbin(colour, atX, atY, 0.0);
    zelbin->podInterval = pods;
    game->enemies->add(zelbin);
}
