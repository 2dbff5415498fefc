#pragma once

/// The engine root's modes, in order: a change moves one step at a time.
enum class VekMode {
    Frozen,   ///< the graphics device is lost: nothing is ticked or drawn
    Paused,   ///< the window lacks the input focus
    Running,
};
