#include "game/scene/SpriteActor.h"
#include <cmath>
#include "game/GameGlobal.h"
#include "game/Surface.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS(SpriteActor, GameObject, u"SpriteActor")

namespace {

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;

// One edge of a span [start, start + size] lies in [0, limit).
bool eitherEdgeWithin(double start, int size, int limit) {
    const auto within = [limit](double edge) { return edge >= 0.0 && edge < limit; };
    return within(start) || within(start + size);
}

} // namespace

SpriteActor::SpriteActor(double startX, double startY, Surface* frame)
    : surface(frame), x(startX), y(startY) {}

double SpriteActor::screenX() const {
    const GameGlobal* game = GameGlobal::get();
    return bScreenSpace || !game ? x : x - game->cameraX;
}

double SpriteActor::screenY() const {
    const GameGlobal* game = GameGlobal::get();
    return bScreenSpace || !game ? y : y - game->cameraY;
}

void SpriteActor::frameUpdate() {
    if (!surface || hidden) return;
    if (isOnScreenX() && isOnScreenY())
        surface->setScreenPosition(std::trunc(screenX()), std::trunc(screenY()));
    if (++frameCounter < surface->frameTime) return;
    frameCounter = 0;
    if (surface->next)
        surface = surface->next;
    else
        markDead();
}

bool SpriteActor::isOnScreenX() const {
    return surface && eitherEdgeWithin(screenX() - surface->hotspotX, surface->width, SCREEN_WIDTH);
}

bool SpriteActor::isOnScreenY() const {
    return surface && eitherEdgeWithin(screenY() - surface->hotspotY, surface->height, SCREEN_HEIGHT);
}

bool SpriteActor::collides(const SpriteActor& other) const {
    if (!surface || !other.surface) return false;
    double x1 = 0, y1 = 0, r1 = 0, x2 = 0, y2 = 0, r2 = 0;
    surface->getBoundingCircle(x, y, x1, y1, r1);
    other.surface->getBoundingCircle(other.x, other.y, x2, y2, r2);
    // Every shot meets every enemy each frame: the box test turns most pairs away cheaply.
    if (y1 - r1 > y2 + r2 || x1 - r1 > x2 + r2 || y2 - r2 > y1 + r1 || x2 - r2 > x1 + r1) return false;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return (r1 + r2) * (r1 + r2) > dx * dx + dy * dy;
}

void SpriteActor::addToDigest(GameDigest& digest) const {
    GameObject::addToDigest(digest);
    digest.addNumber(x);
    digest.addNumber(y);
}
