#include "menus/MenuFrame.h"
#include "core/ErrorManager.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/SlicedSkin.h"
#include "media/Texture.h"

namespace {

constexpr std::size_t HIGHLIGHTED_FRAME = 2;
constexpr std::size_t PLAIN_FRAME = 0;
constexpr float TITLE_DROP = 30.f;
constexpr uint32_t TITLE_COLOUR = 0x80FF0000;
constexpr int TITLE_FLAGS = FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE;

} // namespace

MenuFrame::MenuFrame(float x, float y, float z, int width, int height, bool highlighted,
                     WideStringView frameTitle)
    : title(frameTitle) {
    position = {x, y, z};
    const Texture& texture = *Vek::get()->getResourceManager().find<Texture>(u"gui-game-button");
    const std::size_t frame = highlighted ? HIGHLIGHTED_FRAME : PLAIN_FRAME;
    VEK_ASSERT(texture.skins.size() > frame);
    auto* skin = new SlicedSkin(*texture.skins[frame]);
    skin->setBorders(25.f, 20.f, 20.f, 25.f);
    skin->setSize(static_cast<float>(width), static_cast<float>(height));
    setSkin(skin, true);
}

void MenuFrame::render() {
    Renderable::render();
    Global* game = Global::get();
    const auto* skin = static_cast<const SlicedSkin*>(getSkin());
    if (hidden || title.empty() || !game || !game->fontMedium) return;
    game->fontMedium->drawText(title, position.x, position.y + skin->getHeight() / 2.f - TITLE_DROP,
                               position.z, TITLE_COLOUR, TITLE_FLAGS);
}
