#include "menus/MenuLogo.h"
#include <algorithm>
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/TextureSkin.h"

namespace {

constexpr float OVERLAY_Y = -130.f;
constexpr double FIRST_DELAY = 2.0; // seconds before the overlay first appears
constexpr double CYCLE = 4.0;       // seconds per overlay frame
constexpr double FOLD_TIME = 1.0;   // seconds to unfold, and to fold away

Skin* findSkin(const char16_t* name) {
    return Vek::get()->getResourceManager().find<TextureSkin>(name);
}

} // namespace

MenuLogo::MenuLogo() : mainPart(new Renderable()), overlay(new Renderable()) {
    removeWhenDone = true;
    mainPart->setSkin(findSkin(u"logo:0"));
    overlay->position = {0.f, OVERLAY_Y, 0.f};
    addChild(mainPart);
    addChild(overlay);
    setState(1);
}

void MenuLogo::onStateChange() {
    switch (getState()) {
    case 1:
        setState(2, FIRST_DELAY);
        break;
    case 2:
        overlay->setSkin(findSkin(u"logo:1"));
        setState(3, CYCLE);
        break;
    case 3:
        overlay->setSkin(findSkin(u"logo:2"));
        setState(2, CYCLE);
        break;
    default:
        break;
    }
}

void MenuLogo::tick(double t, double dt) {
    TimedImage::tick(t, dt);
    if (getState() != 2 && getState() != 3) return;
    const double time = getTimeInState();
    double s = 1.0;
    if (time < FOLD_TIME) {
        const double u = std::clamp(time, 0.0, 1.0);
        s = 1.0 - (1.0 - u) * (1.0 - u);
    } else if (time > CYCLE - FOLD_TIME) {
        const double v = std::clamp(time - (CYCLE - FOLD_TIME), 0.0, 1.0);
        s = 1.0 - v * v;
    }
    overlay->scale.y = static_cast<float>(s);
}

void MenuLogo::render() {
    if (hidden || delay > 0.0 || age >= duration) return;
    updateTransform();
    mainPart->render();
    if (showOverlay) overlay->render();
}
