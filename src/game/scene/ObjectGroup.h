#pragma once
#include "game/scene/GameObject.h"

/// A list of game objects updated together: the game's enemies, shots, items and effects
/// each live in one. Its frame step updates every living member in list order and deletes
/// the members marked dead as it passes them.
class ObjectGroup : public GameObject {
    VEK_REGISTERED_CLASS()

    /// Appends `object` (heap-allocated) at the tail; the group owns it.
    void add(GameObject* object) { addChild(object); }
    void frameUpdate() override;
    /// Its class name, then every living member's part.
    void addToDigest(GameDigest& digest) const override;
};
