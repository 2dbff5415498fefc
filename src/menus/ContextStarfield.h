#pragma once
#include "core/ContextBlender.h"

/// The menus' shared background: the star field, drifting towards the pointer, faster the
/// farther the pointer is from the centre.
class ContextStarfield : public ContextBlender {
  public:
    static constexpr double DRIFT_RATE = 100.0;

    ContextStarfield();
    void tickContext(double t, double dt) override;
};
