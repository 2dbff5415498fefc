#include "menus/ContextStarfield.h"
#include "media/VekGraphics.h"
#include "menus/Starfield.h"

ContextStarfield::ContextStarfield() {
    addChild(new Starfield());
}

void ContextStarfield::tickContext(double t, double dt) {
    const VekGraphics* graphics = VekGraphics::get();
    const double w = graphics ? graphics->screenWidth : VekGraphics::LOGICAL_WIDTH;
    const double h = graphics ? graphics->screenHeight : VekGraphics::LOGICAL_HEIGHT;
    camera.motionX += static_cast<float>(dt * DRIFT_RATE * (pointer.x - camera.x) / w);
    camera.motionY += static_cast<float>(dt * DRIFT_RATE * (pointer.y - camera.y) / h);
    ContextBlender::tickContext(t, dt);
}
