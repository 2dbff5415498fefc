#pragma once
#include <memory>
#include "game/interludes/CutsceneFighter.h"
#include "game/scene/ContextScene.h"

class GameGlobal;
class GameSound;
class ObjectGroup;
class SkyLayer;
class SoundChannel;
class Surface;
class SpriteActor;

/// The short scripted interludes between the star systems and the scene at a game's end: the
/// cutscene music, the sky, falling snow and the player's ship, which each interlude steers
/// along its path. An interlude ends in the frame its ship's path has run out; a skip key or
/// a click ends it earlier. Leaving the stack fades the music out and silences the looping
/// sound an interlude may play; the stack deletes it. Main thread only.
class Cutscene : public ContextScene {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t FAST_FLAME = 5;
    static constexpr double FAST_SPEED = 8.0;
    static constexpr double MUSIC_FADE = 1.0; ///< seconds
    static constexpr int PUFF_PARTICLES = 5;

    /// Deleted when closed and skippable; the music starts unless the in-game music is off.
    Cutscene();
    ~Cutscene() override;

    /// The saved camera, and a line in the log the first time.
    void onActivate(bool first) override;
    /// The music fades out; a looping sound stops at once.
    void onSceneClosed() override;

    CutsceneFighter fighter;
    /// The looping motor or siren of the interludes that have one.
    std::unique_ptr<SoundChannel> loop;

  protected:
    /// A still prop on the scene: `surface` with its hot spot at (x, y).
    SpriteActor* addProp(Surface* surface, double x, double y);
    /// The ship's path begins at (x, y).
    void startAt(double x, double y);
    /// Queues a wait of `seconds` on the ship's path.
    void wait(double seconds);
    /// Queues a move to (x, y) that sets off along the current motion and arrives at rest.
    void moveTo(double x, double y);
    /// A puff of smoke at each of the ship's two nozzles.
    void exhaustPuffs();
    /// A puff of smoke at screen point (x, y).
    void puff(double x, double y);
    /// Faster ship with full flames, as the road interludes drive it.
    void driveFast();
    /// The ship's frame step; first in every interlude's frame.
    void flyFighter();
    /// Closes the scene once the ship's path has run out; last in every interlude's frame.
    void endWhenPathDone();
    /// The scene clock passed `sceneTime` in this step.
    bool at(double sceneTime) const { return crossedTime(sceneTime); }
    /// `sound` of the game root, panned by world x.
    static void play(GameSound* GameGlobal::*sound, double x = 320.0);
    /// The looping channel on `sound`, not yet playing.
    SoundChannel& createLoop(GameSound* GameGlobal::*sound);

  private:
    SkyLayer* sky;         ///< owned
    ObjectGroup* snowfall; ///< owned
};
