#include "game/enemies/Pickup.h"
#include <cmath>
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/scene/ObjectGroup.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Pickup, SpriteActor, u"Pickup")

namespace {

constexpr int32_t WHITE = 5;

} // namespace

void Pickup::collectPickup(Fighter& fighter) {
    markDead();
    GameController* game = GameController::running();
    if (!game) return;
    PlayerData& player = *game->players[static_cast<std::size_t>(fighter.playerIndex)];
    player.lastPickupTime = game->sceneClock;
    PlayerData& first = *game->players[0];
    PlayerData& second = *game->players[1];
    if (!bTeamEligible || !first.isTakingPart() || !second.isTakingPart() || game->teamDistance <= TEAM_DISTANCE ||
        std::abs(first.lastPickupTime - second.lastPickupTime) >= TEAM_TIME)
        return;
    first.award(STR_BONUSTEAMPLAY, TEAM_POINTS, WHITE);
    second.award(STR_BONUSTEAMPLAY, TEAM_POINTS, WHITE);
    first.lastPickupTime = NO_PICKUP;
    second.lastPickupTime = NO_PICKUP;
}

void Pickup::burstBubble() const {
    GameController* game = GameController::running();
    const GameGlobal* root = GameGlobal::get();
    if (game && root->smokeBubble) game->effects->add(new SpriteActor(x, y, root->smokeBubble->getSurf(0)));
}
