#pragma once
#include <cstdint>
#include "core/Camera.h"
#include "core/VekBase.h"

/// A screen: the loader, every menu, the game and the console. The context stack ticks and
/// draws the top one through `tickContext` and `renderContext`; a screen overrides
/// `tickContents` and `renderContents`. Main thread only.
class Context : public VekBase {
    VEK_REGISTERED_CLASS()

    /// A position in the context's own coordinates.
    struct Point {
        float x = 0.f;
        float y = 0.f;
        float z = 0.f;
    };

    Context() = default;

    /// Advances the context's clock, closes it once its lifetime is over, then ticks the
    /// pre-object, the contents and the post-object.
    virtual void tickContext(double t, double dt);
    /// Puts the pointer of the engine's media into this context's coordinates (`pointer`).
    void updatePointerPosition();
    /// Clears the frame with the clear colour (when not 0), then draws the pre-object, the
    /// contents through the context's camera, and the post-object.
    virtual void renderContext();
    /// The context became the top of the stack; `first` only the first time.
    virtual void onActivate(bool first);
    /// The context stopped being the top; `removed` when it left the stack.
    virtual void onDeactivate(bool removed);
    /// The own state machine and the children (VekBase::tick).
    virtual void tickContents(double t, double dt);
    /// The children (VekBase::render).
    virtual void renderContents();
    /// The object of this context under the point, or null; contexts with pointer targets
    /// override it.
    virtual VekBase* findObjectUnderPointer(const Point& point);
    /// The context that the user sees and points at: this one, or the top of a stack.
    virtual Context* getTopContext() { return this; }

    Camera camera;
    bool closed = false;            ///< the context stack removes the context when it is on top
    bool deleteWhenClosed = false;  ///< ... and then deletes it
    bool closeOnEscape = true;
    bool closeOnFire = false;       ///< either player's fire control or a touch closes it
    bool confirmClose = false;      ///< Escape asks for confirmation first
    bool showPointer = true;
    bool hideFps = false;
    VekBase* pointerOverride = nullptr;  ///< drawn instead of the shared pointer; not owned
    bool firstActivation = true;
    uint32_t clearColor = 0;        ///< ARGB; 0 leaves the frame as it is
    Point pointer;                  ///< the pointer in this context's coordinates, each frame
    Context* pPreObject = nullptr;  ///< drawn and ticked before the contents (a shared background); not owned
    Context* pPostObject = nullptr; ///< drawn and ticked after them; not owned
    double lifetime = 0.0;          ///< seconds after which the context closes itself; 0 = never
    double contextTime = 0.0;       ///< seconds the context has been ticked
};
