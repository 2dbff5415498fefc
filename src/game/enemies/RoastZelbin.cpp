#include "game/enemies/RoastZelbin.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(RoastZelbin, BouncingFood, u"RoastZelbin")

namespace {

constexpr double GRAVITY = 6.25 / 30.0;
constexpr int32_t BLUE = 4;

} // namespace

RoastZelbin::RoastZelbin(double atX, double atY)
    : BouncingFood(atX, atY, GameGlobal::get()->roastzelbin, GRAVITY) {}

void RoastZelbin::frameUpdate() {
    fly();
    SpriteActor::frameUpdate();
}

void RoastZelbin::collect(Fighter& fighter) {
    GameSound::play(&GameGlobal::soundChompBig, x);
    PlayerData& player = fighter.player();
    player.award(STR_BONUSAPPETITE, POINTS, BLUE);
    player.addFood(FOOD);
    collectPickup(fighter);
}
