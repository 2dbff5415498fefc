#pragma once
#include <cstdint>
#include "game/scene/GameObject.h"

/// The tiled sky behind a scene, drawn four times so that it covers the screen wherever it
/// has scrolled to. It either follows the game camera or scrolls by its own velocity, which
/// eases one unit per frame towards a target, and it shakes: a shake amount swings to the
/// other side one unit smaller every frame (10, -9, 8, ... 0), moving the sky and the game
/// camera with it.
class SkyLayer : public GameObject {
    VEK_REGISTERED_CLASS()

    SkyLayer() = default;
    explicit SkyLayer(bool followsCamera) : bFollowsCamera(followsCamera) {}

    void frameUpdate() override;
    /// The next value of a decaying shake.
    static int32_t decayShake(int32_t shake);

    double x = 0.0;
    double y = 0.0;
    double vx = 0.0; ///< units per frame the sky moves left
    double vy = 0.0; ///< units per frame the sky moves up
    double tvx = 0.0;
    double tvy = 0.0;
    int32_t horizontalShake = 0;
    int32_t verticalShake = 0;
    bool bFollowsCamera = false;

  private:
    void scroll();
    void wrap();
};
