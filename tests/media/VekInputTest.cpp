#include "media/VekInput.h"
#include <gtest/gtest.h>
#include "platform/ScriptedInput.h"

namespace {

struct Rig {
    Rig() {
        auto owned = std::make_unique<platform::ScriptedInput>();
        script = owned.get();
        input = std::make_unique<VekInput>(std::move(owned));
        input->onInputModeChange = [this](int mode) { modeChanges.push_back(mode); };
    }
    platform::ScriptedInput* script;
    std::unique_ptr<VekInput> input;
    std::vector<int> modeChanges;
};

}  // namespace

TEST(VekInput, PressedEdgeAcrossFrames) {
    Rig rig;
    rig.script->next.keys[28] = true;
    rig.input->poll();
    EXPECT_TRUE(rig.input->isKeyDown(28));
    EXPECT_TRUE(rig.input->isKeyPressed(28));
    EXPECT_EQ(rig.input->keys[28], 0x80);
    rig.input->poll();
    EXPECT_TRUE(rig.input->isKeyDown(28));
    EXPECT_FALSE(rig.input->isKeyPressed(28));
    rig.script->next.keys[28] = false;
    rig.input->poll();
    EXPECT_FALSE(rig.input->isKeyDown(28));
    EXPECT_EQ(rig.input->keysPrevious[28], 0x80);
    EXPECT_FALSE(rig.input->isKeyPressed(-1));
    EXPECT_FALSE(rig.input->isKeyPressed(KEY_CODE_COUNT));
}

TEST(VekInput, JoysticksFillTheirOwnBlocks) {
    Rig rig;
    for (int device = 0; device < 4; ++device) {
        auto& stick = rig.script->next.joysticks[device];
        stick.bConnected = true;
        stick.buttons = 1u << 7 | 1u << 31;
        stick.hatY = 1;           // up
        stick.stickX = 0.9f;      // right
    }
    rig.input->poll();
    const int bases[] = {0x100, 0x130, 0x160, 0x190};
    for (int base : bases) {
        EXPECT_TRUE(rig.input->isKeyDown(base + 0)) << base;   // up
        EXPECT_FALSE(rig.input->isKeyDown(base + 1)) << base;  // down
        EXPECT_FALSE(rig.input->isKeyDown(base + 2)) << base;  // left
        EXPECT_TRUE(rig.input->isKeyDown(base + 3)) << base;   // right
        EXPECT_TRUE(rig.input->isKeyDown(base + 16 + 7)) << base;
        EXPECT_TRUE(rig.input->isKeyDown(base + 16 + 31)) << base;
        EXPECT_FALSE(rig.input->isKeyDown(base + 16)) << base;
    }
    EXPECT_FALSE(rig.input->isKeyDown(0x1C0));  // mouse codes carry no state
}

TEST(VekInput, EachMouseButtonIsAKeyOfItsOwnCodeAndMovementIsNone) {
    struct Case {
        std::size_t button;
        int code;
    };
    const Case cases[] = {{0, 0x1C4}, {1, 0x1C5}, {2, 0x1C6}, {3, 0x1C7}};
    for (const Case& c : cases) {
        Rig rig;
        rig.script->next.mouseButtons[c.button] = true;
        rig.script->next.mouseX = 30.f;
        rig.script->next.bMouseMoved = true;
        rig.input->poll();
        EXPECT_TRUE(rig.input->isKeyPressed(c.code)) << c.button;
        for (int code = 0x1C0; code <= 0x1C7; ++code)
            EXPECT_EQ(rig.input->isKeyDown(code), code == c.code) << c.button << " " << code;
        rig.input->poll();
        EXPECT_TRUE(rig.input->isKeyDown(c.code)) << c.button << " held";
        EXPECT_FALSE(rig.input->isKeyPressed(c.code)) << c.button << " held";
        rig.script->next.mouseButtons[c.button] = false;
        rig.input->poll();
        EXPECT_FALSE(rig.input->isKeyDown(c.code)) << c.button << " let go";
    }
}

TEST(VekInput, DeadZoneScalesTheStickAndFlipsY) {
    Rig rig;
    rig.input->joystickDeadZone = 0.2f;
    auto& stick = rig.script->next.joysticks[1];
    stick.bConnected = true;
    const std::pair<float, float> cases[] = {{0.1f, 0.f}, {-0.2f, 0.f}, {0.6f, 0.5f}, {-1.f, -1.f}, {1.f, 1.f}};
    for (auto [raw, want] : cases) {
        stick.stickX = raw;
        stick.stickY = raw;
        rig.input->poll();
        const Vector3 v = rig.input->getJoystickStick(1);
        EXPECT_NEAR(v.x, want, 1e-5) << raw;
        EXPECT_NEAR(v.y, -want, 1e-5) << raw;
    }
    EXPECT_EQ(rig.input->getJoystickStick(4).x, 0.f);
    EXPECT_EQ(rig.input->getJoystickHat(-1).y, 0.f);
}

TEST(VekInput, ModifierStates) {
    struct Case { std::vector<int> keys; int want; };
    const Case cases[] = {{{}, 0}, {{42}, 1}, {{54}, 1}, {{29}, 2}, {{157}, 2}, {{56}, 3}, {{184}, 3},
                          {{29, 56}, 4}, {{29, 42}, 5}, {{56, 54}, 6}, {{29, 56, 42}, 0}};
    for (const Case& c : cases) {
        Rig rig;
        for (int key : c.keys) rig.script->next.keys[key] = true;
        rig.input->poll();
        EXPECT_EQ(rig.input->modifiers, c.want) << c.keys.size();
    }
}

TEST(VekInput, TouchesCountUsagesAndSwitchTheMode) {
    Rig rig;
    rig.script->next.touches = {{1, 100.f, 200.f, true}, {2, 300.f, 50.f, true}};
    rig.input->poll();
    EXPECT_TRUE(rig.input->isAnyTouchPressed());
    EXPECT_EQ(rig.input->inputMode, INPUTMODE_TOUCH);
    EXPECT_EQ(rig.modeChanges, std::vector<int>{INPUTMODE_TOUCH});
    ASSERT_EQ(rig.input->touchPoints.size(), 2u);
    rig.input->touchPoints[0].usage = 3;
    rig.input->touchPoints[1].usage = 4;

    rig.script->next.touches[0].x = 110.f;
    rig.input->poll();
    EXPECT_FALSE(rig.input->isAnyTouchPressed());
    EXPECT_EQ(rig.input->countSteeringTouches(), 1);  // usage survives across frames
    EXPECT_FLOAT_EQ(rig.input->touchPoints[0].moveX, 10.f);

    rig.script->next.touches[0].bDown = false;
    rig.input->poll();
    EXPECT_TRUE(rig.input->touchPoints[0].bReleased);
    rig.input->poll();
    EXPECT_EQ(rig.input->touchPoints.size(), 1u);
    EXPECT_EQ(rig.input->countSteeringTouches(), 0);
}

TEST(VekInput, MouseClicksAndSimulatedContactsCountAsATouchForOneFrame) {
    Rig rig;
    rig.script->next.mouseButtons[0] = true;
    rig.script->next.mouseX = 5.f;
    rig.input->poll();
    EXPECT_TRUE(rig.input->isAnyTouchPressed());
    EXPECT_EQ(rig.input->inputMode, INPUTMODE_MOUSE);
    rig.input->poll();
    EXPECT_FALSE(rig.input->isAnyTouchPressed());
    rig.script->next.mouseButtons[0] = false;
    rig.input->poll();
    ASSERT_EQ(rig.input->touchPoints.size(), 1u);
    EXPECT_TRUE(rig.input->touchPoints[0].bReleased);
    rig.input->poll();
    EXPECT_TRUE(rig.input->touchPoints.empty());

    rig.input->setMousePosition(40.f, 60.f);
    rig.input->addSimulatedContact();  // pressed, then released at the mouse
    rig.input->poll();
    ASSERT_EQ(rig.input->touchPoints.size(), 1u);
    EXPECT_TRUE(rig.input->touchPoints[0].bPressed);
    EXPECT_EQ(rig.input->touchPoints[0].x, 40.f);
    rig.input->poll();
    EXPECT_TRUE(rig.input->touchPoints[0].bReleased);
    rig.input->poll();
    EXPECT_TRUE(rig.input->touchPoints.empty());
}

TEST(VekInput, SetMousePositionClearsTheMovementAndOnlyANewModeIsAnnounced) {
    Rig rig;
    rig.script->next.mouseX = 100.f;
    rig.script->next.bMouseMoved = true;
    rig.input->poll();
    EXPECT_EQ(rig.input->mouseMove.x, 100.f);
    rig.input->setMousePosition(20.f, 30.f);
    EXPECT_EQ(rig.input->mouseMove.x, 0.f);
    rig.script->next.bMouseMoved = false;
    rig.input->poll();
    EXPECT_EQ(rig.input->pointer.x, 20.f);
    EXPECT_EQ(rig.input->mouseMove.x, 0.f);
    rig.modeChanges.clear();
    rig.input->setInputMode(rig.input->inputMode);  // the same mode: nobody is told
    rig.input->setInputMode(INPUTMODE_TOUCH);
    rig.input->setInputMode(INPUTMODE_TOUCH);
    EXPECT_EQ(rig.modeChanges, std::vector<int>{INPUTMODE_TOUCH});
}

TEST(VekInput, TypedTextArrivesOneUnitPerFrame) {
    Rig rig;
    rig.script->next.typed = "\xC3\xA9\xF0\x9F\x98\x80";  // é then a character outside the BMP
    std::u16string seen;
    for (int frame = 0; frame < 4; ++frame) {
        rig.input->poll();
        if (rig.input->typedChar) seen.push_back(rig.input->typedChar);
    }
    EXPECT_EQ(seen, u"\u00e9\U0001F600");
    EXPECT_EQ(rig.input->typedChar, 0);
}
