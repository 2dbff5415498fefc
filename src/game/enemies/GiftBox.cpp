#include "game/enemies/GiftBox.h"
#include <algorithm>
#include <array>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(GiftBox, FallingPickup, u"GiftBox")

namespace {

constexpr int SPEED_SPREAD = 5; // fall speeds 2 to 6
constexpr int MIN_SPEED = 2;
constexpr int32_t MAGENTA = 2;
constexpr std::array<SurfaceChain* GameGlobal::*, GiftBox::KINDS> WRAPPINGS = {
    &GameGlobal::giftbox0, &GameGlobal::giftbox1, &GameGlobal::giftbox2};

Surface* wrappingOf(int kind) {
    return (GameGlobal::get()->*WRAPPINGS[static_cast<std::size_t>(std::clamp(kind, 0, GiftBox::KINDS - 1))])
        ->getSurf(0);
}

} // namespace

GiftBox::GiftBox(int giftKind, double atX, double atY)
    : FallingPickup(atX, atY, wrappingOf(giftKind), gameRandom.below(SPEED_SPREAD) + MIN_SPEED),
      kind(std::clamp(giftKind, 0, KINDS - 1)) {}

void GiftBox::collect(Fighter& fighter) {
    PlayerData& player = fighter.player();
    player.switchWeapon(kind);
    const GameController* game = GameController::running();
    const int32_t system = game ? game->system : 0;
    player.award(STR_BONUSWEAPON, (system + 1) * POINTS_PER_SYSTEM, MAGENTA);
    burstBubble();
    collectPickup(fighter);
}
