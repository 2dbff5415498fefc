#include "game/scene/ContextScene.h"
#include "core/ChildIterator.h"
#include "game/ContextManager.h"
#include "game/GameGlobal.h"
#include "game/TransitionOverlay.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"

namespace {

ContextScene* pActiveScene = nullptr;

// The scene's view: the 640 by 480 field with its left edge at x = -320.
constexpr float VIEW_RATIO = 0.75f;
constexpr float VIEW_X_ORIGIN = -320.f;

} // namespace

/// Makes a scene the active one while its objects are ticked or drawn.
class ContextScene::ActiveScope {
  public:
    explicit ActiveScope(ContextScene* scene) : pOuter(pActiveScene) { pActiveScene = scene; }
    ~ActiveScope() { pActiveScene = pOuter; }
    ActiveScope(const ActiveScope&) = delete;
    ActiveScope& operator=(const ActiveScope&) = delete;

  private:
    ContextScene* pOuter;
};

ContextScene::ContextScene() {
    camera.ratio = VIEW_RATIO;
    camera.offsetX = 0.f;
    camera.offsetY = 0.f;
    camera.xOrigin = VIEW_X_ORIGIN;
}

ContextScene* ContextScene::active() {
    return pActiveScene;
}

void ContextScene::onActivate(bool) {
    restoreCamera();
}

void ContextScene::onDeactivate(bool removed) {
    saveCamera();
    if (removed) onSceneClosed();
}

void ContextScene::tickContents(double t, double dt) {
    ActiveScope scope(this);
    VekBase::tick(t, dt);
    previousClock = sceneClock;
    rawTime = contextTime;
    sceneClock = CLOCK_RATE * contextTime;
    sceneStep = CLOCK_RATE * dt;
    ChildIterator it(owned, true);
    while (VekBase* object = it.next())
        object->tick(t, dt);
}

void ContextScene::renderContents() {
    ActiveScope scope(this);
    if (pBackground) pBackground->frameUpdate();
    VekBase::render();
    renderScene();
    if (pForeground) pForeground->frameUpdate();
}

void ContextScene::frameUpdateOwned() {
    ChildIterator it(owned, true);
    while (VekBase* object = it.next())
        static_cast<GameObject*>(object)->frameUpdate();
}

void ContextScene::restoreCamera() {
    GameGlobal* game = GameGlobal::get();
    if (!game) return;
    game->cameraX = savedCameraX;
    game->cameraY = savedCameraY;
    if (bSkipFade) bFadeIn = bSkipFade = false;
    if (!game->contextManager) return;
    TransitionOverlay& overlay = *game->contextManager->transitionOverlay;
    if (bFadeIn) overlay.level = 1.f;
    overlay.target = 0.f;
}

void ContextScene::saveCamera() {
    if (const GameGlobal* game = GameGlobal::get()) {
        savedCameraX = game->cameraX;
        savedCameraY = game->cameraY;
    }
}

bool ContextScene::crossedTime(double sceneTime) const {
    // Against the clock of the previous step rather than clock minus step: the difference
    // of two rounded products can leave a gap or an overlap at the boundary.
    return sceneClock >= sceneTime && sceneTime > previousClock;
}

void ContextScene::adopt(GameObject* object) {
    owned.append(*this, *object);
}

void ContextScene::addEffect(GameObject* effect) {
    if (pEffectList)
        pEffectList->add(effect);
    else
        addChild(effect);
}

void ContextScene::addToDigest(GameDigest& digest) const {
    digest.addNumber(sceneClock);
    for (const VekBase* object = owned.getHead(); object; object = object->getNext())
        if (!object->isDead()) static_cast<const GameObject*>(object)->addToDigest(digest);
    for (const VekBase* child = getChildren().getHead(); child; child = child->getNext())
        if (const auto* object = dynamic_cast<const GameObject*>(child); object && !object->isDead())
            object->addToDigest(digest);
}
