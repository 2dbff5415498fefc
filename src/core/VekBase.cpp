#include "core/VekBase.h"
#include "core/ChildIterator.h"
#include "core/LiveObjectList.h"
#include "core/VekBasePointer.h"

VEK_DEFINE_CLASS_DESCRIPTOR(VekBase, nullptr, u"VekBase", &createObject<VekBase>)

VekBase::VekBase() {
    if (LiveObjectList* list = LiveObjectList::active()) list->add(*this);
}

VekBase::~VekBase() {
    VekBasePointer::releaseAll(*this);
    if (pLiveList) pLiveList->remove(*this);
    if (BasicLink::pList) BasicLink::pList->remove(*this);
    getChildren().deleteAll();
}

void VekBase::tick(double t, double dt) {
    StateBase::tick(t, dt);
    ChildIterator it(*this, true);
    while (VekBase* child = it.next())
        child->tick(t, dt);
}

void VekBase::render() {
    ChildIterator it(*this);
    while (VekBase* child = it.next())
        child->render();
}
