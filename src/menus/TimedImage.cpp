#include "menus/TimedImage.h"
#include <algorithm>
#include "media/Color.h"

uint8_t TimedImage::currentAlpha() const {
    double fraction = 1.0;
    if (fadeIn > 0.0 && age < fadeIn)
        fraction = age / fadeIn;
    else if (fadeOut > 0.0 && age > duration - fadeOut)
        fraction = (duration - age) / fadeOut;
    return static_cast<uint8_t>(std::clamp(fraction, 0.0, 1.0) * 255.0);
}

void TimedImage::tick(double t, double dt) {
    Renderable::tick(t, dt);
    if (delay > 0.0) {
        delay -= dt;
        return;
    }
    if (age < duration) {
        age += dt;
        if (fadeIn > 0.0 || fadeOut > 0.0) color = withAlpha(color, currentAlpha());
    }
    if (age >= duration && removeWhenDone) markDead();
}

void TimedImage::render() {
    if (delay > 0.0 || age >= duration) return;
    Renderable::render();
}
