#include "game/player/WeaponDefault.h"
#include <numbers>
#include "game/GameGlobal.h"
#include "game/player/PlayerShot.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(WeaponDefault, Weapon, u"WeaponDefault")

namespace {

constexpr double PI = std::numbers::pi;

constexpr ShotPattern centre(int32_t damage) {
    return {damage, 0.f, -25.f, headingUp()};
}

// The five-crystal fan of powers 5 and above, with the damage of the centre, inner and outer shots.
constexpr PatternRow fan(int32_t middle, int32_t inner, int32_t outer) {
    return {5,
            {{centre(middle),
              {inner, -4.f, -22.f, headingUp(-PI / 20)},
              {inner, 4.f, -22.f, headingUp(PI / 20)},
              {outer, -8.f, -20.f, headingUp(-PI / 10)},
              {outer, 8.f, -20.f, headingUp(PI / 10)}}}};
}

constexpr PatternTable PATTERNS = {{
    {1, {{centre(100)}}},
    {2, {{{100, -8.f, -20.f, headingUp()}, {100, 8.f, -20.f, headingUp()}}}},
    {3, {{centre(100), {100, -8.f, -20.f, headingUp()}, {100, 8.f, -20.f, headingUp()}}}},
    {3, {{centre(100), {100, -8.f, -20.f, headingUp(-PI / 20)}, {100, 8.f, -20.f, headingUp(PI / 20)}}}},
    {4,
     {{{100, -3.f, -22.f, headingUp(-PI / 30)},
       {100, 3.f, -22.f, headingUp(PI / 30)},
       {100, -8.f, -20.f, headingUp(-PI / 10)},
       {100, 8.f, -20.f, headingUp(PI / 10)}}}},
    fan(100, 100, 100),
    fan(200, 100, 100),
    fan(100, 200, 100),
    fan(200, 200, 100),
    fan(200, 200, 200),
    {7,
     {{centre(300),
       {300, -4.f, -22.f, headingUp(-PI / 20)},
       {300, 4.f, -22.f, headingUp(PI / 20)},
       {300, -8.f, -20.f, headingUp(-PI / 10)},
       {300, 8.f, -20.f, headingUp(PI / 10)},
       {300, -12.f, 0.f, headingUp(-PI / 4)},
       {300, 12.f, 0.f, headingUp(PI / 4)}}}},
}};

} // namespace

WeaponDefault::WeaponDefault(int player) : Weapon(player, INTERVAL, &GameGlobal::soundWeaponDefault, PATTERNS) {}

PlayerShot* WeaponDefault::makeShot(const ShotPattern& shot, double x, double y) const {
    return new PlayerShot(playerIndex, shot.damage, x, y, shot.angle);
}
