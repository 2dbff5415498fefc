#include "game/MousePointer.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/Color.h"
#include "media/PointerTracker.h"
#include "media/Texture.h"
#include "media/VekInput.h"
#include "media/VekMedia.h"

namespace {

constexpr uint8_t TOUCH_MODE_ALPHA = 0x40; // development mode only

} // namespace

MousePointer::MousePointer() : pTexture(Vek::get()->getResourceManager().find<Texture>(u"mousePointer")) {
    setSkin(pTexture->skins[0]); // a texture has at least its whole picture as frame
}

void MousePointer::tick(double t, double dt) {
    Renderable::tick(t, dt);
    VekMedia* media = VekMedia::get();
    if (!media) return;
    const Context::Point& at = media->getPointerTracker().position;
    position = {at.x, at.y, 0.f};
    const bool bTouch = media->getInput().inputMode == INPUTMODE_TOUCH;
    if (Vek::get()->bRelease) {
        hidden = bTouch;
    } else {
        hidden = false;
        color = withAlpha(color, bTouch ? TOUCH_MODE_ALPHA : 0xFF);
    }
}
