#include "game/player/Fighter.h"
#include <algorithm>
#include <cmath>
#include "core/ChildIterator.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameInput.h"
#include "game/GameSound.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Enemy.h"
#include "game/enemies/EnemyShot.h"
#include "game/enemies/Pickup.h"
#include "game/hud/TouchButtons.h"
#include "game/player/Missile.h"
#include "game/player/PlayerData.h"
#include "game/player/Weapon.h"
#include "game/player/WindowToField.h"
#include "game/scene/EngineFlame.h"
#include "game/scene/GameDigest.h"
#include "game/scene/Interpolation.h"
#include "game/scene/ObjectGroup.h"
#include "media/VekInput.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Fighter, PlayerControlled, u"Fighter")

namespace {

// What a touch does, marked on it once when it goes down.
constexpr int TOUCH_HUD = 1, TOUCH_MISSILE = 2, TOUCH_STEER = 3, TOUCH_FIRE = 4;
// The settings' firing methods: 0 the steering finger fires, 1 and 2 a fire button (left,
// right), 3 a second finger fires.
constexpr int FIRE_BY_STEERING = 0, FIRE_BY_SECOND_TOUCH = 3;
constexpr int DIRECT_CONTROL = 0; // the finger is where the fighter goes; else it moves it
constexpr float TOUCH_FACTORS[] = {0.75f, 1.f, 2.f, 3.f, 4.f}; // by touch sensitivity
constexpr int32_t FULL_THRUST = 5;
constexpr int32_t TURN_THRUST = 3;
constexpr double FLAME_SPREAD = 10.0; // flames' distance from the middle at level flight
constexpr double FLAME_BELOW = 15.0;

int32_t towardsZero(int32_t value) {
    return value > 0 ? value - 1 : value < 0 ? value + 1 : 0;
}

} // namespace

Fighter::Fighter(int player)
    : PlayerControlled(player), targetX(player * 213 + 214), leftFlame(new EngineFlame), rightFlame(new EngineFlame) {
    minX = 20;
    minY = 80;
    maxY = 400;
    maxX = 620;
    addChild(leftFlame);
    addChild(rightFlame);
    setAfterburner(true);
}

void Fighter::respawn() {
    x = targetX;
    y = APPEAR_Y;
    targetY = maxY;
    vx = vy = 0;
    shieldTimer = SHIELD_TIME;
}

void Fighter::setAfterburner(bool on) {
    leftFlame->bAfterburner = on;
    rightFlame->bAfterburner = on;
}

void Fighter::frameUpdate() {
    updateFlames();
    PlayerControlled::frameUpdate();
    updateShield();
    VekInput* input = GameInput::getInput();
    const int32_t previousX = targetX;
    const int32_t previousY = targetY;
    if (input) {
        const Vector2 field = windowToField(input->pointer.x, input->pointer.y);
        pointer = field;
        if (bPointerAllowed && bPointerControl) steerByPointer(*input);
    }
    steerByKeys(input);
    bankAndThrottle(previousX, previousY);
    if (bBoundsOn) clampTarget();
    const GameGlobal* root = GameGlobal::get();
    SurfaceChain* chain = !root ? nullptr : playerIndex == 0 ? root->fighter0 : root->fighter1;
    if (chain) surface = chain->getSurf(std::clamp(bankFrame, 0, chain->count - 1));
    x = (targetX + x) * 0.5;
    y = (targetY + y) * 0.5;
    fireWeapon();
    fireMissile();
    collide();
}

void Fighter::updateFlames() {
    const double spread = FLAME_SPREAD - std::abs(LEVEL_BANK - bankFrame);
    leftFlame->x = x - spread;
    rightFlame->x = x + spread;
    leftFlame->y = rightFlame->y = y + FLAME_BELOW;
    rightFlame->targetLevel = leftFlame->targetLevel;
    leftFlame->frameUpdate();
    rightFlame->frameUpdate();
}

void Fighter::updateShield() {
    if (shieldTimer <= 0) return;
    --shieldTimer;
    if (shieldFrame <= shieldFrameMin) shieldDirection = 1;
    if (shieldFrame >= shieldFrameMax) shieldDirection = -1;
    shieldFrame = std::clamp(shieldFrame + shieldDirection, shieldFrameMin, shieldFrameMax);
    const GameGlobal* root = GameGlobal::get();
    if (root && root->shield && shieldFrame < root->shield->count)
        root->shield->getSurf(shieldFrame)->setScreenPosition(x - root->cameraX, y - root->cameraY);
}

void Fighter::steerByPointer(VekInput& input) {
    if (input.inputMode == INPUTMODE_MOUSE) {
        targetX = static_cast<int32_t>(pointer.x);
        targetY = static_cast<int32_t>(pointer.y);
    } else if (input.inputMode == INPUTMODE_TOUCH) {
        steerByTouches(input);
    }
}

void Fighter::steerByTouches(VekInput& input) {
    const int firingMethod = GameGlobal::get()->configuration.firingMethod;
    for (TouchPoint& touch : input.touchPoints) {
        const Vector2 at = windowToField(touch.x, touch.y);
        if (touch.bPressed && touch.usage == 0) touch.usage = classifyTouch(at, input);
        if (touch.usage == TOUCH_MISSILE) bMissilePressed = bMissilePressed || touch.bPressed;
        const bool bFires = touch.usage == TOUCH_FIRE || (touch.usage == TOUCH_STEER && firingMethod == FIRE_BY_STEERING);
        if (bFires) {
            bFirePressed = bFirePressed || touch.bPressed;
            bFireHeld = bFireHeld || touch.bDown;
        }
        if (touch.usage == TOUCH_STEER) steerByTouch(touch, at);
    }
}

int Fighter::classifyTouch(const Vector2& at, const VekInput& input) const {
    const TouchButtons buttons = TouchButtons::current();
    const int firingMethod = GameGlobal::get()->configuration.firingMethod;
    if (TouchButtons::isNear(at, buttons.missile)) return player().missiles > 0 ? TOUCH_MISSILE : TOUCH_HUD;
    if (TouchButtons::isNear(at, buttons.first)) return TOUCH_HUD;
    const bool bFireButton = firingMethod == 1 || firingMethod == 2;
    if (bFireButton && TouchButtons::isNear(at, buttons.fire)) return TOUCH_FIRE;
    if (input.countSteeringTouches() == 0) return TOUCH_STEER;
    return firingMethod == FIRE_BY_SECOND_TOUCH ? TOUCH_FIRE : 0;
}

void Fighter::steerByTouch(const TouchPoint& touch, const Vector2& at) {
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    if (configuration.controlMethod == DIRECT_CONTROL) {
        // The fighter stands above the finger, so that the finger does not hide it.
        const float lift = std::trunc(remapClamped(60.f, 80.f, 480.f, 430.f, at.y));
        targetX = static_cast<int32_t>(at.x);
        targetY = static_cast<int32_t>(at.y - lift);
        return;
    }
    const float factor = TOUCH_FACTORS[std::clamp(configuration.touchSensitivity, 0, 4)];
    const Vector2 origin = windowToField(touch.x - touch.moveX, touch.y - touch.moveY);
    targetX = static_cast<int32_t>(targetX + factor * (at.x - origin.x));
    targetY = static_cast<int32_t>(targetY + factor * (at.y - origin.y));
}

void Fighter::steerByKeys(const VekInput* input) {
    if (bLeft) vx -= SPEED_STEP;
    if (bRight) vx += SPEED_STEP;
    if (bUp) vy -= SPEED_STEP;
    if (bDown) vy += SPEED_STEP;
    vx = std::clamp(towardsZero(vx), -MAX_SPEED, MAX_SPEED);
    vy = std::clamp(towardsZero(vy), -MAX_SPEED, MAX_SPEED);
    const Vector3 stick = input ? input->getJoystickStick(joystickDevice()) : Vector3{};
    targetX = static_cast<int32_t>(targetX + vx + STICK_SPEED * stick.x);
    targetY = static_cast<int32_t>(targetY + vy - STICK_SPEED * stick.y);
}

void Fighter::bankAndThrottle(int32_t previousX, int32_t previousY) {
    const bool bTurnLeft = bPointerControl ? targetX < previousX : bLeft;
    const bool bTurnRight = bPointerControl ? targetX > previousX : bRight;
    if (bTurnLeft) --bankFrame;
    if (bTurnRight) ++bankFrame;
    if (!bTurnLeft && !bTurnRight && bankFrame != LEVEL_BANK) bankFrame += bankFrame < LEVEL_BANK ? 1 : -1;
    bankFrame = std::clamp(bankFrame, 0, MAX_BANK);
    const bool bClimbing = bPointerControl ? targetY < previousY : bUp;
    const bool bTurning = bPointerControl ? targetX != previousX : bLeft || bRight;
    leftFlame->targetLevel = bClimbing ? FULL_THRUST : bTurning ? TURN_THRUST : 0;
}

void Fighter::clampTarget() {
    targetX = std::clamp(targetX, minX, maxX);
    targetY = std::clamp(targetY, minY, maxY);
}

void Fighter::fireWeapon() {
    Weapon& weapon = player().weapon();
    if (!(bFirePressed && weapon.canFire()) && !(bFireHeld && weapon.canAutoFire())) return;
    y += RECOIL;
    weapon.fire();
    ++player().shots;
}

void Fighter::fireMissile() {
    PlayerData& data = player();
    if (!bMissilePressed || data.missiles < 1) return;
    y += RECOIL;
    GameController& game = *GameController::running();
    game.playerShots->add(new Missile(playerIndex, x, y));
    const GameGlobal* root = GameGlobal::get();
    if (root && root->soundMissile) root->soundMissile->playSound(targetX);
    --data.missiles;
    game.bMissileUsedThisWave = game.bMissileUsedThisSystem = game.bMissileUsedEver = true;
}

void Fighter::collide() {
    GameController& game = *GameController::running();
    ChildIterator items(*game.items);
    while (VekBase* member = items.next()) {
        auto* item = static_cast<Pickup*>(member);
        if (!collides(*item)) continue;
        onPickup(*item);
        item->collect(*this);
    }
    if (shieldTimer > 0) return;
    ChildIterator enemies(*game.enemies);
    while (VekBase* member = enemies.next()) {
        auto* enemy = static_cast<Enemy*>(member);
        if (!collides(*enemy)) continue;
        onRammed(*enemy);
        enemy->onRammed(*this);
    }
    ChildIterator shots(*game.enemyShots);
    while (VekBase* member = shots.next()) {
        auto* shot = static_cast<EnemyShot*>(member);
        if (!collides(*shot)) continue;
        onShot(*shot);
        shot->hit();
    }
}

void Fighter::addToDigest(GameDigest& digest) const {
    SpriteActor::addToDigest(digest);
    for (const int64_t value : {int64_t{targetX}, int64_t{targetY}, int64_t{vx}, int64_t{vy}, int64_t{bankFrame},
                                int64_t{shieldTimer}})
        digest.addInt(value);
}
