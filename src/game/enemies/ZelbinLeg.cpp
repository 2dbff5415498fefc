#include "game/enemies/ZelbinLeg.h"
#include <cmath>
#include <numbers>
#include "core/GameRandom.h"
#include "game/AngleToFrame.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ZelbinLeg, BouncingFood, u"ZelbinLeg")

namespace {

constexpr double GRAVITY = 12.5 / 30.0;
constexpr double TWO_PI = 2.0 * std::numbers::pi;

} // namespace

ZelbinLeg::ZelbinLeg(double atX, double atY)
    : BouncingFood(atX, atY, GameGlobal::get()->zelbinLeg->getSurf(0), GRAVITY),
      spinAngle(gameRandom.fraction() * TWO_PI),
      spinRate(gameRandom.fraction() * std::numbers::pi / 2.0 - std::numbers::pi / 4.0) {}

void ZelbinLeg::frameUpdate() {
    if (fly()) spinRate = 0.0;
    spinAngle = std::fmod(spinAngle + spinRate, TWO_PI);
    if (spinAngle < 0.0) spinAngle += TWO_PI;
    const SurfaceChain& frames = *GameGlobal::get()->zelbinLeg;
    surface = frames.getSurf(angleToFrame(frames.count, spinAngle));
    SpriteActor::frameUpdate();
}

void ZelbinLeg::collect(Fighter& fighter) {
    GameSound::play(&GameGlobal::soundChomp, x);
    PlayerData& player = fighter.player();
    player.addScore(POINTS);
    player.addFood(1);
    collectPickup(fighter);
}
