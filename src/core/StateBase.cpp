#include "core/StateBase.h"

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
    if (stateLeft <= 0.0) enterPendingState();
}

void StateBase::enterPendingState() {
    timeInState = 0.0;
    state = stateGoto;
    onStateChange();
}
