#pragma once
#include "game/enemies/FlappingZelbin.h"

/// An attack zelbin drawn for the heading it flies: it follows the path the running game
/// queues, then hunts a fighter, one point near it after the other, and leaves once a step
/// ends off the screen. A free-flying one is gone as soon as it flies out of the field.
class SpinningZelbin : public FlappingZelbin {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t HEADINGS = 32;
    static constexpr int32_t FLAPS = 8; ///< frames per heading
    static constexpr double START_SPEED = 5.0;
    static constexpr int HUNT_SCATTER = 50; ///< its next point lies this close to the fighter

    /// At (x, y), waiting `delay` seconds.
    SpinningZelbin(double x, double y, double delay);

    /// Flaps, flies, may drop a pod, turns to its heading, may leave, then trails its path.
    void frameUpdate() override;
    /// On the screen: a new point near a fighter (two draws); off it: gone.
    void onStepDone() override;
    /// The zelbin's part and its heading.
    void addToDigest(GameDigest& digest) const override;

    bool bFreeFlying = false;
    int32_t heading = 0; ///< 0 to HEADINGS - 1, heading 0 straight right

  private:
    void turnToFlight();
    bool isLeavingField() const;
};
