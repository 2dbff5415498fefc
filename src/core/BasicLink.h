#pragma once
#include "core/ChildList.h"
#include "core/StateBase.h"

class VekBase;

/// The tree part of every engine object: its links in its owner's child list and its own
/// child list. Objects are owned by the list they sit in; deleting one deletes its
/// children. Only `VekBase` derives from it. Main thread only.
class BasicLink : public StateBase {
  public:
    /// Appends `child` (heap-allocated) at the tail of the child list and takes it over.
    void addChild(VekBase* child);
    /// Inserts `child` (heap-allocated) at the head of the child list and takes it over.
    void addChildFirst(VekBase* child);
    /// Unlinks `child` without deleting it; it goes back to the caller. Nothing happens when
    /// it is not a child of this object.
    void removeChild(VekBase* child);
    /// Deletes this heap-allocated object and its children.
    void destroy();

    VekBase* getOwner() const { return pOwner; }
    VekBase* getPrev() const { return pPrev; }
    VekBase* getNext() const { return pNext; }
    ChildList& getChildren() { return children; }
    const ChildList& getChildren() const { return children; }

  private:
    friend class ChildList;
    friend class VekBase;

    BasicLink() = default;
    ~BasicLink() override = default;

    VekBase& self();

    VekBase* pOwner = nullptr;
    ChildList* pList = nullptr; // the list this object sits in: its owner's children, or another of its lists
    VekBase* pPrev = nullptr;
    VekBase* pNext = nullptr;
    ChildList children;
};
