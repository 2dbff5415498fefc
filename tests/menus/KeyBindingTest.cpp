#include <gtest/gtest.h>
#include "MenuTestSupport.h"
#include "core/Language.h"
#include "menus/ContextJoystickBindings.h"
#include "menus/ContextKeyBindings.h"
#include "menus/ContextKeyCapture.h"
#include "menus/KeyBindingButton.h"
#include "menus/MenuButton.h"
#include "menus/MouseButtonChoice.h"

namespace {

constexpr int KEY_W = 0x11;
constexpr int KEY_A = 0x1E;
constexpr int KEY_S = 0x1F;
constexpr int KEY_ARROW_UP = 0xC8;

/// A player's keyboard binding screen on the stack.
struct BindingRig : MenuRig {
    ContextKeyBindings* screen;

    explicit BindingRig(int player) {
        screen = new ContextKeyBindings(player);
        stack->addContext(screen);
        tickStack();
    }
    void pressRow(std::size_t row) {
        pointAt(screen->rows[row]->position.x, screen->rows[row]->position.y);
        setMouseButton(true);
        tickStack();
        setMouseButton(false);
        tickStack(); // the popup becomes the top
    }
    /// Presses the keys together, lets them go, and ticks until the popup has gone.
    void pressKeys(std::initializer_list<int> codes) {
        for (int code : codes)
            key(code, true);
        tickStack();
        for (int code : codes)
            key(code, false);
        for (int i = 0; i < 3; ++i)
            tickStack();
    }
    int32_t& binding(int action, int player) {
        return f.game->configuration.keyboardBindings[action][player];
    }
};

} // namespace

TEST(ContextKeyCapture, TakesTheLowestBindableCodePressedThisFrame) {
    MenuRig rig;
    const std::pair<std::vector<int>, int32_t> cases[] = {
        {{KEY_S, KEY_A}, KEY_A}, {{KEY_ESCAPE, KEY_A}, KEY_ESCAPE},
        {{0x1C0, 0x1C3}, 0},     {{0x1C1, 0x110}, 0x110},
        {{0x1C4}, 0x1C4},        {{}, 0}};
    for (const auto& [down, code] : cases) {
        rig.input->keys.fill(0);
        for (int pressed : down)
            rig.input->keys[static_cast<std::size_t>(pressed)] = KEYDOWNBIT;
        EXPECT_EQ(ContextKeyCapture::capturedCode(*rig.input), code) << down.size();
        rig.input->keysPrevious = rig.input->keys; // held, no longer pressed
        EXPECT_EQ(ContextKeyCapture::capturedCode(*rig.input), 0);
        rig.input->keysPrevious.fill(0);
    }
}

TEST(KeyBindingButton, BindsTheCapturedKeyOnceAcrossBothPlayers) {
    BindingRig rig(2);
    rig.pressRow(4); // player 2's fire
    auto* popup = dynamic_cast<ContextKeyCapture*>(rig.stack->getTopContext());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->getFirstButton(), nullptr);
    EXPECT_FALSE(popup->closeOnFire);
    EXPECT_EQ(popup->title, rig.screen->rows[4]->caption);
    rig.pressKeys({KEY_ARROW_UP}); // player 1's "Move up"
    EXPECT_EQ(rig.stack->getTopContext(), rig.screen);
    EXPECT_EQ(rig.binding(4, 1), KEY_ARROW_UP);
    EXPECT_EQ(rig.binding(2, 0), 0);
    rig.pressRow(2); // player 2's "Move left"
    rig.pressKeys({KEY_S, KEY_W});
    EXPECT_EQ(rig.binding(0, 1), KEY_W);
    EXPECT_EQ(rig.binding(2, 1), 0); // W was player 2's "Move up"
}

TEST(KeyBindingButton, EscapeKeepsTheBindingAndTheScreenOpen) {
    BindingRig rig(1);
    const int32_t before = rig.binding(4, 0);
    rig.pressRow(4);
    rig.pressKeys({KEY_ESCAPE});
    EXPECT_EQ(rig.stack->getTopContext(), rig.screen);
    EXPECT_FALSE(rig.screen->closed);
    EXPECT_EQ(rig.binding(4, 0), before);
    EXPECT_EQ(rig.screen->rows[4]->capturedCode, 0);
    rig.pressRow(4); // the row binds normally again
    rig.pressKeys({KEY_A});
    EXPECT_EQ(rig.binding(4, 0), KEY_A);
}

TEST(KeyBindingButton, BindsEachMouseButtonButNotTheClickThatOpenedTheCapture) {
    struct Case {
        int player;
        std::size_t row;
        std::size_t button;
        int32_t code;
        int language;
        std::u16string name;
    };
    const Case cases[] = {{1, 4, 0, 0x1C4, 0, u"MOUSE BUTTON 0"}, // the opening click's own button
                          {1, 5, 1, 0x1C5, 2, u"MAUS-KNOPF1"},
                          {2, 4, 2, 0x1C6, 1, u"SOURISBTN2"},
                          {2, 0, 3, 0x1C7, 0, u"MOUSE BUTTON 3"}};
    for (const Case& c : cases) {
        BindingRig rig(c.player);
        Language& language = Vek::get()->getLanguage();
        language.setKeyNameTable(&rig.input->keyNames);
        language.setLanguage(c.language);
        const int other = 2 - c.player;
        rig.binding(5, other) = c.code; // the other player's missile held it first
        KeyBindingButton& row = *rig.screen->rows[c.row];
        const int32_t before = *row.field;
        rig.pointAt(row.position.x, row.position.y);
        rig.setMouseButton(true);
        for (int i = 0; i < 4; ++i)
            rig.tickStack(); // the click that opened it, held on
        rig.setMouseButton(false);
        rig.tickStack();
        ASSERT_NE(dynamic_cast<ContextKeyCapture*>(rig.stack->getTopContext()), nullptr) << c.code;
        EXPECT_EQ(row.capturedCode, 0) << c.code;

        rig.pScript->next.mouseButtons[c.button] = true;
        rig.tickStack();
        rig.pScript->next.mouseButtons[c.button] = false;
        for (int i = 0; i < 3; ++i)
            rig.tickStack();
        EXPECT_EQ(rig.stack->getTopContext(), rig.screen) << c.code;
        EXPECT_NE(before, c.code);
        EXPECT_EQ(*row.field, c.code);
        EXPECT_EQ(rig.binding(5, other), 0) << c.code << " is bound once only";
        EXPECT_EQ(row.boundName(), c.name);
        language.setKeyNameTable(nullptr);
    }
}

TEST(MouseButtonChoice, ChoosingTheOtherActionsButtonSwapsThem) {
    MenuRig rig;
    GameConfiguration& configuration = rig.f.game->configuration;
    MouseButtonChoice missile(0.f, 0.f, 0.f, u"missile", u"", &configuration.mouseAltFireButton,
                              &configuration.mouseFireButton);
    configuration.mouseFireButton = 0;
    configuration.mouseAltFireButton = 1;
    rig.pointAt(-104.f, 0.f); // the left arrow: "Left-click"
    rig.mouseButton(true);
    missile.tick(0.0, 1.0 / 30.0);
    EXPECT_EQ(configuration.mouseAltFireButton, 0);
    EXPECT_EQ(configuration.mouseFireButton, 1);
    rig.mouseButton(false);
    missile.tick(0.0, 1.0 / 30.0);
    rig.mouseButton(true);
    missile.tick(0.0, 1.0 / 30.0); // already at "Left-click": no change, no swap
    EXPECT_EQ(configuration.mouseFireButton, 1);
}

TEST(ContextJoystickBindings, LeavingWithBothPlayersOnOneJoystickMovesTheOther) {
    struct Case {
        int player;
        int32_t index1, index2;
        int32_t after1, after2;
    };
    const Case cases[] = {{1, 0, 0, 0, 1}, {1, 3, 3, 3, 0}, {2, 2, 2, 3, 2}, {1, 1, 2, 1, 2}};
    for (const Case& c : cases) {
        MenuRig rig;
        GameConfiguration& configuration = rig.f.game->configuration;
        configuration.joystickIndex1 = c.index1;
        configuration.joystickIndex2 = c.index2;
        ContextJoystickBindings screen(c.player);
        screen.onDeactivate(false);
        EXPECT_EQ(configuration.joystickIndex2, c.index2);
        screen.onDeactivate(true);
        EXPECT_EQ(configuration.joystickIndex1, c.after1) << c.player << c.index1 << c.index2;
        EXPECT_EQ(configuration.joystickIndex2, c.after2) << c.player << c.index1 << c.index2;
    }
}
