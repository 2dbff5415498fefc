#pragma once
#include <cstdint>

/// The state machine every engine object carries: the current state, the time spent in it
/// and one pending state that is entered after a delay. Main thread only.
class StateBase {
  public:
    StateBase() = default;
    virtual ~StateBase() = default;
    StateBase(const StateBase&) = delete;
    StateBase& operator=(const StateBase&) = delete;

    /// Asks for `newState` after `delay` seconds; a delay of 0 or less switches (and calls
    /// `onStateChange`) before returning. Asking again for the state already pending does
    /// nothing, so the running delay is kept.
    void setState(int32_t newState, double delay = 0.0);
    /// Advances the time in the state by `dt` seconds and enters the pending state when its
    /// delay has run out.
    void tick(double t, double dt);

    int32_t getState() const { return state; }
    int32_t getStateGoto() const { return stateGoto; }
    double getTimeInState() const { return timeInState; }
    double getStateLeft() const { return stateLeft; }

  protected:
    /// Called after every switch, with the new state already in place. May call `setState`.
    virtual void onStateChange() {}

  private:
    void enterPendingState();

    int32_t state = 0;
    double timeInState = 0.0;
    double stateLeft = 0.0; // seconds until `stateGoto` is entered; <= 0 when nothing waits
    int32_t stateGoto = 0;
};
