#include "core/StateBase.h"

namespace {

// Steps such as 1/30 s seldom add up to a delay exactly: what is left below this has run out,
// so a delay of 1.0 s at 30 ticks per second takes 30 ticks, not 31.
constexpr double ROUNDING_SLACK = 1e-9;

}  // namespace

void StateBase::setState(int32_t newState, double delay) {
    if (newState == stateGoto) return;
    stateGoto = newState;
    stateLeft = delay;
    if (delay <= 0.0) enterPendingState();
}

void StateBase::tick(double, double dt) {
    timeInState += dt;
    if (stateLeft <= 0.0) return;
    stateLeft -= dt;
    if (stateLeft <= ROUNDING_SLACK) enterPendingState();
}

void StateBase::enterPendingState() {
    // A remainder within the slack must not count down into a second entry.
    stateLeft = 0.0;
    timeInState = 0.0;
    state = stateGoto;
    onStateChange();
}
