#include "menus/TimedRenderable.h"
#include "media/Color.h"
#include "menus/FadeAlpha.h"

void TimedRenderable::tick(double t, double dt) {
    Renderable::tick(t, dt);
    if (delay > 0.0) {
        delay -= dt;
        return;
    }
    if (age < duration) {
        age += dt;
        if (fadeIn > 0.0 || fadeOut > 0.0)
            color = withAlpha(color, fadeAlpha(age, duration, fadeIn, fadeOut));
    }
    if (age >= duration && removeWhenDone) markDead();
}
