#include "game/interludes/StarMap.h"
#include <algorithm>
#include "core/Logger.h"
#include "game/GameGlobal.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/interludes/Snowflake.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/SpriteActor.h"

VEK_REGISTER_CLASS(StarMap, ContextScene, u"StarMap")

namespace {

constexpr int32_t LAST_SYSTEM = PlanetTrack::PLANETS - 1;
constexpr int32_t FULL_THRUST = 5;
constexpr double FLAME_BEHIND = 16.0; // the flame's offset from the ship, units
constexpr double FLAME_BELOW = 5.0;
constexpr int SIDE_VIEW_RIGHT = 1;    // the frame of the ship facing right
constexpr double HALF_SCREEN = 320.0;

Surface* planetFrame(int32_t index) {
    const GameGlobal* game = GameGlobal::get();
    return game && game->planets ? game->planets->getSurf(index) : nullptr;
}

} // namespace

void StarMap::ShipPath::onStepDone() {
    if (owner.getState() != ARRIVED) owner.setState(ARRIVED);
}

StarMap::StarMap(int32_t systemIndex)
    : planetX(PlanetTrack::positions()), system(std::clamp(systemIndex, 0, LAST_SYSTEM)),
      snowfall(Snowflake::createSnowfall()), sky(new SkyLayer(true)), planets(new ObjectGroup()),
      ship(new SpriteActor()) {
    deleteWhenClosed = true;
    bFadeIn = true;
    savedCameraX = START_CAMERA_X;
    path.speed = SHIP_SPEED;
    const GameGlobal* game = GameGlobal::get();
    for (int32_t i = 0; i < PlanetTrack::PLANETS; ++i)
        planets->add(new SpriteActor(planetX[static_cast<std::size_t>(i)], PlanetTrack::TRACK_Y, planetFrame(i)));
    if (game && game->fighterSideView) ship->surface = game->fighterSideView->getSurf(SIDE_VIEW_RIGHT);
    for (GameObject* object : {static_cast<GameObject*>(sky), static_cast<GameObject*>(planets),
                               static_cast<GameObject*>(ship), static_cast<GameObject*>(snowfall)})
        adopt(object);
    setState(START);
}

void StarMap::onActivate(bool first) {
    ContextScene::onActivate(first);
    if (first) VEK_LOG(u"Showing the star map to system %d.", system);
}

double StarMap::arrivalY(int32_t index) {
    const Surface* frame = planetFrame(index);
    const int32_t height = frame ? frame->height : 0;
    return SHIP_Y + (index >= LAST_SYSTEM ? height / 4 : height / 2);
}

void StarMap::onStateChange() {
    switch (getState()) {
    case START:
        if (system > 0)
            path.setPosition(planetX[static_cast<std::size_t>(system - 1)], arrivalY(system - 1));
        else
            path.setPosition(START_X, SHIP_Y);
        setState(FLYING, PAUSE);
        break;
    case FLYING:
        flame.targetLevel = FULL_THRUST;
        path.addMove(planetX[static_cast<std::size_t>(system)], arrivalY(system), Mover::AUTO, Mover::AUTO, 0.0,
                     0.0, 0);
        break;
    case ARRIVED:
        flame.targetLevel = 0;
        setState(CLOSING, PAUSE);
        break;
    case CLOSING:
        closed = true;
        break;
    default:
        break;
    }
}

void StarMap::follow() {
    viewX = std::max(viewX, path.x - HALF_SCREEN);
    if (GameGlobal* game = GameGlobal::get()) game->cameraX = viewX;
}

void StarMap::renderScene() {
    path.update();
    follow();
    sky->frameUpdate();
    planets->frameUpdate();
    flame.x = path.x - FLAME_BEHIND;
    flame.y = path.y + FLAME_BELOW;
    flame.frameUpdate();
    ship->x = path.x;
    ship->y = path.y;
    ship->frameUpdate();
    snowfall->frameUpdate();
}

void StarMap::addToDigest(GameDigest& digest) const {
    digest.addNumber(path.x);
    digest.addNumber(path.y);
    digest.addNumber(viewX);
    ContextScene::addToDigest(digest);
}
