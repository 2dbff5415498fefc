#pragma once
#include "menus/TimedRenderable.h"

/// A picture (the renderable's skin) shown for a while: see `TimedRenderable`.
class TimedImage : public TimedRenderable {
  public:
    /// Nothing while the delay runs or once the duration is over.
    void render() override;
};
