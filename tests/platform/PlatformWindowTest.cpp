#include "platform/PlatformWindow.h"
#include <SDL.h>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<platform::PlatformWindow> openTestWindow() {
    std::string error;
    auto window = platform::PlatformWindow::open("test", 100, 100, error);
    EXPECT_TRUE(window) << error;
    return window;
}

void drain(platform::PlatformWindow& window) {
    while (window.pumpEvent()) {
    }
}

}  // namespace

TEST(PlatformWindow, AHeadlessWindowIsFocusedAndOpenUntilCloseBoxQuitOrOwnRequestAskToClose) {
    auto quit = [](SDL_Window*) {
        SDL_Event event{};
        event.type = SDL_QUIT;
        SDL_PushEvent(&event);
    };
    auto closeBox = [](SDL_Window* sdlWindow) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = SDL_WINDOWEVENT_CLOSE;
        event.window.windowID = SDL_GetWindowID(sdlWindow);
        SDL_PushEvent(&event);
    };
    for (const auto& raise : {+quit, +closeBox}) {
        auto window = openTestWindow();
        ASSERT_TRUE(window);
        drain(*window);
        raise(window->getSdlWindow());
        drain(*window);
        EXPECT_TRUE(window->isCloseRequested());
    }
    auto window = openTestWindow();
    ASSERT_TRUE(window);
    drain(*window);
    EXPECT_TRUE(window->isHeadless());
    EXPECT_TRUE(window->hasInputFocus());
    EXPECT_FALSE(window->isCloseRequested());
    int heard = 0;
    window->setEventListener([&heard](const SDL_Event& event) { heard += event.type == SDL_QUIT; });
    quit(window->getSdlWindow());
    drain(*window);
    EXPECT_EQ(heard, 1);
    window->requestClose();
    EXPECT_TRUE(window->isCloseRequested());
}
