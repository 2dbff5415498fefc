#pragma once
#include "game/interludes/Cutscene.h"
#include "game/scene/EngineFlame.h"

class SpriteActor;

/// Before the ninth system: the ship starts up on the road and races off; a patrol car with
/// its siren wailing gives chase. The tenth system's chase is the same with a faster car
/// coming from below (`CutscenePoliceChase2`).
class CutscenePoliceChase : public Cutscene {
    VEK_REGISTERED_CLASS()

    /// What tells the two chases apart.
    struct Chase {
        bool bRoad;          ///< the road behind
        double carY;         ///< where the car waits
        double column;       ///< the ship's x
        double shipWait;     ///< seconds before the ship leaves
        double shipLinger;   ///< seconds after it has left
        double sirenTime;    ///< scene seconds; the car follows from then on
        double carSpeed;     ///< units per frame upwards
    };
    static constexpr int32_t CAR_FLAME = 3;
    static constexpr double IGNITION = 2.0; ///< scene seconds

    CutscenePoliceChase();
    void renderScene() override;

    SpriteActor* car; ///< a child
    EngineFlame carFlames[2];
    const Chase chase;

  protected:
    explicit CutscenePoliceChase(const Chase& chase);

  private:
    void driveCar();
};
