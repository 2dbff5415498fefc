#pragma once
#include <cstdint>
#include "game/scene/SpriteActor.h"

class Enemy;
class EnemyShot;
class PlayerData;
class Pickup;
class VekInput;

/// An actor that a player steers: each frame it turns the player's controls (keyboard
/// bindings, the player's joystick, and for player 0 the mouse) into this frame's flags.
/// Keys and the stick switch pointer control off; moving the mouse or touching the screen
/// switches it on. It also keeps the shield's timer and animation and the bounds.
class PlayerControlled : public SpriteActor {
    VEK_REGISTERED_CLASS()

    static constexpr float STICK_DIRECTION = 0.5f; ///< a stick deflection beyond this is steering
    static constexpr float MOUSE_STEERING = 10.f;  ///< window pixels of mouse movement in a frame

    explicit PlayerControlled(int player);

    /// Draws the actor, then reads the controls (when enabled).
    void frameUpdate() override;
    /// Starts anew; nothing here.
    virtual void respawn() {}
    /// An enemy shot struck it: its player loses the fighter.
    virtual void onShot(EnemyShot& shot);
    /// It rammed `enemy`: its player loses the fighter, unless the enemy is harmless.
    virtual void onRammed(Enemy& enemy);
    /// It touched `item`, before the item's own collect; nothing here.
    virtual void onPickup(Pickup& item) { static_cast<void>(item); }
    /// Turns the engines' afterburner on or off; nothing here.
    virtual void setAfterburner(bool on) { static_cast<void>(on); }
    /// The player it belongs to in the running game.
    PlayerData& player() const;

    int32_t playerIndex;
    bool bControlsEnabled = true;
    bool bPointerAllowed; ///< player 0 only
    // This frame's controls.
    bool bUp = false;
    bool bDown = false;
    bool bLeft = false;
    bool bRight = false;
    bool bFirePressed = false; ///< a fresh press
    bool bFireHeld = false;
    bool bMissilePressed = false; ///< a fresh press
    // The shield's animation: a frame swinging between the minimum and the maximum.
    int32_t shieldFrameMin = 0;
    int32_t shieldFrameMax = 10;
    int32_t shieldFrame = 0;
    int32_t shieldDirection; ///< +1 or -1
    int32_t minX = -1000;
    int32_t minY = -1000;
    int32_t maxY = 1000;
    int32_t maxX = 1000;
    int32_t shieldTimer = 0; ///< frames of immunity left
    bool bBoundsOn = true;
    bool bPointerControl = true; ///< steered by the mouse or a finger rather than keys

  protected:
    /// The joystick of this player's settings (0 to 3).
    int joystickDevice() const;

  private:
    void readControls(const VekInput& input);
    void readPointerButtons(const VekInput& input);
};
