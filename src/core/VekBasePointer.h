#pragma once

class VekBase;

/// A weak pointer to an object of the tree: it reads null once its target is deleted.
/// Costs two links per pointer and no allocation. Main thread only.
class VekBasePointer {
  public:
    VekBasePointer() = default;
    explicit VekBasePointer(VekBase* target) { attach(target); }
    VekBasePointer(const VekBasePointer& other) { attach(other.pTarget); }
    VekBasePointer& operator=(const VekBasePointer& other);
    VekBasePointer& operator=(VekBase* target);
    ~VekBasePointer() { detach(); }

    VekBase* get() const { return pTarget; }
    VekBase* operator->() const { return pTarget; }
    explicit operator bool() const { return pTarget != nullptr; }

    /// Nulls every pointer aimed at `target`; called as it dies.
    static void releaseAll(VekBase& target);

  private:
    void attach(VekBase* target);
    void detach();

    VekBase* pTarget = nullptr;
    VekBasePointer* pPrev = nullptr; // the other pointers aimed at the same target
    VekBasePointer* pNext = nullptr;
};
