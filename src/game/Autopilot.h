#pragma once
#include <memory>
#include "platform/InputSnapshot.h"

class GameController;

/// A player at the keys for checks and benchmarks: an input source that passes on what the
/// devices report and adds the presses of the players' key bindings. While the game is the
/// top screen each playing fighter keeps under the lowest enemy, sidesteps the nearest enemy
/// shot, holds fire and fires missiles when the field is crowded; on any other screen it
/// presses fire at a steady rhythm (joining, skipping). It only reads the game, so a run
/// with the same seed repeats exactly. Main thread only.
class Autopilot : public platform::InputSource {
  public:
    static constexpr int RHYTHM = 8;              ///< frames fire is down, then up, off the game
    static constexpr int CROWDED = 20;            ///< enemies that make the field worth a missile
    static constexpr double DODGE_REACH = 90.0;   ///< enemy shots nearer than this are avoided
    static constexpr double DODGE_STEP = 70.0;    ///< units aside from such a shot
    static constexpr int STEER_SLACK = 6;         ///< units the fighter may be off its aim
    static constexpr int CRUISE_Y = 380;          ///< the fighter stays at least this low

    explicit Autopilot(std::unique_ptr<platform::InputSource> devices);

    void poll(platform::InputSnapshot& out) override;
    void warpMouse(float x, float y) override;

    /// The x that fighter `player` of `game` aims for.
    static double aimOf(const GameController& game, int player);

  private:
    void fly(const GameController& game, int player, platform::InputSnapshot& out) const;

    std::unique_ptr<platform::InputSource> pDevices;
    int frame = 0;
};
