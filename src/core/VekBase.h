#pragma once
#include <cstdint>
#include "core/BasicLink.h"
#include "core/ClassDescriptor.h"
#include "core/VekMode.h"

class LiveObjectList;
class VekBasePointer;

/// Base of every engine and game object: a node of the object tree with a state machine, a
/// dead mark and a network identity. A plain VekBase serves as a container of children.
/// Every object joins the live-object list active when it is built. Main thread only.
class VekBase : public BasicLink {
  public:
    VekBase();
    /// Leaves its list and the live-object list, nulls the weak pointers to it and deletes
    /// its children.
    ~VekBase() override;

    /// The own state machine's tick, then every live child's tick in list order; children
    /// marked dead are deleted on the way.
    virtual void tick(double t, double dt);
    /// Every live child's render, in list order.
    virtual void render();
    /// The engine root changed its mode by one step; every live object hears each step.
    virtual void onModeChange(VekMode from, VekMode to) {
        static_cast<void>(from);
        static_cast<void>(to);
    }
    /// The input switched between keyboard (0), mouse (1) and touch (2); every live object
    /// hears it.
    virtual void onInputModeChange(int mode) { static_cast<void>(mode); }
    /// The registered class; a class that does not register itself reports its parent's.
    virtual const ClassDescriptor& getClass() const { return DESCRIPTOR; }

    /// Asks the owning list to delete this object at its next pass; objects never delete
    /// themselves.
    void markDead() { bDead = true; }
    bool isDead() const { return bDead; }

    /// The network identity: -1 until the network role registers the object.
    int32_t getUid() const { return uid; }
    void setUid(int32_t newUid) { uid = newUid; }

    static const ClassDescriptor DESCRIPTOR;

  private:
    friend class LiveObjectList;
    friend class VekBasePointer;

    bool bDead = false;
    int32_t uid = -1;
    VekBasePointer* pPointers = nullptr; // the weak pointers aimed at this object
    LiveObjectList* pLiveList = nullptr;
    VekBase* pLivePrev = nullptr;
    VekBase* pLiveNext = nullptr;
};
