#include "menus/MenuInput.h"
#include "media/VekMedia.h"

namespace {

VekInput* pReplacedInput = nullptr;
PointerTracker* pReplacedTracker = nullptr;

} // namespace

VekInput* MenuInput::getInput() {
    if (pReplacedInput) return pReplacedInput;
    VekMedia* media = VekMedia::get();
    return media ? &media->getInput() : nullptr;
}

PointerTracker* MenuInput::getPointerTracker() {
    if (pReplacedTracker) return pReplacedTracker;
    VekMedia* media = VekMedia::get();
    return media ? &media->getPointerTracker() : nullptr;
}

void MenuInput::replace(VekInput* input, PointerTracker* tracker) {
    pReplacedInput = input;
    pReplacedTracker = tracker;
}
