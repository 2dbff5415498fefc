#pragma once
#include <cstddef>

class ChildIterator;
class VekBase;

/// Head and tail of a list of objects; the prev, next and owner links live in the members
/// themselves, so an object sits in at most one list. The list owns its members: destroying
/// it deletes them. Every object has one (its children); an object may keep more of them.
class ChildList {
  public:
    ChildList() = default;
    ~ChildList();
    ChildList(const ChildList&) = delete;
    ChildList& operator=(const ChildList&) = delete;

    /// Links `child` (heap-allocated) at the tail, or the head, under `owner` and takes it
    /// over; a child that sits in another list leaves that one first.
    void append(VekBase& owner, VekBase& child);
    void prepend(VekBase& owner, VekBase& child);
    /// Unlinks `child` without deleting it; false (and nothing done) when it is not a member.
    bool remove(VekBase& child);
    /// Deletes every member, head first.
    void deleteAll();

    VekBase* getHead() const { return pHead; }
    VekBase* getTail() const { return pTail; }
    bool isEmpty() const { return pHead == nullptr; }
    std::size_t count() const;

  private:
    friend class ChildIterator;

    void prepareLink(VekBase& owner, VekBase& child);
    void unlink(VekBase& child);

    VekBase* pHead = nullptr;
    VekBase* pTail = nullptr;
    ChildIterator* pIterators = nullptr; // walks in progress, told about every unlink
};
