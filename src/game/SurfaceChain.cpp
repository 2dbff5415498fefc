#include "game/SurfaceChain.h"
#include "core/ErrorManager.h"
#include "game/Surface.h"
#include "media/Texture.h"

SurfaceChain::SurfaceChain(Texture* texture) : count(static_cast<int32_t>(texture->skins.size())) {
    surfaces.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        surfaces.push_back(new Surface(texture, i));
}

SurfaceChain::~SurfaceChain() {
    for (Surface* surface : surfaces)
        delete surface;
}

Surface* SurfaceChain::getSurf(int index) const {
    if (index < 0 || index >= count)
        VEK_ERROR(u"Requested surface at index %d, only 0-%d present", index, count - 1);
    return surfaces[static_cast<std::size_t>(index)];
}

void SurfaceChain::linkFrames(int mode, int first) {
    Surface* firstFrame = getSurf(first);
    for (int i = first; i <= count - 2; ++i)
        getSurf(i)->next = getSurf(i + 1);
    Surface* last = getSurf(count - 1);
    switch (mode) {
    case 0:
        last->next = nullptr;
        break;
    case 1:
        last->next = last;
        break;
    case 2:
        last->next = firstFrame;
        break;
    default:
        break;
    }
}

void SurfaceChain::setRadiusFactor(double factor) {
    for (Surface* surface : surfaces)
        surface->radiusFactor = factor;
}
