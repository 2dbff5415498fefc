#pragma once
#include <array>
#include "core/VekBase.h"
#include "media/Renderable.h"

class Camera;

/// 128 snowflakes falling at 64 units per second with a sideways sway, wrapped around the
/// area that the followed camera sees (scaled by `areaScale`).
class Snowfall : public VekBase {
  public:
    static constexpr int FLAKES = 128;
    static constexpr float FALL_SPEED = 64.f; // units per second
    static constexpr float SWAY = 16.f;       // units either side
    static constexpr float SWAY_RATE = 2.f;   // radians per second

    struct Flake {
        Renderable renderable;
        float phase = 0.f; ///< radians
        float x = 0.f;
        float y = 0.f;
        float z = 0.f;
    };

    /// Flakes drawn from the shared random generator, on the frames of "bmp_snowflake".
    Snowfall(const Camera& followed, float areaScale);

    void tick(double t, double dt) override;
    void render() override;

    const Camera& camera;
    std::array<Flake, FLAKES> flakes;
    int flakeCount = FLAKES;
    float areaScale;

  private:
    float areaWidth() const;
    float areaHeight() const;
};
