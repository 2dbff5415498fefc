#include "menus/Starfield.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/TextureSkin.h"
#include "core/Context.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "media/VekMedia.h"

namespace {

constexpr int KEY_F9 = 0x43;
constexpr int KEY_RIGHT_SHIFT = 0x36;

bool isBlackFrameRequested() {
    VekMedia* media = VekMedia::get();
    if (!media) return false;
    const VekInput& input = media->getInput();
    return input.isKeyPressed(KEY_F9) && input.isKeyDown(KEY_RIGHT_SHIFT);
}

} // namespace

Starfield::Starfield() {
    setSkin(Vek::get()->getResourceManager().find<TextureSkin>(u"starfield:0"));
}

void Starfield::render() {
    VekGraphics* graphics = VekGraphics::get();
    if (!graphics || graphics->bScreenshotInProgress) return;
    if (isBlackFrameRequested()) {
        graphics->clear(0xFF000000);
        return;
    }
    const auto* tile = static_cast<const TextureSkin*>(getSkin());
    const auto* owner = dynamic_cast<const Context*>(getOwner());
    Rect visible;
    (owner ? owner->camera : Camera()).getVisibleRect(visible, 0.f);
    forEachTile(visible, tile->width, tile->height, [this](float x, float y) {
        position = {x, y, 0.f};
        Renderable::render();
    });
}
