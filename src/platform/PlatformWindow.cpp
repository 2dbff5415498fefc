#include "platform/PlatformWindow.h"
#include <SDL.h>
#include <SDL_syswm.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include "platform/ProcessSetup.h"

namespace platform {

namespace {

bool isHeadlessDriver(const char* driver) {
    return !driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

#if defined(SDL_VIDEO_DRIVER_X11)
// Another client may destroy our window (a test tool, a crashed window manager). X then
// reports later requests on it and on what was made for it as errors, which Xlib's default
// handler turns into an exit; SDL's own handler calls back into Xlib, which deadlocks inside
// a handler. The destruction itself arrives as an event and closes the program, so errors are
// only noted here, without a call into Xlib: BadWindow and BadDrawable not even that.
int onXError(Display*, XErrorEvent* error) {
    if (error->error_code != BadWindow && error->error_code != BadDrawable)
        std::fprintf(stderr, "Ignored X error %d of request %d.%d.\n", error->error_code, error->request_code,
                     error->minor_code);
    return 0;
}

// The connection to the display is gone (the server ended, or killed our connection): Xlib ends
// the program once this returns, and what runs on the way out may tell nobody in a box.
int onDisplayLost(Display*) {
    requestEnd();
    std::fputs("Lost the connection to the display.\n", stderr);
    return 0;
}

// The X display and window behind an SDL window; false when it is not an X11 one.
bool getX11Window(SDL_Window* window, Display*& display, Window& xWindow) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    display = info.info.x11.display;
    xWindow = info.info.x11.window;
    return true;
}
#endif

#if defined(SDL_VIDEO_DRIVER_X11)
// Why the X server named by DISPLAY refused us ("Invalid MIT-MAGIC-COOKIE-1 key"); empty when it
// gave no reason (no server answers) or took the connection. Xlib returns no reason: its
// connection library writes the server's to stderr, which a memory file stands in for while
// this one attempt runs (no other thread runs before the window opens).
std::string askX11Refusal() {
    const int held = memfd_create("x11-refusal", MFD_CLOEXEC);
    if (held < 0) return "";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    if (saved < 0 || dup2(held, STDERR_FILENO) < 0) {
        if (saved >= 0) close(saved);
        close(held);
        return "";
    }
    Display* display = XOpenDisplay(nullptr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    if (display) XCloseDisplay(display);
    std::string reason(1024, '\0');
    const ssize_t length = pread(held, reason.data(), reason.size(), 0);
    close(held);
    reason.resize(length > 0 ? static_cast<size_t>(length) : 0);
    while (!reason.empty() && std::isspace(static_cast<unsigned char>(reason.back())))
        reason.pop_back();
    return reason;
}
#endif

// Why no display opened, naming each one the environment names: a player whose display refused
// the program needs its reason, not the advice to name one.
std::string describeMissingDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool bX11 = x11 && *x11;
    const bool bWayland = wayland && *wayland;
    if (!bX11 && !bWayland)
        return "no display found: set DISPLAY (X11) or WAYLAND_DISPLAY, or SDL_VIDEODRIVER=offscreen to run "
               "without a window";
    // SDL's error after its fall-back is a later driver's, not the display's.
    std::string reason;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (bX11) reason = askX11Refusal();
#endif
    std::string text;
    if (bX11) text = std::string("the X display \"") + x11 + "\"";
    if (bWayland) text += std::string(bX11 ? " and " : "") + "the Wayland display \"" + wayland + "\"";
    text += " could not be opened";
    return reason.empty() ? text : text + ": " + reason;
}

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value && std::strcmp(value, "0") != 0 && std::strcmp(value, "false") != 0;
}

#if defined(SDL_VIDEO_DRIVER_X11)
// An X server without direct rendering (a virtual display, a remote one) leaves OpenGL to a
// software rasteriser.
bool hasDirectRendering() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return true;
    int opcode = 0;
    int event = 0;
    int error = 0;
    const bool bDirect = XQueryExtension(display, "DRI3", &opcode, &event, &error) ||
                         XQueryExtension(display, "DRI2", &opcode, &event, &error);
    XCloseDisplay(display);
    return bDirect;
}
#endif

// Where OpenGL can only be a software rasteriser, SDL's software renderer draws the same
// pictures for a fraction of the CPU time, and without the rasteriser and its compiler in
// memory. SDL_RENDER_DRIVER, when set, chooses instead.
bool prefersSoftwareDrawing(bool headless) {
    if (const char* chosen = std::getenv("SDL_RENDER_DRIVER"); chosen && *chosen)
        return std::strcmp(chosen, "software") == 0;
    if (headless) return false;
    if (isSet("LIBGL_ALWAYS_SOFTWARE")) return true;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) return !hasDirectRendering();
#endif
    return false;
}

// The display and the OpenGL driver stay loaded until the process ends, whatever windows come
// and go: an engine restart then does not reload the driver, and drivers do not free all of
// their memory when unloaded.
void keepDriverLoaded() {
    static const bool bLoaded = [] {
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        return SDL_GL_LoadLibrary(nullptr) == 0;
    }();
    static_cast<void>(bLoaded);
}

}  // namespace

std::unique_ptr<PlatformWindow> PlatformWindow::open(const std::string& caption, int width, int height,
                                                     std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    const bool headless = isHeadlessDriver(SDL_GetCurrentVideoDriver());
    // SDL falls back to its offscreen driver when no display answers.
    const char* chosen = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (headless && (!chosen || !*chosen)) {
        error = describeMissingDisplay();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    // A headless window never holds the keyboard focus, without which SDL drops every pad press.
    if (headless) SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    const bool bSoftware = prefersSoftwareDrawing(headless);
    if (bSoftware) {
        // The window's pixels stay in memory for SDL's renderer to draw in, not in an OpenGL texture.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    } else {
        keepDriverLoaded();
    }
#if defined(SDL_VIDEO_DRIVER_X11)
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) {
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
        XSetErrorHandler(onXError);
        XSetIOErrorHandler(onDisplayLost);
    }
#endif
    // Made for OpenGL from the start when drawn through it: SDL would otherwise replace the window
    // by a new one when the renderer opens, and anything holding the first window's id would lose it.
    SDL_Window* window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width, height, SDL_WINDOW_SHOWN | (bSoftware ? 0 : SDL_WINDOW_OPENGL));
    if (!window) {
        error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
    return std::unique_ptr<PlatformWindow>(new PlatformWindow(window, headless));
}

PlatformWindow::PlatformWindow(SDL_Window* window, bool headless) : pWindow(window), bHeadless(headless) {}

PlatformWindow::~PlatformWindow() {
    // SDL would wait forever for a destroyed window to be unmapped, and shutting the video down
    // destroys the windows it still lists. The process ends next, and its connection to the
    // display with it.
    if (!exists()) return;
#if defined(SDL_VIDEO_DRIVER_X11)
    Display* display = nullptr;
    Window xWindow = 0;
    const bool bX11 = getX11Window(pWindow, display, xWindow);
    SDL_DestroyWindow(pWindow);
    // Collect the replies while our error handler is in place: shutting the video down
    // restores the default handler, which would end the process over a late error.
    if (bX11) XSync(display, False);
#else
    SDL_DestroyWindow(pWindow);
#endif
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool PlatformWindow::exists() const {
    if (bDestroyedOutside) return false;
#if defined(SDL_VIDEO_DRIVER_X11)
    // Asked of the display itself: the destruction may not have been read from the queue yet.
    Display* display = nullptr;
    Window xWindow = 0;
    XWindowAttributes attributes;
    return !getX11Window(pWindow, display, xWindow) ||
           XGetWindowAttributes(display, xWindow, &attributes) != 0;
#else
    return true;
#endif
}

bool PlatformWindow::pumpEvent() {
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return false;
    switch (event.type) {
    case SDL_QUIT:
        bCloseRequested = true;
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) bCloseRequested = true;
        break;
    case SDL_SYSWMEVENT:
        if (handleSystemEvent(event.syswm.msg)) bCloseRequested = true;
        break;
    default:
        break;
    }
    if (eventListener) eventListener(event);
    return true;
}

bool PlatformWindow::isCloseRequested() const { return bCloseRequested || isEndRequested(); }

bool PlatformWindow::handleSystemEvent([[maybe_unused]] const void* message) {
#if defined(SDL_VIDEO_DRIVER_X11)
    const auto* wm = static_cast<const SDL_SysWMmsg*>(message);
    if (!wm || wm->subsystem != SDL_SYSWM_X11 || wm->msg.x11.event.type != DestroyNotify) return false;
    Display* display = nullptr;
    Window xWindow = 0;
    if (!getX11Window(pWindow, display, xWindow) || wm->msg.x11.event.xdestroywindow.window != xWindow)
        return false;
    bDestroyedOutside = true;
    requestEnd();
    return true;
#else
    return false;
#endif
}

bool PlatformWindow::setDisplayMode(int width, int height, bool fullScreen, std::string& error) {
    if (!fullScreen) {
        if (SDL_SetWindowFullscreen(pWindow, 0) != 0) {
            error = SDL_GetError();
            return false;
        }
        SDL_SetWindowSize(pWindow, width, height);
        const int display = std::max(SDL_GetWindowDisplayIndex(pWindow), 0);
        SDL_SetWindowPosition(pWindow, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                              SDL_WINDOWPOS_CENTERED_DISPLAY(display));
        return true;
    }
    // The window takes the size of the display mode really used, so that it covers the display
    // even where the system offers no mode of exactly that size.
    const int display = SDL_GetWindowDisplayIndex(pWindow);
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode closest{};
    if (display < 0) {
        error = SDL_GetError();
        return false;
    }
    if (!SDL_GetClosestDisplayMode(display, &wanted, &closest)) {
        error = "the display has no mode of that size or larger"; // SDL sets no error for it
        return false;
    }
    if (SDL_SetWindowDisplayMode(pWindow, &closest) != 0) {
        error = SDL_GetError();
        return false;
    }
    // For displays without a window manager: the window covers the display itself.
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(display, &bounds) == 0) SDL_SetWindowPosition(pWindow, bounds.x, bounds.y);
    SDL_SetWindowSize(pWindow, closest.w, closest.h);
    if (SDL_SetWindowFullscreen(pWindow, SDL_WINDOW_FULLSCREEN) == 0) return true;
    error = SDL_GetError();
    return false;
}

std::vector<std::pair<int, int>> PlatformWindow::listDisplayModes() const {
    std::vector<std::pair<int, int>> modes;
    const int display = SDL_GetWindowDisplayIndex(pWindow);
    const int count = display >= 0 ? SDL_GetNumDisplayModes(display) : 0;
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode{};
        if (SDL_GetDisplayMode(display, i, &mode) == 0) modes.emplace_back(mode.w, mode.h);
    }
    return modes;
}

bool PlatformWindow::hasInputFocus() const {
    if (bHeadless) return true;
    return !bDestroyedOutside && (SDL_GetWindowFlags(pWindow) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void PlatformWindow::getSize(int& width, int& height) const { SDL_GetWindowSize(pWindow, &width, &height); }

}  // namespace platform
