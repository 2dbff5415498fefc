#pragma once
#include <array>
#include <cstdint>
#include "core/VekBasePointer.h"
#include "game/interludes/PlanetTrack.h"
#include "game/scene/ContextScene.h"
#include "game/scene/EngineFlame.h"
#include "media/Renderable.h"

class SpriteActor;

/// The opening sequence between the maker's logo and the main menu: the title picture with
/// the game's logo and the legal line, a slow pan across the planets to the home planet with
/// story captions, a short chase in which the hero's ship shoots a zelbin and flies off as a
/// flock comes in, and the closing captions. Its timeline runs on the scene clock; a skip
/// key or a click closes it at any time, and it closes itself at CLOSE_TIME. The menu music
/// stops for the record scratch and starts again; closing in between starts it at once.
/// Main thread only.
class ContextIntro : public ContextScene {
    VEK_REGISTERED_CLASS()

    static constexpr double TITLE_END = 13.0;    ///< the title picture goes, the planets come
    static constexpr double LOGO_START = 2.6;
    static constexpr double PAN_START = 14.3;
    static constexpr double CHASE_START = 57.2;  ///< the fighter and the lone zelbin appear
    static constexpr double SHOT_TIME = 59.8;
    static constexpr double FLOCK_TIME = 63.7;
    static constexpr double TURN_TIME = 66.3;    ///< the record scratch: the ship turns and leaves
    static constexpr double ENGINE_TIME = 66.95;
    static constexpr double MUSIC_TIME = 68.9;   ///< the menu music again
    static constexpr double CLOSE_TIME = 126.1;
    static constexpr double START_CAMERA_X = 640.0;

    ContextIntro();
    ~ContextIntro() override;

    /// The saved camera, and a line in the log the first time.
    void onActivate(bool first) override;
    /// The menu logo's animation, while it shows.
    void tickContents(double t, double dt) override;
    /// The timeline: the events whose time the clock passed in this step, then what runs
    /// every frame of its window.
    void renderScene() override;
    /// The menu music plays again if the intro leaves between its stop and its restart.
    void onSceneClosed() override;

    /// Where the pan stops: the home planet at the field's centre.
    double panEnd() const;

    const std::array<int32_t, PlanetTrack::PLANETS> planetX;
    SpriteActor* pFighter = nullptr; ///< owned once the chase starts
    VekBasePointer shot;             ///< a child until it hits the lone zelbin
    VekBasePointer loneZelbin;       ///< a child
    EngineFlame flame;
    bool bMusicStopped = false; ///< between the record scratch and the menu music's restart

  private:
    struct TimedEvent {
        double time;
        void (ContextIntro::*action)();
    };
    static const std::array<TimedEvent, 8> EVENTS;

    void showSolarSystem();
    void startChase();
    void fireShot();
    void releaseFlock();
    void turnFighter();
    void startEngine();
    void restartMusic();
    void finish();

    void addCaptions();
    void drawTitle();
    void pan() const;
    void chase();
    void leave();
    void drawFighter(double flameOffset, int32_t level);

    Renderable titlePicture;
    Renderable* pLogo; ///< owned
};
