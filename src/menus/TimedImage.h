#pragma once
#include "media/Renderable.h"

/// A picture (the renderable's skin) that appears after `delay`, shows for `duration` seconds
/// with optional fades, and then, with `removeWhenDone`, leaves its parent.
class TimedImage : public Renderable {
  public:
    void tick(double t, double dt) override;
    /// Nothing while the delay runs or once the duration is over.
    void render() override;

    double delay = 0.0;
    double duration = 999999.0;
    double fadeIn = 0.0;
    double fadeOut = 0.0;
    double age = 0.0;
    bool removeWhenDone = false;
};
