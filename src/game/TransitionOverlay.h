#pragma once
#include "media/Renderable.h"

/// The diagonal screen wipe: at `level` 0 nothing is drawn, at 1 a black square rotated by
/// 3 pi / 4 covers the screen, with a soft band on its leading edge. The context stack sets
/// `target`; the level follows at 0.5 per second.
class TransitionOverlay : public Renderable {
  public:
    static constexpr float SPEED = 0.5f; // level units per second

    void tick(double t, double dt) override;
    void render() override;

    float level = 0.f;
    float target = 0.f;
};
