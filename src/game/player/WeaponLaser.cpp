#include "game/player/WeaponLaser.h"
#include "game/GameGlobal.h"
#include "game/player/LaserBeam.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(WeaponLaser, Weapon, u"WeaponLaser")

namespace {

// Beams go straight up: the heading is not used.
constexpr ShotPattern beam(int32_t damage, float dx, float dy) {
    return {damage, dx, dy, 0.f};
}
constexpr PatternRow twin(int32_t damage) {
    return {2, {{beam(damage, -12.f, 10.f), beam(damage, 12.f, 10.f)}}};
}
constexpr PatternRow triple(int32_t sides, int32_t middle) {
    return {3, {{beam(sides, -12.f, 10.f), beam(sides, 12.f, 10.f), beam(middle, 0.f, -20.f)}}};
}

constexpr PatternTable PATTERNS = {{
    {1, {{beam(100, 0.f, -15.f)}}},
    {2, {{beam(100, -8.f, -8.f), beam(100, 8.f, -8.f)}}},
    triple(100, 100),
    triple(100, 200),
    triple(200, 100),
    triple(200, 200),
    triple(150, 400),
    twin(400),
    triple(400, 100),
    triple(400, 200),
    {3, {{beam(800, -14.f, 10.f), beam(800, 14.f, 10.f), beam(800, 0.f, -20.f)}}},
}};

} // namespace

WeaponLaser::WeaponLaser(int player) : Weapon(player, INTERVAL, &GameGlobal::soundWeaponLaser, PATTERNS) {}

PlayerShot* WeaponLaser::makeShot(const ShotPattern& shot, double x, double y) const {
    return new LaserBeam(playerIndex, shot.damage, x, y);
}
