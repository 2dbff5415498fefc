#pragma once
#include "media/Renderable.h"

/// Something on the menus that waits `delay` seconds, shows for `duration` seconds with
/// optional fades in and out, and then, with `removeWhenDone`, leaves its parent.
class TimedRenderable : public Renderable {
  public:
    void tick(double t, double dt) override;

    double delay = 0.0;
    double duration = 999999.0;
    double fadeIn = 0.0;
    double fadeOut = 0.0;
    double age = 0.0;
    bool removeWhenDone = false;

  protected:
    /// After the delay and before the end of the duration.
    bool isShowing() const { return delay <= 0.0 && age < duration; }
};
