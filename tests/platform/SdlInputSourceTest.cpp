#include "platform/SdlInputSource.h"
#include <SDL.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>
#include "ScanCodeGaps.h"
#include "VirtualPads.h"
#include "platform/SdlKeyMap.h"

namespace {

// The scan codes that carry a key name.
std::set<int> namedScanCodes() {
    std::set<int> codes;
    for (int code = 1; code < 256; ++code) codes.insert(code);
    for (auto [first, last] : UNNAMED_SCAN_CODES)
        for (int code = first; code <= last; ++code) codes.erase(code);
    return codes;
}

SDL_Event keyEvent(Uint32 type, SDL_Scancode scancode) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.scancode = scancode;
    return event;
}

}  // namespace

TEST(SdlKeyMap, CoversEveryNamedKeyThatSdlCanReport) {
    const std::set<int> named = namedScanCodes();
    ASSERT_EQ(named.size(), 144u);
    std::set<int> mapped;
    for (int sdl = 0; sdl < SDL_NUM_SCANCODES; ++sdl)
        if (const int code = platform::scanCodeFromSdl(sdl)) mapped.insert(code);
    for (int code : mapped) EXPECT_TRUE(named.count(code)) << "unnamed code " << code;
    // AT, COLON, UNDERLINE, KANJI, AX, UNLABELED, ABNT_C2 and WAKE have no SDL scancode.
    const std::set<int> unreachable = {145, 146, 147, 148, 150, 151, 126, 227};
    for (int code : named) EXPECT_EQ(mapped.count(code) + unreachable.count(code), 1u) << "code " << code;
}

TEST(SdlKeyMap, KnownKeys) {
    const std::pair<SDL_Scancode, int> cases[] = {
        {SDL_SCANCODE_ESCAPE, 1}, {SDL_SCANCODE_RETURN, 28}, {SDL_SCANCODE_UP, 200}, {SDL_SCANCODE_DOWN, 208},
        {SDL_SCANCODE_LEFT, 203}, {SDL_SCANCODE_RIGHT, 205}, {SDL_SCANCODE_X, 0x2D}, {SDL_SCANCODE_F9, 0x43},
        {SDL_SCANCODE_RSHIFT, 0x36}, {SDL_SCANCODE_PAUSE, 0xC5}, {SDL_SCANCODE_Q, 16}, {SDL_SCANCODE_KP_ENTER, 156}};
    for (auto [sdl, code] : cases) EXPECT_EQ(platform::scanCodeFromSdl(sdl), code) << SDL_GetScancodeName(sdl);
    EXPECT_EQ(platform::scanCodeFromSdl(-1), 0);
    EXPECT_EQ(platform::scanCodeFromSdl(SDL_NUM_SCANCODES), 0);
}

TEST(SdlInputSource, ATapBetweenTwoPollsReadsDownForOneFrame) {
    platform::SdlInputSource source;
    platform::InputSnapshot frame;
    source.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE));
    source.handleEvent(keyEvent(SDL_KEYUP, SDL_SCANCODE_SPACE));
    source.poll(frame);
    EXPECT_TRUE(frame.keys[57]);
    source.poll(frame);
    EXPECT_FALSE(frame.keys[57]);

    source.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A));
    source.poll(frame);
    source.poll(frame);
    EXPECT_TRUE(frame.keys[30]);  // held keys stay down

    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    source.handleEvent(focus);
    source.poll(frame);
    EXPECT_FALSE(frame.keys[30]);  // a release we never see must not leave the key stuck
}

TEST(SdlInputSource, TextMouseAndWheelArriveOncePerPoll) {
    platform::SdlInputSource source;
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::snprintf(text.text.text, sizeof text.text.text, "%s", "a\xF0\x9F\x98\x80");
    source.handleEvent(text);
    for (const auto& [scancode, key] :
         {std::pair{SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE}, {SDL_SCANCODE_RETURN, SDLK_RETURN}}) {
        SDL_Event edit = keyEvent(SDL_KEYDOWN, scancode);
        edit.key.keysym.sym = key;  // editing keys type control characters, as text input leaves them out
        source.handleEvent(edit);
    }
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = 2;
    source.handleEvent(wheel);
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_RIGHT;
    click.button.x = 10;
    click.button.y = 20;
    source.handleEvent(click);

    platform::InputSnapshot frame;
    source.poll(frame);
    EXPECT_EQ(frame.typed, "a\xF0\x9F\x98\x80\b\r");
    EXPECT_EQ(frame.wheel, 2);
    EXPECT_TRUE(frame.mouseButtons[1]);
    EXPECT_EQ(frame.mouseX, 10.f);
    source.poll(frame);
    EXPECT_EQ(frame.typed, "");
    EXPECT_EQ(frame.wheel, 0);
    EXPECT_TRUE(frame.mouseButtons[1]);
}

TEST(SdlInputSource, ReportsTheClickCountOfTheFirstButtonsFirstPressSincePoll) {
    struct Case {
        const char* name;
        std::vector<std::pair<Uint8, Uint8>> presses; // (button, SDL's click count) before the poll
        int clicks;
    };
    const Case cases[] = {
        {"a single click", {{SDL_BUTTON_LEFT, 1}}, 1},
        {"the second of a double click", {{SDL_BUTTON_LEFT, 2}}, 2},
        {"two presses merged into one frame", {{SDL_BUTTON_LEFT, 1}, {SDL_BUTTON_LEFT, 2}}, 1},
        {"another button leaves the count", {{SDL_BUTTON_LEFT, 3}, {SDL_BUTTON_RIGHT, 1}}, 3},
        {"a touch's mouse copy is no click", {{SDL_BUTTON_LEFT, 2}, {0, 1}}, 2},
    };
    for (const Case& c : cases) {
        platform::SdlInputSource source;
        platform::InputSnapshot frame;
        for (const auto& [button, clicks] : c.presses) {
            SDL_Event press{};
            press.type = SDL_MOUSEBUTTONDOWN;
            press.button.button = button ? button : SDL_BUTTON_LEFT;
            press.button.which = button ? 0 : SDL_TOUCH_MOUSEID;
            press.button.clicks = clicks;
            source.handleEvent(press);
            press.type = SDL_MOUSEBUTTONUP;
            source.handleEvent(press);
        }
        source.poll(frame);
        EXPECT_EQ(frame.mouseClicks, c.clicks) << c.name;
        source.poll(frame);
        EXPECT_EQ(frame.mouseClicks, c.clicks) << c.name << ": kept until the next press";
    }
}

TEST(SdlInputSource, PadsKeepTheirSlotsAndTheirTaps) {
    struct Case {
        const char* name;
        const char* steps;  // a letter plugs that pad in, "-X" unplugs pad X, "*X" taps it; a poll after each
        const char* slots;  // the pad in each slot at the end, ' ' for none
    };
    const Case cases[] = {
        {"the fifth pad takes the first's freed slot", "ABCDE-A", "EBCD"},
        {"both out and back in the other order", "AB-A-BBA", "AB  "},
        {"a pad back while its slot is taken waits for the next free one", "ABCDE-AA-B", "EACD"},
        {"a new pad takes the first free slot", "ABC-A-BD", "D C "},
        {"a tap within one poll", "AB*B*A", "AB  "},
    };
    for (const Case& c : cases) {
        VirtualPads pads;
        platform::SdlInputSource source;
        platform::InputSnapshot frame;
        for (const char* step = c.steps; *step; ++step) {
            const char action = *step == '-' || *step == '*' ? *step++ : '+';
            if (action == '+') pads.attach(*step);
            if (action == '-') pads.detach(*step);
            if (action == '*') pads.tap(*step);
            for (SDL_Event event; SDL_PollEvent(&event);) source.handleEvent(event);
            source.poll(frame);
            if (action != '*') continue;
            const auto tapped = std::find_if(frame.joysticks.begin(), frame.joysticks.end(),
                                             [&](const auto& pad) { return pad.bConnected && pad.name.back() == *step; });
            ASSERT_NE(tapped, frame.joysticks.end()) << c.name;
            EXPECT_EQ(tapped->buttons, 1u) << c.name << ": pad " << *step << "'s button reads down for one frame";
            EXPECT_EQ(tapped->hatX, -1) << c.name << ": so does its hat";
            source.poll(frame);
            EXPECT_EQ(tapped->buttons, 0u) << c.name;
            EXPECT_EQ(tapped->hatX, 0) << c.name;
        }
        std::string slots;
        for (const platform::JoystickState& pad : frame.joysticks) slots += pad.bConnected ? pad.name.back() : ' ';
        EXPECT_EQ(slots, c.slots) << c.name;
    }
}
