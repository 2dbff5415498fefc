#pragma once

class BasicLink;
class ChildList;
class VekBase;

/// Walks a child list in order and skips members whose dead mark is set; with `bDestroy`
/// it deletes them on the way, including a current child that was marked dead while the
/// caller held it. Safe whatever the caller adds, removes or deletes between two `next`
/// calls, even the list itself. Main thread only.
class ChildIterator {
  public:
    explicit ChildIterator(ChildList& list, bool bDestroy = false);
    explicit ChildIterator(BasicLink& owner, bool bDestroy = false);
    ~ChildIterator();
    ChildIterator(const ChildIterator&) = delete;
    ChildIterator& operator=(const ChildIterator&) = delete;

    /// The next live child, or null at the end.
    VekBase* next();

  private:
    friend class ChildList;

    VekBase* firstCandidate();
    void destroyCurrent();
    void onUnlink(VekBase& child); // called by the list before `child` leaves it

    ChildList* pList;
    ChildIterator* pNextIterator = nullptr;
    VekBase* pCurrent = nullptr; // the child last returned, null once it left the list
    VekBase* pResume = nullptr;  // where to go on after the current child left the list
    bool bDestroy;
    bool bStarted = false;
};
