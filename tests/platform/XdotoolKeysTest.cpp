#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>
#include "platform/PlatformWindow.h"
#include "platform/SdlInputSource.h"

// Real key presses and pointer moves from the X server, sent by xdotool into a real window.
// Runs only on an X display (tests/system/keys.sh starts one with xvfb-run); elsewhere it is
// skipped.

namespace {

bool onXDisplayWithXdotool() {
    const char* display = std::getenv("DISPLAY");
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    return display && *display && (!driver || std::string(driver) == "x11") &&
           std::system("command -v xdotool >/dev/null 2>&1") == 0;
}

std::string runAndRead(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        pclose(pipe);
    }
    return out;
}

/// Handles the window's events for a fifth of a second, so the X server's have arrived.
void settle(platform::PlatformWindow& window) {
    for (int i = 0; i < 20; ++i) {
        while (window.pumpEvent()) {}
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

TEST(XdotoolKeys, ArriveAsTheirScanCodesAndThePointerStaysWhereItStandsWhenTheWindowGrows) {
    if (!onXDisplayWithXdotool()) GTEST_SKIP() << "needs an X display and xdotool";
    std::string error;
    // Centred on the display, under the pointer that stands in its middle.
    auto window = platform::PlatformWindow::open("xdotool keys", 200, 150, error);
    ASSERT_TRUE(window) << error;
    platform::SdlInputSource input(window.get());
    platform::InputSnapshot frame;
    for (const auto& [width, height] : {std::pair{200, 150}, {320, 240}}) {
        // Centred again, as the program's window grows.
        ASSERT_TRUE(window->setDisplayMode(width, height, false, error)) << error;
        settle(*window);
        input.poll(frame);
        EXPECT_EQ(std::make_pair(frame.mouseX, frame.mouseY), std::make_pair(width / 2.f, height / 2.f));
    }
    const std::string id = runAndRead("xdotool search --name 'xdotool keys' | head -n 1");
    ASSERT_FALSE(id.empty());
    std::system(("xdotool windowfocus --sync " + id + " >/dev/null 2>&1").c_str());
    std::system("xdotool key a Escape Up Right F9 shift+x KP_Enter >/dev/null 2>&1");

    std::set<int> seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < deadline && seen.size() < 8) {
        while (window->pumpEvent()) {}
        input.poll(frame);
        for (int code = 1; code < 256; ++code)
            if (frame.keys[code]) seen.insert(code);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const std::set<int> want = {30, 1, 200, 205, 0x43, 42, 0x2D, 156};
    EXPECT_EQ(seen, want);
}
