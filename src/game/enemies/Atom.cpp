#include "game/enemies/Atom.h"
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/player/Weapon.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Atom, FallingPickup, u"Atom")

namespace {

constexpr int SPEED_SPREAD = 4; // fall speeds 2 to 5
constexpr int MIN_SPEED = 2;

} // namespace

Atom::Atom(bool limited, double atX, double atY)
    : FallingPickup(atX, atY, GameGlobal::get()->atom->getSurf(0), gameRandom.below(SPEED_SPREAD) + MIN_SPEED),
      bLimited(limited) {}

void Atom::collect(Fighter& fighter) {
    const GameController* game = GameController::running();
    Weapon& weapon = fighter.player().weapon();
    if (bLimited && game && weapon.power >= game->system / 2) return;
    weapon.addPower(1);
    burstBubble();
    collectPickup(fighter);
}
