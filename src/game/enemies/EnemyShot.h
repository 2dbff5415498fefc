#pragma once
#include "game/scene/SpriteActor.h"

/// Base of what enemies fire into the running game's enemy-shot list. A fighter that it
/// touches is destroyed (the fighter's part) and calls `hit`.
class EnemyShot : public SpriteActor {
    VEK_REGISTERED_CLASS()

    EnemyShot() = default;

    /// The shot struck a fighter: it is spent.
    virtual void hit() { markDead(); }
};
