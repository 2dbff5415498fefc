#pragma once
#include "platform/InputSnapshot.h"

namespace platform {

/// Input for tests and headless runs: the test edits `next` before each frame. What happens
/// once (typed text, wheel notches, a mouse move, a lifted finger) is cleared after a poll.
class ScriptedInput : public InputSource {
public:
    void poll(InputSnapshot& out) override;
    void warpMouse(float x, float y) override;

    InputSnapshot next;
};

}  // namespace platform
