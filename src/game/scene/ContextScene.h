#pragma once
#include <cstdint>
#include "core/ChildList.h"
#include "core/Context.h"

class GameDigest;
class GameObject;
class ObjectGroup;

/// A playing field: the running game, the intro, the cutscenes and the star map. Adds a
/// scene clock for scripted timelines, a saved copy of the game camera, an optional
/// background and foreground object, and the objects the scene owns outside its children.
///
/// The scene clock runs at 1.2 times the scene's own context time (the time it has been the
/// top of the stack), never on the engine's clock: a timeline event "at 7.0 s" counts from
/// the scene's start, and the clock does not jump when the configuration resets the engine's.
/// Every "game time" of the game reads this clock.
///
/// Children are ticked and drawn by the engine's walks. Owned objects (`adopt`) are ticked by
/// the scene after its children, in the order adopted, and drawn when the subclass calls
/// `frameUpdateOwned` from `renderScene`; an object sits in one list only, so it is never
/// ticked twice. Main thread only.
class ContextScene : public Context {
  public:
    static constexpr double CLOCK_RATE = 1.2; // scene seconds per second on top

    ContextScene();

    /// Gives the scene its saved camera back (and starts its fade-in).
    void onActivate(bool first) override;
    /// Saves the camera; `onSceneClosed` when the scene left the stack.
    void onDeactivate(bool removed) override;
    /// The children's tick and the own state machine, the clocks, then the owned objects' tick.
    void tickContents(double t, double dt) override;
    /// The background object, the children, `renderScene`, the foreground object.
    void renderContents() override;

    /// The subclass's drawing. Nothing here.
    virtual void renderScene() {}
    /// The game camera takes the saved one; unless the skip flag is set (which clears both
    /// flags), a pending fade-in puts the stack's fade overlay at full cover; the overlay then
    /// fades out.
    virtual void restoreCamera();
    virtual void saveCamera();
    /// The scene left the stack. Nothing here.
    virtual void onSceneClosed() {}

    /// True in the one step during which the scene clock passed `sceneTime` (seconds): it is
    /// at or past it now and was before it at the previous step.
    bool crossedTime(double sceneTime) const;

    /// Takes `object` (heap-allocated) over as an owned object, after those already owned.
    void adopt(GameObject* object);
    /// Where the effects of the scene's actors go (an engine flame's smoke): the list set by
    /// `setEffectList`, else the scene's own children.
    void addEffect(GameObject* effect);
    /// Effects go to `list` (an owned object of this scene) from now on.
    void setEffectList(ObjectGroup* list) { pEffectList = list; }
    /// The horizontal offset of the formation's sway, which movers follow; none here (the
    /// running game sways).
    virtual int32_t getFormationSway() const { return 0; }
    /// The scene whose objects are being ticked or drawn now, or null outside any scene's walk.
    static ContextScene* active();

    /// What the game digest covers: the scene clock, then every owned object and every child
    /// game object, in their orders. Subclasses put their own state first.
    virtual void addToDigest(GameDigest& digest) const;

    double sceneClock = 0.0;           ///< CLOCK_RATE x context time after the last tick
    double rawTime = 0.0;              ///< the context time of the last tick
    double sceneStep = 0.0;            ///< CLOCK_RATE x the last tick's step
    bool bFadeIn = false;              ///< fade in from full cover on the next activation
    bool bSkipFade = false;            ///< ... but not this time (the pause screen closed)
    GameObject* pBackground = nullptr; ///< drawn first; owned by the subclass
    GameObject* pForeground = nullptr; ///< drawn last; owned by the subclass
    double savedCameraX = 0.0;
    double savedCameraY = 0.0;

  protected:
    /// The frame step of every owned object, in the order adopted; dead ones are deleted.
    void frameUpdateOwned();

  private:
    class ActiveScope;

    ChildList owned; ///< deletes the owned objects with the scene
    ObjectGroup* pEffectList = nullptr;
    double previousClock = 0.0; ///< the scene clock before the last tick
};
