#pragma once
#include <cstdint>
#include "core/VekBasePointer.h"

/// One contact on the screen: a finger, or the mouse's first button, which counts as one.
/// Positions are window pixels. `usage` is free for the game to mark what a contact does
/// (1 first button, 2 missile, 3 steering, 4 fire); 0 until marked.
struct TouchPoint {
    static constexpr int64_t MOUSEID = -1;
    static constexpr int64_t SIMULATEDID = -2;

    int64_t id = 0;
    float x = 0.f, y = 0.f;
    float moveX = 0.f, moveY = 0.f;  // since the previous frame
    bool bDown = false;
    bool bPressed = false;   // went down this frame
    bool bReleased = false;  // lifted this frame
    int usage = 0;
    /// The object that took this contact when it went down (a pressed button); it alone
    /// answers the release.
    VekBasePointer handler;
};
