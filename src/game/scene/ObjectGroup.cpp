#include "game/scene/ObjectGroup.h"
#include "core/ChildIterator.h"

VEK_REGISTER_CLASS(ObjectGroup, GameObject, u"ObjectGroup")

void ObjectGroup::frameUpdate() {
    ChildIterator it(*this, true);
    while (VekBase* member = it.next())
        static_cast<GameObject*>(member)->frameUpdate();
}

void ObjectGroup::addToDigest(GameDigest& digest) const {
    GameObject::addToDigest(digest);
    for (const VekBase* member = getChildren().getHead(); member; member = member->getNext())
        if (!member->isDead()) static_cast<const GameObject*>(member)->addToDigest(digest);
}
