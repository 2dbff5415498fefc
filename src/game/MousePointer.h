#pragma once
#include "media/Renderable.h"

class Texture;

/// The shared mouse pointer that the context stack draws over the top screen: frame 0 of the
/// "mousePointer" texture, following the pointer tracker.
class MousePointer : public Renderable {
  public:
    MousePointer();
    /// Follows the pointer; hidden while the input is touch (only faded in development mode).
    void tick(double t, double dt) override;

  private:
    Texture* pTexture;
};
