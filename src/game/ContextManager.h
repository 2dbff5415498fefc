#pragma once
#include <cstdint>
#include "core/Context.h"

class MousePointer;
class TransitionOverlay;
class VekInput;

/// The stack of screens and the engine's root context: the last child is the top, and only
/// the top is ticked and drawn. A screen opens another with `addContext` and leaves by
/// setting `closed`; the stack removes closed tops, tells contexts when they become or stop
/// being the top, and asks to quit once it is empty. It also owns the shared mouse pointer
/// and the transition overlay, and closes the top on Escape or a fire control (read through
/// `GameInput`) when the top asks for it. Text typed while one screen was the top is dropped
/// when another becomes it. Each tick first has the game root report its finished
/// background saves (`Global::reportFinishedSaves`). Main thread only.
class ContextManager : public Context {
    VEK_REGISTERED_CLASS()

    ContextManager();
    ~ContextManager() override;

    /// Clears `c->closed` and appends it; it becomes the top (and is activated) on the next tick.
    void addContext(Context* c);

    void tickContents(double t, double dt) override;
    void renderContents() override;
    VekBase* findObjectUnderPointer(const Point& point) override;
    /// The top context, or null when the stack is empty.
    Context* getTopContext() override;

    bool quitRequested = false;
    Context* pointerLayer;
    MousePointer* mousePointer;
    Context* overlayLayer;
    TransitionOverlay* transitionOverlay;
    Context* previousTop = nullptr;
    Context* currentTop = nullptr;
    float fpsValue = 0.f;
    double nextFpsSample = 0.0;
    int32_t confirmAnswer = -1; ///< the Escape question's answer: 0 = "YES", -1 = none pending

  private:
    void removeClosedTops();
    void activateNewTop();
    void handleEscape();
    void handleFireClosing();
    static bool isFireDown(const VekInput& input);
    void forgetHover();
    void dropTyped();
    /// The frame rate in the top right corner, sampled every 0.125 s.
    void drawFrameRate();
};
