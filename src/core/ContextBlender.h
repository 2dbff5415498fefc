#pragma once
#include "core/Context.h"

/// A context whose camera glides instead of jumping: whatever is added to the camera's
/// motion is blended into its position over the following frames, a share of
/// BLEND_RATE x dt of what is left each frame.
class ContextBlender : public Context {
    VEK_REGISTERED_CLASS()

    static constexpr double BLEND_RATE = 4.0;  // per second

    /// Blends, then ticks as every context.
    void tickContext(double t, double dt) override;
};
