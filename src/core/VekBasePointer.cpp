#include "core/VekBasePointer.h"
#include "core/VekBase.h"

VekBasePointer& VekBasePointer::operator=(const VekBasePointer& other) {
    if (this != &other) *this = other.pTarget;
    return *this;
}

VekBasePointer& VekBasePointer::operator=(VekBase* target) {
    if (target != pTarget) {
        detach();
        attach(target);
    }
    return *this;
}

void VekBasePointer::attach(VekBase* target) {
    pTarget = target;
    if (!target) return;
    pNext = target->pPointers;
    if (pNext) pNext->pPrev = this;
    target->pPointers = this;
}

void VekBasePointer::detach() {
    if (!pTarget) return;
    if (pPrev)
        pPrev->pNext = pNext;
    else
        pTarget->pPointers = pNext;
    if (pNext) pNext->pPrev = pPrev;
    pTarget = nullptr;
    pPrev = pNext = nullptr;
}

void VekBasePointer::releaseAll(VekBase& target) {
    while (target.pPointers)
        target.pPointers->detach();
}
