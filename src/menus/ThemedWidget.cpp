#include "menus/ThemedWidget.h"
#include "core/ErrorManager.h"
#include "media/SlicedSkin.h"
#include "media/Texture.h"

namespace {

constexpr std::array<int, 3> FRAME_OF_SKIN{1, 0, 2};

} // namespace

ThemedWidget::~ThemedWidget() {
    setSkin(nullptr);
    deleteSkins();
}

void ThemedWidget::deleteSkins() {
    for (SlicedSkin*& skin : skins) {
        if (skin) skin->destroy();
        skin = nullptr;
    }
}

void ThemedWidget::applyTexture(const Texture& texture) {
    VEK_ASSERT(texture.skins.size() >= 3);
    setSkin(nullptr);
    deleteSkins();
    for (std::size_t i = 0; i < skins.size(); ++i) {
        skins[i] = new SlicedSkin(*texture.skins[static_cast<std::size_t>(FRAME_OF_SKIN[i])]);
        skins[i]->setBorders(static_cast<float>(insets[0]), static_cast<float>(insets[1]),
                             static_cast<float>(insets[2]), static_cast<float>(insets[3]));
    }
    setSkin(skins[0]);
}
