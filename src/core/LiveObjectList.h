#pragma once
#include <cstddef>
#include <functional>

class VekBase;

/// Every live engine object, in the order of construction. The engine root owns one and
/// walks it for mode changes, input-mode changes and device resets, and reports what is left
/// at shut-down. An object joins the list that is active when it is built (none: it is not
/// tracked) and leaves it when it is deleted. Main thread only.
class LiveObjectList {
  public:
    /// Becomes the active list.
    LiveObjectList();
    /// Lets go of the objects still on it; they live on untracked.
    ~LiveObjectList();
    LiveObjectList(const LiveObjectList&) = delete;
    LiveObjectList& operator=(const LiveObjectList&) = delete;

    /// The list new objects join, or null while there is none.
    static LiveObjectList* active();

    std::size_t size() const { return count; }
    bool contains(const VekBase& object) const;
    /// Calls `visit` for every object, oldest first. `visit` may create and delete objects:
    /// a deleted object is not visited any more, one created during the walk is.
    void forEach(const std::function<void(VekBase&)>& visit);
    /// Logs the number of objects still alive and one line for each; returns the number.
    std::size_t report() const;

  private:
    friend class VekBase;

    struct Walk {
        VekBase* pNext;
        Walk* pOuter;
    };

    void add(VekBase& object);
    void remove(VekBase& object);

    VekBase* pHead = nullptr;
    VekBase* pTail = nullptr;
    std::size_t count = 0;
    Walk* pWalks = nullptr; // walks in progress, innermost first
};
