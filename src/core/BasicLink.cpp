#include "core/BasicLink.h"
#include "core/ErrorManager.h"
#include "core/VekBase.h"

VekBase& BasicLink::self() {
    return static_cast<VekBase&>(*this); // VekBase is the only class built on this one
}

void BasicLink::addChild(VekBase* child) {
    VEK_ASSERT(child != nullptr);
    children.append(self(), *child);
}

void BasicLink::addChildFirst(VekBase* child) {
    VEK_ASSERT(child != nullptr);
    children.prepend(self(), *child);
}

void BasicLink::removeChild(VekBase* child) {
    if (child) children.remove(*child);
}

void BasicLink::destroy() {
    delete &self();
}
