#pragma once
#include "core/Context.h"
#include "core/VekBasePointer.h"

/// Follows the pointer through the screen the user sees: its position in that screen's world
/// and the object under it. Main thread only.
class PointerTracker {
public:
    /// Before the root context's tick: the top screen's pointer of this frame.
    void follow(Context* rootContext);
    /// After the root context's tick: reads the top screen's pointer and what it points at.
    void update(Context* rootContext);
    /// Forgets the hovered object (null), or marks one.
    void setHover(VekBase* object) { hover = object; }
    VekBase* getHover() const { return hover.get(); }

    /// In the world coordinates of the top screen.
    Context::Point position;

private:
    VekBasePointer hover;
};
