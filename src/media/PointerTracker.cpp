#include "media/PointerTracker.h"

void PointerTracker::follow(Context* rootContext) {
    Context* top = rootContext ? rootContext->getTopContext() : nullptr;
    if (!top) return;
    top->updatePointerPosition();
    position = top->pointer;
}

void PointerTracker::update(Context* rootContext) {
    if (!rootContext) {
        hover = nullptr;
        return;
    }
    Context* top = rootContext->getTopContext();
    if (!top) {
        hover = nullptr;
        return;
    }
    position = top->pointer;
    hover = top->findObjectUnderPointer(position);
}
