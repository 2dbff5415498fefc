#include "game/GameInput.h"
#include "media/VekMedia.h"

namespace {

VekInput* pReplacedInput = nullptr;
PointerTracker* pReplacedTracker = nullptr;

} // namespace

VekInput* GameInput::getInput() {
    if (pReplacedInput) return pReplacedInput;
    VekMedia* media = VekMedia::get();
    return media ? &media->getInput() : nullptr;
}

PointerTracker* GameInput::getPointerTracker() {
    if (pReplacedTracker) return pReplacedTracker;
    VekMedia* media = VekMedia::get();
    return media ? &media->getPointerTracker() : nullptr;
}

void GameInput::replace(VekInput* input, PointerTracker* tracker) {
    pReplacedInput = input;
    pReplacedTracker = tracker;
}
