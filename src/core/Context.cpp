#include "core/Context.h"
#include "core/ContextRenderer.h"
#include "core/MediaServices.h"
#include "core/Vek.h"

VEK_REGISTER_CLASS(Context, VekBase, u"Context")

void Context::tickContext(double t, double dt) {
    updatePointerPosition();
    contextTime += dt;
    if (lifetime > 0.0 && contextTime >= lifetime) closed = true;
    if (pPreObject) pPreObject->tickContext(t, dt);
    tickContents(t, dt);
    if (pPostObject) pPostObject->tickContext(t, dt);
}

void Context::updatePointerPosition() {
    const MediaServices* media = Vek::get() ? Vek::get()->getMedia() : nullptr;
    if (!media) return;
    const MediaServices::ScreenPointer screen = media->getScreenPointer();
    camera.screenToWorld(screen.x, screen.y, screen.width, pointer.x, pointer.y);
    pointer.z = 0.f;
}

void Context::renderContext() {
    ContextRenderer* renderer = Vek::get() ? Vek::get()->getContextRenderer() : nullptr;
    if (renderer && clearColor != 0) renderer->clear(clearColor);
    if (pPreObject) pPreObject->renderContext();
    if (renderer) renderer->useCamera(camera);
    renderContents();
    if (pPostObject) pPostObject->renderContext();
}

void Context::onActivate(bool) {}

void Context::onDeactivate(bool) {}

void Context::tickContents(double t, double dt) { VekBase::tick(t, dt); }

void Context::renderContents() { VekBase::render(); }

VekBase* Context::findObjectUnderPointer(const Point&) { return nullptr; }
