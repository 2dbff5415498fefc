#include "game/bosses/ZelbinSarge.h"
#include <array>
#include <numbers>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameSound.h"
#include "game/enemies/ZigzagBolt.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ZelbinSarge, FlappingZelbin, u"ZelbinSarge")

namespace {

constexpr double PI = std::numbers::pi;
constexpr int32_t HIT_POINTS_BASE = 5; // thousands, plus the level
constexpr int32_t POINTS_BASE = 25000;
constexpr int32_t POINTS_PER_LEVEL = 2000;
constexpr int32_t SPEED_BASE = 5;  // plus half the level, for its flight and its bolts
constexpr int32_t ATOM_RARITY = 9; // one in (9 - half the level)
constexpr int32_t GIFT_CHANCE = 4;
constexpr int32_t LEGS = 10;
constexpr std::array<double, 3> FAN = {PI / 2.0, 3.0 * PI / 4.0, PI / 4.0};
// The random points it flies to: x from 40, y from 40, over these ranges.
constexpr int FLIGHT_WIDTH = 560, FLIGHT_HEIGHT = 240;
constexpr double FLIGHT_MARGIN = 40.0;
constexpr int SMOKE_PUFFS = 40;
constexpr double SMOKE_SPEED = 3.0;

} // namespace

ZelbinSarge::ZelbinSarge(double startX, double startY) : FlappingZelbin(GameGlobal::get()->zelbinSarge) {
    const int32_t system = level();
    hitPoints = (system + HIT_POINTS_BASE) * 1000;
    points = system * POINTS_PER_LEVEL + POINTS_BASE;
    mover.speed = system / 2 + SPEED_BASE;
    lootChance = {ATOM_RARITY - system / 2, GIFT_CHANCE, 0, 0, 1};
    lootCount[LOOT_LEG] = LEGS;
    setStartPosition(startX, startY);
    setState(DESCENDING);
}

void ZelbinSarge::onStateChange() {
    switch (getState()) {
    case DESCENDING:
        mover.addMove(x, ENTRY_Y, Mover::AUTO, Mover::AUTO, 0.0, 0.0, 0);
        break;
    case FLYING:
        flyToRandomPoint();
        break;
    case TREMBLING:
        setState(FIRING, TREMBLE_TIME);
        break;
    case FIRING:
        fireFan();
        setState(FLYING);
        break;
    default:
        break;
    }
}

void ZelbinSarge::flyToRandomPoint() {
    const int r1 = gameRandom.next();
    const int r2 = gameRandom.next();
    mover.addMove(r2 % FLIGHT_WIDTH + FLIGHT_MARGIN, r1 % FLIGHT_HEIGHT + FLIGHT_MARGIN, Mover::AUTO,
                  Mover::AUTO, 0.0, 0.0, 0);
}

void ZelbinSarge::fireFan() const {
    GameController* game = GameController::running();
    if (!game) return;
    for (const double angle : FAN)
        game->enemyShots->add(new ZigzagBolt(x, y, angle, level() / 2 + SPEED_BASE));
    GameSound::play(&GameGlobal::soundLaserLow, x);
}

void ZelbinSarge::onStepDone() {
    if (getState() == DESCENDING)
        setState(FLYING);
    else if (getState() == FLYING)
        setState(TREMBLING);
}

void ZelbinSarge::frameUpdate() {
    flap();
    if (getState() == TREMBLING) {
        // The shaking grows as the shot nears.
        const double shake = TREMBLE_REACH * (TREMBLE_TIME - getStateLeft());
        x += gameRandom.fraction() * shake;
        y += gameRandom.fraction() * shake;
    }
    mover.update();
    Enemy::frameUpdate();
}

void ZelbinSarge::takeDamage(int32_t amount, int killer) {
    GameSound::play(&GameGlobal::soundSnowmanHit, x);
    FlappingZelbin::takeDamage(amount, killer);
}

void ZelbinSarge::die(int killer) {
    if (GameController* game = GameController::running())
        game->explosions->add(new Smoke(SMOKE_PUFFS, x, y, SMOKE_SPEED, 0.0, 2.0 * PI));
    GameSound::play(&GameGlobal::soundSnowmanDie, x);
    Enemy::die(killer);
}
