#pragma once
#include <cstdint>
#include "game/scene/GameObject.h"

class Surface;

/// An actor that shows one frame of a sprite chain at a position of the 640 by 480 world
/// (x to the right, y downwards), minus the game camera unless it stands in screen space.
/// It shows each frame for the frame's time and then its successor; a chain that ends marks
/// the actor dead.
class SpriteActor : public GameObject {
    VEK_REGISTERED_CLASS()

    SpriteActor() = default;
    SpriteActor(double x, double y, Surface* surface);

    /// Draws the frame when it is on the screen, then advances the animation; a hidden actor
    /// or one without a frame does neither.
    void frameUpdate() override;
    /// One of the frame's left and right edges lies on the screen (0 <= sx < 640); false
    /// without a frame. `isOnScreenY` is the same for the top and bottom edges and 480.
    bool isOnScreenX() const;
    bool isOnScreenY() const;
    /// The bounding circles overlap (touching ones do not); false when either has no frame.
    bool collides(const SpriteActor& other) const;
    /// Class name and position.
    void addToDigest(GameDigest& digest) const override;

    Surface* surface = nullptr; ///< not owned; a frame of one of the game root's chains
    double x = 0.0;
    double y = 0.0;
    bool hidden = false;
    bool bScreenSpace = false; ///< the camera is not subtracted
    int32_t frameCounter = 0;  ///< rendered frames the current frame has been shown

  protected:
    /// The position on the screen: the world position minus the camera, unless in screen space.
    double screenX() const;
    double screenY() const;
};
