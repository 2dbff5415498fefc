#include "core/LiveObjectList.h"
#include "core/Logger.h"
#include "core/VekBase.h"

namespace {

LiveObjectList* activeList = nullptr;

} // namespace

LiveObjectList::LiveObjectList() {
    activeList = this;
}

LiveObjectList::~LiveObjectList() {
    while (pHead)
        remove(*pHead);
    if (activeList == this) activeList = nullptr;
}

LiveObjectList* LiveObjectList::active() {
    return activeList;
}

void LiveObjectList::add(VekBase& object) {
    object.pLiveList = this;
    object.pLivePrev = pTail;
    object.pLiveNext = nullptr;
    if (pTail)
        pTail->pLiveNext = &object;
    else
        pHead = &object;
    pTail = &object;
    ++count;
}

void LiveObjectList::remove(VekBase& object) {
    for (Walk* walk = pWalks; walk; walk = walk->pOuter)
        if (walk->pNext == &object) walk->pNext = object.pLiveNext;
    if (object.pLivePrev)
        object.pLivePrev->pLiveNext = object.pLiveNext;
    else
        pHead = object.pLiveNext;
    if (object.pLiveNext)
        object.pLiveNext->pLivePrev = object.pLivePrev;
    else
        pTail = object.pLivePrev;
    object.pLiveList = nullptr;
    object.pLivePrev = object.pLiveNext = nullptr;
    --count;
}

bool LiveObjectList::contains(const VekBase& object) const {
    return object.pLiveList == this;
}

void LiveObjectList::forEach(const std::function<void(VekBase&)>& visit) {
    Walk walk{pHead, pWalks};
    pWalks = &walk;
    while (VekBase* object = walk.pNext) {
        walk.pNext = object->pLiveNext;
        visit(*object);
    }
    pWalks = walk.pOuter;
}

std::size_t LiveObjectList::report() const {
    VEK_LOG(u"%u objects still alive.", count);
    for (const VekBase* object = pHead; object; object = object->pLiveNext)
        VEK_LOG(u"Still alive: %s (uid %d)", object->getClass().name, object->getUid());
    return count;
}
