#include "game/scene/GameObject.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS(GameObject, VekBase, u"GameObject")

void GameObject::addToDigest(GameDigest& digest) const {
    digest.addText(getClass().name);
}
