#pragma once
#include <cstdint>
#include <deque>

/// One queued step of a `Mover`: a move along a cubic Bezier segment or a wait.
struct MoverStep {
    int32_t kind = 0;            ///< Mover::MOVE or Mover::WAIT
    int32_t flags = 0;           ///< Mover::FOLLOW_SWAY, Mover::FADE_SWAY
    double t0x = 0.0, t0y = 0.0; ///< start tangent
    double t1x = 0.0, t1y = 0.0; ///< end tangent
    double x = 0.0, y = 0.0;     ///< end point
    double waitTime = 0.0;       ///< seconds
    bool bAutoStartTangent = false;
    bool bAutoEndTangent = false;
};

/// Moves a point along a script of queued steps: moves along cubic Bezier segments and waits.
/// Embedded in the actors that fly paths (enemies, cutscene fighters, the star map's ship);
/// the owner calls `update` once per frame and copies or blends the position into its own.
/// Moves advance by `speed` units per frame along an estimate of the segment's length; waits
/// last seconds of engine time (ticks of the engine's step). Main thread only.
class Mover {
  public:
    static constexpr int32_t MOVE = 0;
    static constexpr int32_t WAIT = 1;
    /// Move flags: the point follows the formation's sway fully at the end of the move and
    /// while idle after it; or it follows it fading out over the move.
    static constexpr int32_t FOLLOW_SWAY = 1;
    static constexpr int32_t FADE_SWAY = 2;
    /// A tangent given as (AUTO, AUTO) is chosen by the mover (both components exactly).
    static constexpr double AUTO = -32768.0;
    static constexpr double AUTO_TANGENT_LENGTH = 125.0;
    static constexpr double FRAME_RATE_SCALE = 0.8333333333333334; // 25 / 30
    /// t grows by steps that seldom add up to exactly 1: a step this close to its end has
    /// ended (a 0.5 s wait at 30 ticks per second takes 15 frames, not 16).
    static constexpr double STEP_END = 1.0 - 1e-9;

    Mover() = default;
    virtual ~Mover() = default;
    Mover(const Mover&) = delete;
    Mover& operator=(const Mover&) = delete;

    /// One frame: takes the next step when none runs, then advances the running one.
    virtual void update();
    /// Stands still at (x, y), idle, with the script dropped; `onStepDone` is not called.
    virtual void setPosition(double x, double y);
    /// Queues a move to (x, y) with the start and end tangents (AUTO pairs allowed).
    virtual void addMove(double x, double y, double t0x, double t0y, double t1x, double t1y, int32_t flags);
    /// Queues a wait; 0 or less passes at once.
    void addWait(double seconds);
    /// Called each time the last queued step has ended; the owner may queue more from it.
    virtual void onStepDone() {}

    /// The cubic Bezier of the current segment at `t`: start, start + start tangent,
    /// end - end tangent, end.
    void evaluate(double t, double& outX, double& outY) const;
    bool isIdle() const { return t >= STEP_END && steps.empty(); }
    std::size_t queuedSteps() const { return steps.size(); }

    double x = 0.0, y = 0.0;
    double vx = 0.0, vy = 0.0; ///< the displacement of the last frame of a move
    double x0 = 0.0, y0 = 0.0; ///< segment start
    double x1 = 0.0, y1 = 0.0; ///< segment end
    double t0x = 0.0, t0y = 0.0;
    double t1x = 0.0, t1y = 0.0;
    double speed = 10.0; ///< units per frame
    double t = 1.0;      ///< progress of the current step; >= STEP_END when none runs
    double dt = 0.0;     ///< increase of t per frame
    /// On: a move's dt comes from the segment's length estimate, so the point keeps `speed`
    /// whatever the segment's length (the enemies' "constant speed" switch). Off: every move
    /// takes the same number of frames, dt = speed / 640.
    bool bLengthMode = true;
    int32_t kind = WAIT;
    int32_t flags = 0;
    bool bFinished = false; ///< the last queued step has ended
    /// On: a move's dt is multiplied by FRAME_RATE_SCALE, as many per-frame speeds of the
    /// game are; the move takes 1.2 times the frames.
    bool bFrameRateScaling = true;

  private:
    void startNextStep();
    void startMove(const MoverStep& step);
    void startWait(const MoverStep& step);
    void advanceMove();
    void finishStep();
    /// The formation's sway of the running game; 0 outside a game.
    static double formationSway();

    std::deque<MoverStep> steps;
};
