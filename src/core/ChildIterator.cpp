#include "core/ChildIterator.h"
#include "core/ChildList.h"
#include "core/VekBase.h"

ChildIterator::ChildIterator(ChildList& list, bool bDestroyDead) : pList(&list), bDestroy(bDestroyDead) {
    pNextIterator = list.pIterators;
    list.pIterators = this;
}

ChildIterator::ChildIterator(BasicLink& owner, bool bDestroyDead)
    : ChildIterator(owner.getChildren(), bDestroyDead) {}

ChildIterator::~ChildIterator() {
    if (!pList) return;
    for (ChildIterator** link = &pList->pIterators; *link; link = &(*link)->pNextIterator) {
        if (*link == this) {
            *link = pNextIterator;
            return;
        }
    }
}

VekBase* ChildIterator::next() {
    if (pCurrent && bDestroy && pCurrent->isDead()) destroyCurrent();
    VekBase* candidate = firstCandidate();
    while (candidate && candidate->isDead()) {
        pCurrent = candidate;
        if (bDestroy) destroyCurrent();
        candidate = firstCandidate();
    }
    pCurrent = candidate;
    return candidate;
}

VekBase* ChildIterator::firstCandidate() {
    if (!pList) return nullptr;
    if (pCurrent) return pCurrent->getNext();
    VekBase* candidate = bStarted ? pResume : pList->getHead();
    bStarted = true;
    pResume = nullptr;
    return candidate;
}

void ChildIterator::destroyCurrent() {
    pCurrent->destroy(); // the unlink moves this iterator on to the following child
}

void ChildIterator::onUnlink(VekBase& child) {
    if (&child == pCurrent) {
        pCurrent = nullptr;
        pResume = child.getNext();
    } else if (!pCurrent && &child == pResume) {
        pResume = child.getNext();
    }
}
