#include "media/Renderable.h"
#include <algorithm>
#include <cmath>
#include "media/Skin.h"
#include "media/VekGraphics.h"

VEK_REGISTER_CLASS(Renderable, VekBase, u"Renderable")

namespace {

const Renderable* parentRenderable(const VekBase& object) {
    for (const VekBase* owner = object.getOwner(); owner; owner = owner->getOwner()) {
        if (const auto* renderable = dynamic_cast<const Renderable*>(owner)) return renderable;
    }
    return nullptr;
}

} // namespace

Renderable::~Renderable() {
    setSkin(nullptr);
}

void Renderable::setSkin(Skin* skin, bool owns) {
    if (bOwnsSkin && pSkin && pSkin != skin) pSkin->destroy();
    pSkin = skin;
    bOwnsSkin = owns && skin;
}

void Renderable::setTransform(const Vector3& newPosition, float newRotation, const Vector3& newScale) {
    position = newPosition;
    rotation = newRotation;
    scale = newScale;
    updateTransform();
}

void Renderable::updateTransform() {
    const Transform local = Transform::compose(position, rotation, scale);
    const Renderable* parent = parentRenderable(*this);
    world = parent ? parent->world * local : local;
}

void Renderable::render() {
    if (hidden) return;
    updateTransform();
    VekGraphics* graphics = VekGraphics::get();
    if (!graphics) return;
    const View previous = graphics->getView();
    if (bScreenSpace) graphics->setView(graphics->getScreenView());
    if (pSkin) pSkin->draw(*graphics, world, color);
    VekBase::render();
    if (bScreenSpace) graphics->setView(previous);
}

bool Renderable::isPointInside(const Vector3& worldPoint) const {
    if (!pSkin || bBoundsOff) return false;
    Vector3 local;
    return world.unapply(worldPoint, local) && pSkin->isPointInside(local.x, local.y);
}

bool Renderable::getBounds(Vector3& centre, float& radius) const {
    if (!pSkin || bBoundsOff) return false;
    const Rect r = pSkin->getLocalRect();
    centre = world.apply({(r.left + r.right) * 0.5f, (r.top + r.bottom) * 0.5f, 0.f});
    radius = 0.f;
    for (const Vector3& corner : {Vector3{r.left, r.top, 0.f}, Vector3{r.right, r.top, 0.f},
                                  Vector3{r.right, r.bottom, 0.f}, Vector3{r.left, r.bottom, 0.f}}) {
        const Vector3 d = world.apply(corner) - centre;
        radius = std::max(radius, std::sqrt(d.x * d.x + d.y * d.y));
    }
    return true;
}

bool Renderable::collides(const Renderable& other) const {
    Vector3 a, b;
    float ra = 0.f, rb = 0.f;
    if (!getBounds(a, ra) || !other.getBounds(b, rb)) return false;
    a.z = b.z = 0.f;
    return isWithinRadius(a, b, ra + rb);
}
