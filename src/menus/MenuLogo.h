#pragma once
#include "menus/TimedImage.h"

/// The game's logo on the menus: frame 0 of "logo", with an overlay below it that unfolds,
/// holds and folds away every four seconds, alternating between frames 1 and 2.
class MenuLogo : public TimedImage {
  public:
    MenuLogo();

    void tick(double t, double dt) override;
    void render() override;

    Renderable* mainPart; ///< child
    Renderable* overlay;  ///< child, at (0, -130) from the logo
    bool showOverlay = true;

  protected:
    void onStateChange() override;
};
