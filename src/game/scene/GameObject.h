#pragma once
#include "core/VekBase.h"

class GameDigest;

/// Base of every actor of the game: one call per rendered frame moves and draws it. Its
/// render (the engine's draw walk) is that call, so a scene draws its actors by rendering
/// them. An actor never deletes itself: it marks itself dead and its owning list deletes it.
class GameObject : public VekBase {
    VEK_REGISTERED_CLASS()

    /// One frame's step: moves and draws the object. Nothing by default.
    virtual void frameUpdate() {}
    /// Forwards to `frameUpdate`.
    void render() override { frameUpdate(); }
    /// Writes what the game's digest covers of this object; the class name here, subclasses
    /// add their state after calling this.
    virtual void addToDigest(GameDigest& digest) const;
};
