#include "game/enemies/ZelbinAlt.h"
#include <algorithm>
#include <cmath>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ZelbinAlt, Zelbin, u"ZelbinAlt")

namespace {

constexpr double START_MARGIN = 0.001; // seconds after the delay: even a delay of 0 waits a frame
constexpr int32_t CRUISE_SPEED = 5;    // plus half the level, once home
constexpr int32_t POD_SLOWDOWN_NUM = 30; // its pods come 30/25 times as seldom
constexpr int32_t POD_SLOWDOWN_DEN = 25;
constexpr double UNITS_PER_STEP = 640.0; // a step without length mode advances speed / this

} // namespace

ZelbinAlt::ZelbinAlt(int32_t zelbinColour, double home_x, double home_y, double delay)
    : Zelbin(zelbinColour), homeX(home_x), homeY(home_y) {
    mover.speed = ENTRY_SPEED;
    mover.bLengthMode = false;
    setState(FLYING_HOME, delay + START_MARGIN);
}

void ZelbinAlt::setFlightFrames(double frames) {
    mover.bFrameRateScaling = false;
    mover.speed = UNITS_PER_STEP / frames;
}

void ZelbinAlt::frameUpdate() {
    flap();
    widenFormation();
    if (getState() == HOLDING) rollDive();
    if (getState() != WAITING) {
        mover.update();
        rollPodDrop(podInterval * POD_SLOWDOWN_NUM / POD_SLOWDOWN_DEN);
    }
    Enemy::frameUpdate();
}

void ZelbinAlt::widenFormation() const {
    GameController* game = GameController::running();
    if (!game) return;
    game->extent.minX = static_cast<int32_t>(std::min(static_cast<double>(game->extent.minX), homeX));
    game->extent.maxX = static_cast<int32_t>(std::max(static_cast<double>(game->extent.maxX), homeX));
}

void ZelbinAlt::rollDive() {
    if (gameRandom.next() % DIVE_ODDS < level() && getStateGoto() != DIVING) setState(DIVING);
}

void ZelbinAlt::onStateChange() {
    switch (getState()) {
    case FLYING_HOME:
        mover.addMove(homeX, homeY, Mover::AUTO, Mover::AUTO, 0.0, 0.0, Mover::FOLLOW_SWAY);
        break;
    case LOOPING_HOME:
        mover.addMove(homeX, homeY, 0.0, mover.speed * LOOP_TANGENT, 0.0, 0.0, Mover::FOLLOW_SWAY);
        break;
    case DIVING:
        diveAtFighter();
        break;
    default:
        break;
    }
}

void ZelbinAlt::diveAtFighter() {
    GameController* game = GameController::running();
    const int target = game ? game->pickPlayer() : -1;
    if (target < 0) {
        setState(HOLDING);
        return;
    }
    const Fighter& fighter = *game->players[static_cast<std::size_t>(target)]->fighter;
    mover.addMove(fighter.x, fighter.y, 0.0, mover.speed * LOOP_TANGENT, 0.0, 0.0, 0);
}

void ZelbinAlt::onStepDone() {
    switch (getState()) {
    case FLYING_HOME:
        mover.bLengthMode = true;
        mover.bFrameRateScaling = true;
        mover.speed = level() / 2 + CRUISE_SPEED;
        setState(HOLDING);
        break;
    case LOOPING_HOME:
        setState(HOLDING);
        break;
    case DIVING:
        setState(LOOPING_HOME);
        break;
    default:
        break;
    }
}

void ZelbinAlt::addToDigest(GameDigest& digest) const {
    Zelbin::addToDigest(digest);
    digest.addInt(getState());
    digest.addNumber(homeX);
    digest.addNumber(homeY);
}
