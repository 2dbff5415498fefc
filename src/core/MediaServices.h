#pragma once

class Context;

/// The engine media (pointer tracker, input, graphics, audio) as the engine root's frame loop
/// drives them. The media layer implements it and the program's entry hands the engine a
/// factory for it; core cannot include that layer. Main thread only.
class MediaServices {
public:
    /// The pointer in screen units: x from the screen's left edge (0..width), y up from its
    /// bottom edge (0..height), and the screen's size in those units.
    struct ScreenPointer {
        float x = 0.f;
        float y = 0.f;
        float width = 640.f;
        float height = 480.f;
    };

    virtual ~MediaServices() = default;
    /// Start of every running frame: reads the input devices and updates the sound output.
    virtual void beginFrame() = 0;
    /// After the root context's tick: finds what lies under the pointer.
    virtual void trackPointer(Context* rootContext) = 0;
    virtual ScreenPointer getScreenPointer() const = 0;
};
