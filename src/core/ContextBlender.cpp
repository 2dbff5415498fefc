#include "core/ContextBlender.h"
#include <algorithm>

VEK_REGISTER_CLASS(ContextBlender, Context, u"ContextBlender")

void ContextBlender::tickContext(double t, double dt) {
    const auto share = static_cast<float>(std::clamp(BLEND_RATE * dt, 0.0, 1.0));
    const float stepX = camera.motionX * share;
    const float stepY = camera.motionY * share;
    const float stepZ = camera.motionZ * share;
    camera.x += stepX;
    camera.y += stepY;
    camera.z += stepZ;
    camera.motionX -= stepX;
    camera.motionY -= stepY;
    camera.motionZ -= stepZ;
    Context::tickContext(t, dt);
}
