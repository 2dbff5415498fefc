#include "game/enemies/FallingPickup.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(FallingPickup, Pickup, u"FallingPickup")

FallingPickup::FallingPickup(double atX, double atY, Surface* frame, double speed) : fallSpeed(speed) {
    x = atX;
    y = atY;
    surface = frame;
    bTeamEligible = true;
}

void FallingPickup::frameUpdate() {
    SpriteActor::frameUpdate();
    y += fallSpeed;
    if (y > GONE_Y) markDead();
}

void FallingPickup::addToDigest(GameDigest& digest) const {
    Pickup::addToDigest(digest);
    digest.addNumber(fallSpeed);
}
