#include "media/PointerTracker.h"

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
