#include "game/player/WeaponNeutron.h"
#include <numbers>
#include "game/GameGlobal.h"
#include "game/player/NeutronShot.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(WeaponNeutron, Weapon, u"WeaponNeutron")

namespace {

constexpr double PI = std::numbers::pi;

constexpr ShotPattern centre(int32_t damage) {
    return {damage, 0.f, -20.f, headingUp()};
}
constexpr ShotPattern inner(int32_t damage, float side, double turn = 0.0) {
    return {damage, 10.f * side, -8.f, headingUp(side * turn)};
}
constexpr ShotPattern outer(int32_t damage, float side, double turn) {
    return {damage, 20.f * side, 5.f, headingUp(side * turn)};
}
constexpr PatternRow pair(int32_t damage) {
    return {2, {{inner(damage, -1.f), inner(damage, 1.f)}}};
}
constexpr PatternRow triple(int32_t sides, int32_t middle) {
    return {3, {{inner(sides, -1.f), inner(sides, 1.f), centre(middle)}}};
}
constexpr PatternRow wings(int32_t sides, int32_t middle) {
    return {3, {{outer(sides, -1.f, PI / 128), outer(sides, 1.f, PI / 128), centre(middle)}}};
}
constexpr PatternRow wide(int32_t wing, int32_t side, int32_t middle, double wingTurn, double sideTurn) {
    return {5,
            {{outer(wing, -1.f, wingTurn), outer(wing, 1.f, wingTurn), inner(side, -1.f, sideTurn),
              inner(side, 1.f, sideTurn), centre(middle)}}};
}

constexpr PatternTable PATTERNS = {{
    {1, {{centre(100)}}},
    pair(100),
    triple(100, 100),
    triple(100, 200),
    pair(250),
    triple(200, 200),
    wings(150, 400),
    wings(200, 400),
    wide(50, 250, 300, PI / 96, PI / 150),
    wide(100, 250, 400, PI / 96, PI / 150),
    wide(400, 300, 800, PI / 32, PI / 64),
}};

} // namespace

WeaponNeutron::WeaponNeutron(int player) : Weapon(player, INTERVAL, &GameGlobal::soundWeaponNeutron, PATTERNS) {}

PlayerShot* WeaponNeutron::makeShot(const ShotPattern& shot, double x, double y) const {
    return new NeutronShot(playerIndex, shot.damage, x, y, shot.angle);
}
