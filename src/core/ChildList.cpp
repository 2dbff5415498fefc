#include "core/ChildList.h"
#include "core/ChildIterator.h"
#include "core/ErrorManager.h"
#include "core/VekBase.h"

ChildList::~ChildList() {
    deleteAll();
    for (ChildIterator* it = pIterators; it; it = it->pNextIterator)
        it->pList = nullptr;
}

void ChildList::prepareLink(VekBase& owner, VekBase& child) {
    for (const VekBase* p = &owner; p; p = p->pOwner)
        VEK_ASSERT(p != &child); // no cycles
    if (child.pList) child.pList->unlink(child);
    child.pOwner = &owner;
    child.pList = this;
}

void ChildList::append(VekBase& owner, VekBase& child) {
    prepareLink(owner, child);
    child.pPrev = pTail;
    if (pTail)
        pTail->pNext = &child;
    else
        pHead = &child;
    pTail = &child;
}

void ChildList::prepend(VekBase& owner, VekBase& child) {
    prepareLink(owner, child);
    child.pNext = pHead;
    if (pHead)
        pHead->pPrev = &child;
    else
        pTail = &child;
    pHead = &child;
}

bool ChildList::remove(VekBase& child) {
    if (child.pList != this) return false;
    unlink(child);
    return true;
}

void ChildList::unlink(VekBase& child) {
    for (ChildIterator* it = pIterators; it; it = it->pNextIterator)
        it->onUnlink(child);
    if (child.pPrev)
        child.pPrev->pNext = child.pNext;
    else
        pHead = child.pNext;
    if (child.pNext)
        child.pNext->pPrev = child.pPrev;
    else
        pTail = child.pPrev;
    child.pPrev = child.pNext = nullptr;
    child.pOwner = nullptr;
    child.pList = nullptr;
}

void ChildList::deleteAll() {
    while (pHead)
        delete pHead; // each member unlinks itself on the way out
}

std::size_t ChildList::count() const {
    std::size_t n = 0;
    for (const VekBase* p = pHead; p; p = p->pNext)
        ++n;
    return n;
}
