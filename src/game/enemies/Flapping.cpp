#include "game/enemies/Flapping.h"
#include <algorithm>
#include "core/GameRandom.h"

Flapping Flapping::random(int32_t frameCount) {
    Flapping flapping;
    flapping.lastFrame = std::max(frameCount - 1, 0);
    // A start anywhere but on the last frame; a chain of one frame has only its first.
    const int start = gameRandom.next();
    flapping.frame = flapping.lastFrame > 0 ? start % flapping.lastFrame : 0;
    flapping.frameStep = gameRandom.next() & 1 ? 1 : -1;
    return flapping;
}

int32_t Flapping::step() {
    if (frame <= firstFrame) frameStep = 1;
    if (frame >= lastFrame) frameStep = -1;
    frame = std::clamp(frame + frameStep, firstFrame, lastFrame);
    return frame;
}
