#pragma once
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct SDL_Window;
union SDL_Event;

namespace platform {

/// The program's one window and the event queue behind it, on SDL. Main thread only.
class PlatformWindow {
public:
    /// Opens the display and a window with a caption and a close box, centred on its display,
    /// and asks for the input focus. Null, with `error` set, when either cannot be opened, and
    /// when the only display is one without a screen (offscreen, dummy) that nobody chose
    /// through SDL_VIDEODRIVER: a program nobody can see is no use to a player.
    static std::unique_ptr<PlatformWindow> open(const std::string& caption, int width, int height,
                                                std::string& error);
    ~PlatformWindow();
    PlatformWindow(const PlatformWindow&) = delete;
    PlatformWindow& operator=(const PlatformWindow&) = delete;

    /// Hears every event the pump takes, after the window has seen it (input devices).
    void setEventListener(std::function<void(const SDL_Event&)> listener) { eventListener = std::move(listener); }
    /// Handles one waiting event; false when none was waiting.
    bool pumpEvent();
    /// Raised by the title bar's close box, by the window being destroyed from outside, by
    /// `requestClose`, and whenever the program is asked to end (`isEndRequested`).
    bool isCloseRequested() const;
    void requestClose() { bCloseRequested = true; }
    /// Whether the window holds the input focus. A display that has no focus at all (the
    /// offscreen and dummy drivers) counts as always focused, so a headless run never waits.
    bool hasInputFocus() const;
    bool isHeadless() const { return bHeadless; }
    /// Sizes the window's drawing area to `width` by `height` pixels, in a window centred on its
    /// display or on the whole display (the display mode nearest to that size). False, with
    /// `error` set, when the system refused.
    bool setDisplayMode(int width, int height, bool fullScreen, std::string& error);
    /// Pixel sizes of the display modes of the window's display, as the system lists them.
    std::vector<std::pair<int, int>> listDisplayModes() const;
    /// The drawable size of the window in pixels.
    void getSize(int& width, int& height) const;
    /// For the platform layer's own devices (drawing) that work on this window.
    SDL_Window* getSdlWindow() const { return pWindow; }

private:
    PlatformWindow(SDL_Window* window, bool headless);
    bool handleSystemEvent(const void* message);
    /// False once another client has destroyed the window.
    bool exists() const;

    SDL_Window* pWindow;
    std::function<void(const SDL_Event&)> eventListener;
    bool bHeadless;
    bool bCloseRequested = false;
    bool bDestroyedOutside = false;
};

}  // namespace platform
