#include "game/ProgressBar.h"
#include <algorithm>
#include "core/ErrorManager.h"
#include "media/Quad.h"
#include "media/Texture.h"

ProgressBar::ProgressBar(Texture* texture, int frameSkin, int fillSkin) : pTexture(texture) {
    const auto frameCount = static_cast<int>(texture->skins.size());
    VEK_ASSERT(frameSkin < frameCount && fillSkin >= 0 && fillSkin < frameCount);
    if (frameSkin >= 0) setSkin(texture->skins[static_cast<std::size_t>(frameSkin)]);
    const TextureSkin* fill = texture->skins[static_cast<std::size_t>(fillSkin)];
    fillSource = fill->getSource();
    pFillQuad = new Quad(texture, fillSource);
    pFillQuad->setAnchor(Quad::LEFT_EDGE);
    pFill = new Renderable();
    pFill->setSkin(pFillQuad, true);
    pFill->position.x = -pFillQuad->width / 2.f;
    addChild(pFill);
    setProgress(0.f);
}

void ProgressBar::setProgress(float p) {
    progress = std::clamp(p, 0.f, 1.f);
    Rect source = fillSource;
    source.right = source.left + progress * (fillSource.right - fillSource.left);
    pFillQuad->setSource(source);
    pFillQuad->setSize(source.right - source.left, source.bottom - source.top);
}
