#pragma once
#include "game/enemies/FlappingZelbin.h"

/// The common zelbin: waits its delay, then roams the upper field from one random point to
/// the next on smooth curves, dropping pods now and then.
class Zelbin : public FlappingZelbin {
    VEK_REGISTERED_CLASS()

    static constexpr double ROAM_LEFT = 10.0, ROAM_TOP = 10.0; ///< the roaming area's corner
    static constexpr int ROAM_WIDTH = 620, ROAM_HEIGHT = 300;

    /// A zelbin of colour number `colour` (0 to 7) standing at (x, y) for `delay` seconds.
    Zelbin(int32_t colour, double x, double y, double delay);

    /// Flaps, flies, may drop a pod, then trails its path.
    void frameUpdate() override;
    /// Off to a new random point of the roaming area (two draws: y, then x).
    void onStepDone() override;
    /// A zelbin of `colour` set free at (x, y), roaming at once and rolling for a pod with
    /// `pods`, joins the running game's enemies (what shot-open pods and canopies release).
    static void release(int32_t colour, double x, double y, int32_t pods);

    int32_t colour;

  protected:
    /// A zelbin of `colour` with its hit points, points and loot, but neither place nor
    /// flight (the kinds that fly otherwise).
    explicit Zelbin(int32_t colour);
};
