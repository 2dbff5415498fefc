#pragma once
#include <cstdint>

/// The to-and-fro walk through a window of animation frames that flapping creatures share.
/// Safe for a window of one frame, which then simply stays.
struct Flapping {
    /// The whole chain of `frameCount` frames, from a random frame with a random direction
    /// (two draws, whatever the count).
    static Flapping random(int32_t frameCount);

    /// One step: turns at either end, then moves one frame within the window; the new frame.
    int32_t step();

    int32_t firstFrame = 0;
    int32_t lastFrame = 0;
    int32_t frame = 0;
    int32_t frameStep = 1; ///< +1 or -1
};
