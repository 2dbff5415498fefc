#pragma once
#include <array>
#include <cstdint>
#include "game/interludes/PlanetTrack.h"
#include "game/scene/ContextScene.h"
#include "game/scene/EngineFlame.h"
#include "game/scene/Mover.h"

class ObjectGroup;
class SkyLayer;
class SpriteActor;

/// The flight between two star systems: a side view of the planets on their track, across
/// which the player's ship flies from the last system's planet to the next one under falling
/// snow; two seconds after it has arrived the map closes itself and is deleted. The view
/// follows the ship to the right and never scrolls back. Main thread only.
class StarMap : public ContextScene {
    VEK_REGISTERED_CLASS()

    enum State : int32_t { FLYING = 1, ARRIVED = 2, CLOSING = 3, START = 4 };
    static constexpr double SHIP_SPEED = 5.0;     ///< units per frame
    static constexpr double START_X = -2370.0;    ///< the ship's start before the first system
    static constexpr double START_CAMERA_X = -2320.0;
    static constexpr double SHIP_Y = 240.0;       ///< the ship's height before the planet's
    static constexpr double PAUSE = 2.0;          ///< seconds before the flight and after it

    StarMap() : StarMap(0) {}
    /// The flight to the planet of `system` (0 to 10).
    explicit StarMap(int32_t system);

    /// The saved view, and a line in the log the first time.
    void onActivate(bool first) override;
    /// The ship's step, the view, then the sky, planets, flame, ship and snow.
    void renderScene() override;
    /// The ship's position and the view before the scene's part.
    void addToDigest(GameDigest& digest) const override;

    /// Where the ship hovers by planet `index`: at its centre line, lowered by half the
    /// planet's height (a quarter for the sun-sized last one).
    static double arrivalY(int32_t index);

    /// The ship's path; its end is the arrival.
    class ShipPath : public Mover {
      public:
        explicit ShipPath(StarMap& map) : owner(map) {}
        void onStepDone() override;

      private:
        StarMap& owner;
    };

    const std::array<int32_t, PlanetTrack::PLANETS> planetX;
    const int32_t system;
    double viewX = START_CAMERA_X; ///< the camera's x; it only grows
    ShipPath path{*this};

  protected:
    void onStateChange() override;

  private:
    void follow();

    ObjectGroup* snowfall;  ///< owned
    EngineFlame flame;
    SkyLayer* sky;          ///< owned
    ObjectGroup* planets;   ///< owned
    SpriteActor* ship;      ///< owned
};
