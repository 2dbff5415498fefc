#pragma once
#include "core/KeyCodes.h"

class Context;

/// The engine media (pointer tracker, input, graphics, audio) as the engine root's frame loop
/// drives them. The media layer implements it and the program's entry hands the engine a
/// factory for it; core cannot include that layer. Main thread only.
class MediaServices {
public:
    /// The pointer, or a finger on the screen, in screen units: x from the screen's left edge
    /// (0..width), y up from its bottom edge (0..height), and the screen's size in those units.
    struct ScreenPointer {
        float x = 0.f;
        float y = 0.f;
        float width = 640.f;
        float height = 480.f;
    };

    virtual ~MediaServices() = default;
    /// Start of every running frame: reads the input devices and updates the sound output.
    virtual void beginFrame() = 0;
    /// Before the root context's tick: puts this frame's pointer into the top screen and the
    /// pointer tracker, which the screen's items read as they tick, so that a press acts where
    /// it happened, also when the pointer moved in the same instant.
    virtual void followPointer(Context* rootContext) = 0;
    /// After the root context's tick: finds what lies under the pointer.
    virtual void trackPointer(Context* rootContext) = 0;
    virtual ScreenPointer getScreenPointer() const = 0;
    /// The input's display name of every control code, which the language store fills.
    virtual KeyNameTable& getKeyNames() = 0;

    // The graphics part. A media without graphics (tests) keeps these defaults and draws nothing.

    /// Asked before every frame: true when the graphics device must be restarted (the system
    /// reset it, or new display settings wait); the engine then enters its frozen mode.
    virtual bool needsDeviceRestart() { return false; }
    /// Restarts the graphics device; the engine calls it in its frozen mode.
    virtual void restartDevice() {}
    /// The render half of a running frame, in this order: begin and clear the frame; after the
    /// root context has drawn, save a screenshot when the user asked for one (drawing the root
    /// context again); end the frame and show it.
    virtual void beginScene() {}
    virtual void takeRequestedScreenshot(Context* rootContext) { static_cast<void>(rootContext); }
    /// Over the drawn frame: the console and the debug overlay.
    virtual void drawHud() {}
    virtual void endScene() {}
};
