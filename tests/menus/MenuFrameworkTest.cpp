#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include "MenuTestSupport.h"
#include "media/FontQuad.h"
#include "media/GlyphPageSupport.h"
#include "media/SlicedSkin.h"
#include "menus/ConfigCheckBox.h"
#include "menus/ContextKeyCapture.h"
#include "menus/ContextMenu.h"
#include "menus/ContextPopup.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuButton.h"
#include "menus/MenuCheckBox.h"
#include "menus/MenuFrame.h"
#include "menus/MenuItemLink.h"
#include "menus/MessageViewer.h"

TEST(ContextMenu, ScoresFavourCandidatesStraightAheadAndNear) {
    const Vector3 from{100.f, 100.f, 0.f};
    struct Case {
        Vector3 to;
        int direction;
        float score;
    };
    const Case cases[] = {
        {{100.f, 200.f, 0.f}, ContextMenu::DIRECTION_UP, 2.56f},
        {{100.f, 50.f, 0.f}, ContextMenu::DIRECTION_DOWN, 5.12f},
        {{100.f, 102.f, 0.f}, ContextMenu::DIRECTION_UP, -1.f},       // under the pointer
        {{200.f, 100.f, 0.f}, ContextMenu::DIRECTION_UP, 0.f},        // at 90 degrees
        {{100.f, 50.f, 0.f}, ContextMenu::DIRECTION_UP, -5.12f},      // behind
        {{100.f, 100.f, 0.f}, ContextMenu::DIRECTION_NEAREST, 256.f}, // never divided by less than 1
        {{0.f, 100.f, 0.f}, ContextMenu::DIRECTION_LEFT, 2.56f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ContextMenu::scoreFocusCandidate(from, c.to, c.direction), c.score, 1e-4f)
            << c.to.x << "," << c.to.y << " dir " << c.direction;
}

TEST(ContextMenu, FindsTheItemInTheDirectionWithoutWrappingOrTurningSidewaysAndTheFirstOfEqualOnes) {
    MenuRig rig;
    auto* menu = new ContextMenu();
    rig.stack->addContext(menu);
    auto* top = new MenuButton(0.f, 100.f, 0.f, u"top", u"");
    auto* bottom = new MenuButton(0.f, -100.f, 0.f, u"bottom", u"");
    auto* side = new MenuButton(200.f, 0.f, 0.f, u"side", u"");
    for (MenuButton* item : {top, bottom, side})
        menu->addMenuChild(item);
    // Screen units: x from the left edge, y up from the bottom; the focus point is a quarter
    // of the box height below the item's centre.
    const Vector3 topPoint{320.f, 340.f - ITEM_HEIGHT / 4.f, 0.f};
    const Vector3 bottomPoint{320.f, 140.f - ITEM_HEIGHT / 4.f, 0.f};
    const Vector3 centre{320.f, 240.f, 0.f};
    struct Case {
        Vector3 from;
        int direction;
        Vector3 target;
    };
    const Case cases[] = {
        {centre, ContextMenu::DIRECTION_UP, topPoint},
        {centre, ContextMenu::DIRECTION_DOWN, bottomPoint},
        {bottomPoint, ContextMenu::DIRECTION_DOWN, bottomPoint}, // the last one keeps the pointer
        {{520.f, 240.f, 0.f}, ContextMenu::DIRECTION_RIGHT, {520.f, 240.f, 0.f}},
        {{420.f, 240.f - ITEM_HEIGHT / 4.f, 0.f},
         ContextMenu::DIRECTION_DOWN,
         bottomPoint}, // "side" is not below
    };
    for (const Case& c : cases) {
        const Vector3 got = menu->findFocusTarget(c.from, c.direction);
        EXPECT_FLOAT_EQ(got.x, c.target.x) << c.direction;
        EXPECT_FLOAT_EQ(got.y, c.target.y) << c.direction;
    }
    side->hidden = true;
    EXPECT_FLOAT_EQ(menu->findFocusTarget({520.f, 238.f, 0.f}, ContextMenu::DIRECTION_NEAREST).x, 320.f);
    // Of two equal candidates the first added wins.
    auto* right = new MenuButton(100.f, 200.f, 0.f, u"right", u"");
    auto* left = new MenuButton(-100.f, 200.f, 0.f, u"left", u"");
    menu->addMenuChild(right);
    menu->addMenuChild(left);
    EXPECT_FLOAT_EQ(menu->findFocusTarget({320.f, 340.f, 0.f}, ContextMenu::DIRECTION_UP).x, 420.f);
    EXPECT_TRUE(MenuItem::isNoFocusPoint(left->getFocusPoint(1)));
}

TEST(ContextMenu, ArrowKeysMoveThePointerOnceTheModeHasSettled) {
    MenuRig rig;
    auto* menu = new ContextMenu();
    rig.stack->addContext(menu);
    menu->addMenuChild(new MenuButton(0.f, -100.f, 0.f, u"below", u""));
    rig.tickStack();
    rig.input->setMousePosition(320.f, 240.f);
    rig.key(KEY_DOWN, true);
    rig.tickStack();
    EXPECT_EQ(ContextMenu::navigationMode, ContextMenu::NAVIGATION_KEYS);
    EXPECT_FLOAT_EQ(rig.mouse().y, 140.f - ITEM_HEIGHT / 4.f);

    // A mode change blocks the keys in its own frame and the next one.
    rig.key(KEY_DOWN, false);
    rig.input->poll();
    ContextMenu::setMenuNavigationMode(ContextMenu::NAVIGATION_POINTER);
    for (bool honoured : {false, false, true}) {
        rig.input->setMousePosition(320.f, 240.f);
        rig.key(KEY_DOWN, true);
        rig.tickStack();
        EXPECT_EQ(rig.mouse().y < 200.f, honoured);
        rig.key(KEY_DOWN, false);
        rig.input->poll();
    }
}

TEST(ContextMenu, AMouseMoveOfMoreThanTwoScreenUnitsGivesThePointerBack) {
    MenuRig rig;
    rig.stack->addContext(new ContextMenu());
    rig.tickStack();
    VekGraphics& graphics = *rig.f.engine.graphics.graphics;
    struct Case {
        int windowWidth;
        float pixels;
        int mode;
    };
    const Case cases[] = {{640, 1.f, ContextMenu::NAVIGATION_KEYS},
                          {640, 3.f, ContextMenu::NAVIGATION_POINTER},
                          {1280, 3.f, ContextMenu::NAVIGATION_KEYS}, // two pixels to a unit
                          {1280, 5.f, ContextMenu::NAVIGATION_POINTER}};
    for (const Case& c : cases) {
        graphics.changePresentationParameters(c.windowWidth, c.windowWidth * 3 / 4, false, true, true, false);
        graphics.restartDevice();
        ContextMenu::navigationMode = ContextMenu::NAVIGATION_KEYS;
        rig.pScript->next.mouseX = rig.input->pointer.x + c.pixels;
        rig.pScript->next.mouseY = rig.input->pointer.y;
        rig.pScript->next.bMouseMoved = true;
        rig.tickStack();
        EXPECT_EQ(ContextMenu::navigationMode, c.mode) << c.pixels << " pixels of " << c.windowWidth;
    }
}

TEST(ContextMenu, TouchInputPutsMenusIntoPointerNavigationAndActivationInTouchModeClearsTheHover) {
    MenuRig rig;
    auto* menu = new ContextMenu();
    rig.stack->addContext(menu);
    rig.tickStack();
    for (const auto& [mode, expected] : {std::pair{INPUTMODE_MOUSE, ContextMenu::NAVIGATION_KEYS},
                                         {INPUTMODE_TOUCH, ContextMenu::NAVIGATION_POINTER}}) {
        ContextMenu::navigationMode = ContextMenu::NAVIGATION_KEYS;
        menu->onInputModeChange(mode);
        EXPECT_EQ(ContextMenu::navigationMode, expected) << mode;
    }
    rig.input->setInputMode(INPUTMODE_TOUCH);
    rig.stack->addContext(new ContextMenu());
    rig.tickStack();
    EXPECT_EQ(rig.input->inputMode, INPUTMODE_TOUCH);
    EXPECT_FLOAT_EQ(rig.mouse().x, 320.f);
    EXPECT_FLOAT_EQ(rig.mouse().y, 480.f);
}

TEST(ContextMenu, ConfirmReleasedClicksAtThePointerOnlyWhenPressedOnTheSameScreen) {
    for (bool coveredBetween : {false, true}) {
        MenuRig rig;
        auto* menu = new ContextMenu();
        rig.stack->addContext(menu);
        rig.tickStack();
        rig.key(KEY_RETURN, true);
        rig.tickStack();
        rig.tickStack(); // the keys rest in the frame after a mode change
        if (coveredBetween) {
            rig.stack->addContext(new ContextMenu());
            rig.tickStack();
        }
        rig.key(KEY_RETURN, false);
        rig.tickStack();
        rig.input->poll();
        EXPECT_EQ(rig.input->isAnyTouchPressed(), !coveredBetween) << coveredBetween;
    }
}

TEST(ContextMenu, FurtherClicksOfADoubleClickDoNothingOnAScreenThatCameOnTopAfterTheFirst) {
    enum class Top { Button, CheckBox, ScreenBelow, Notice, KeyCapture };
    struct Case {
        const char* name;
        Top top;                 // what stands under the pointer once the first click changed screens
        std::vector<int> counts; // the system's count of each click after the first
        int taken;               // clicks that acted there
    };
    const Case cases[] = {
        {"a button, double click", Top::Button, {2}, 0},
        {"a check box, triple click", Top::CheckBox, {2, 3}, 0},
        {"a single click after the double click", Top::Button, {2, 1}, 1},
        {"a double click begun on the new screen", Top::CheckBox, {1, 2}, 2},
        {"the screen below, back on top", Top::ScreenBelow, {2}, 0},
        {"the screen below, a later single click", Top::ScreenBelow, {2, 1}, 1},
        {"a notice that any press closes", Top::Notice, {2}, 0},
        {"a notice, a later single click", Top::Notice, {1}, 1},
        {"a key capture, which takes mouse buttons", Top::KeyCapture, {2}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuRig rig;
        rig.pointAt(0.f, 0.f);
        const auto click = [&](int count) {
            rig.setMouseButton(true, count);
            rig.tickStack();
            rig.setMouseButton(false, count);
            rig.tickStack();
        };
        auto* below = new ContextMenu();
        auto* belowButton = new MenuButton(0.f, 0.f, 0.f, u"open", u"");
        below->addMenuChild(belowButton);
        rig.stack->addContext(below);
        int32_t captured = 0;
        bool checked = false;
        ContextMenu* top = nullptr;
        MenuItem* item = belowButton;
        if (c.top == Top::Notice) {
            auto* notice = new ContextPopup();
            notice->firstButtonText = u"OK";
            notice->createContents();
            notice->deleteWhenClosed = true;
            top = notice;
        } else if (c.top == Top::KeyCapture) {
            top = new ContextKeyCapture(captured, u"Fire", u"Press a key");
        } else {
            top = new ContextMenu();
            top->deleteWhenClosed = true;
            if (c.top == Top::Button) item = new MenuButton(0.f, 0.f, 0.f, u"go", u"");
            if (c.top == Top::CheckBox) item = new MenuCheckBox(0.f, 0.f, 0.f, u"box", u"", &checked);
            top->addMenuChild(item == belowButton ? new MenuBackButton(0.f, 0.f, 0.f, u"back", u"") : item);
        }
        if (c.top == Top::ScreenBelow) { // the first click closes the screen above
            rig.stack->addContext(top);
            rig.tickStack();
            click(1);
        } else { // the first click opens it
            rig.tickStack();
            click(1);
            ASSERT_TRUE(std::exchange(belowButton->clicked, false));
            rig.stack->addContext(top);
        }
        int taken = 0;
        for (int count : c.counts) {
            click(count);
            const bool closed = c.top == Top::Notice && rig.stack->getTopContext() == below;
            taken += std::exchange(item->clicked, false) || std::exchange(captured, 0) != 0 || closed ? 1 : 0;
            if (closed) break;
        }
        EXPECT_EQ(taken, c.taken);
        if (c.top == Top::CheckBox) {
            EXPECT_EQ(checked, c.taken % 2 == 1);
        }
    }
}

TEST(MenuButton, ClicksOnlyWhenTheContactThatWentDownOnItIsLiftedOverIt) {
    struct Case {
        const char* name;
        std::vector<std::pair<bool, bool>> steps; // (pointer over the button, first button down)
        bool clicked;
        bool bBesideRestingFinger = false; // a second finger taps while one rests off the button
    };
    const Case cases[] = {
        {"press and release over it", {{true, true}, {true, false}}, true},
        {"dragged off and released elsewhere", {{true, true}, {false, true}, {false, false}}, false},
        {"dragged off and back", {{true, true}, {false, true}, {true, true}, {true, false}}, true},
        {"pressed elsewhere, released over it", {{false, true}, {true, true}, {true, false}}, false},
        {"a tap beside a resting finger", {{true, true}, {true, true}, {true, false}}, true, true},
        {"a second finger dragged off and lifted", {{true, true}, {false, true}, {false, false}}, false,
         true},
    };
    for (const Case& c : cases) {
        MenuRig rig;
        MenuButton button(0.f, 0.f, 0.f, u"go", u"");
        for (const auto& [over, down] : c.steps) {
            if (c.bBesideRestingFinger) {
                // Window pixels of a 640 by 480 window; the tracker follows the input as the engine's does.
                rig.pScript->next.touches = {{1, 20.f, 460.f, true}, {2, over ? 320.f : 620.f, 240.f, down}};
                rig.input->poll();
                const VekGraphics& graphics = *rig.f.engine.graphics.graphics;
                const Vector3 at = graphics.windowToScreen(rig.input->getPointingPosition());
                rig.pointAt(at.x - 320.f, at.y - 240.f);
            } else {
                rig.pointAt(over ? 0.f : 300.f, 0.f);
                rig.mouseButton(down);
            }
            button.tick(0.0, 1.0 / 30.0);
        }
        EXPECT_EQ(button.clicked, c.clicked) << c.name;
    }
}

TEST(MenuButton, ADisabledButtonNeitherTakesTheContactNorBounces) {
    MenuRig rig;
    MenuButton button(0.f, 0.f, 0.f, u"go", u"");
    button.disabled = true;
    rig.pointAt(0.f, 0.f);
    rig.mouseButton(true);
    button.tick(0.0, 1.0 / 30.0);
    EXPECT_FALSE(rig.input->touchPoints.front().handler);
    EXPECT_FLOAT_EQ(button.pulse, 0.f);
    EXPECT_EQ(button.colour, button.colourDisabled);
    rig.mouseButton(false);
    button.tick(0.0, 1.0 / 30.0);
    EXPECT_FALSE(button.clicked);
}

TEST(MenuButton, AConfirmedButtonActsOnlyOnYesAndOnlyOnce) {
    for (int answer : {1, 0}) {
        MenuRig rig;
        auto* menu = new ContextMenu();
        rig.stack->addContext(menu);
        auto* button = new MenuButton(0.f, 0.f, 0.f, u"wipe", u"", u"Sure?", u"");
        menu->addMenuChild(button);
        rig.tickStack();
        rig.pointAt(0.f, 0.f);
        rig.setMouseButton(true);
        rig.tickStack();
        rig.setMouseButton(false);
        rig.tickStack();
        EXPECT_FALSE(button->clicked);
        auto* popup = dynamic_cast<ContextPopup*>(rig.stack->getTopContext());
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->title, u"Sure?");
        rig.tickStack(); // the popup becomes the top
        (answer == 0 ? popup->getFirstButton() : popup->getSecondButton())->clicked = true;
        rig.tickStack(); // the popup answers and closes
        EXPECT_EQ(button->confirmAnswer, answer);
        int clicks = 0;
        for (int i = 0; i < 3; ++i) {
            rig.tickStack();
            clicks += button->clicked ? 1 : 0;
            button->clicked = false;
        }
        EXPECT_EQ(clicks, answer == 0 ? 1 : 0) << answer;
        EXPECT_EQ(rig.stack->getTopContext(), menu);
    }
}

TEST(MenuItem, CentredCaptionsShrinkOnlyIntoARoomOfMoreThanTenUnits) {
    struct Case {
        float captionWidth, boxWidth, boxHeight, scale;
    };
    const Case cases[] = {
        {300.f, 260.f, 60.f, 2.f / 3.f},
        {100.f, 260.f, 60.f, 1.f},
        {300.f, 70.f, 60.f, 1.f},
        {300.f, 71.f, 60.f, 11.f / 300.f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(MenuItem::centredCaptionScale(c.captionWidth, c.boxWidth, c.boxHeight), c.scale)
            << c.captionWidth << " in " << c.boxWidth;
}

TEST(MenuItem, SideCaptionsShrinkToStayFourUnitsInsideTheScreen) {
    struct Case {
        float captionWidth, anchorX;
        bool bLeftward;
        float scale;
    };
    const Case cases[] = {
        {200.f, 154.f, true, 0.75f},  // would cross the left edge
        {100.f, 154.f, true, 1.f},    // fits
        {200.f, 486.f, false, 0.75f}, // would cross the right edge
        {200.f, 154.f, false, 1.f},   // has the whole right side
        {200.f, 10.f, true, 1.f},     // no room worth shrinking into
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(MenuItem::sideCaptionScale(c.captionWidth, c.anchorX, 640.f, c.bLeftward), c.scale)
            << c.captionWidth << " at " << c.anchorX;
}

TEST(MenuItem, LongCaptionsSplitAtTheBlankNearestTheirMiddle) {
    using Halves = std::pair<WideString, WideString>;
    EXPECT_EQ(MenuItem::splitCaption(u"Sensibilidad al arrastrar"), Halves(u"Sensibilidad", u"al arrastrar"));
    EXPECT_EQ(MenuItem::splitCaption(u"Mover a la izquierda"), Halves(u"Mover a la", u"izquierda"));
    EXPECT_FALSE(MenuItem::splitCaption(u"Zieh-Empfindlichkeit"));
    EXPECT_FALSE(MenuItem::splitCaption(u" trailing "));
}

TEST(MenuItem, ActivatingALinkOrBackButtonEndsTheProgramOrTheTopScreen) {
    MenuRig rig;
    auto* menu = new ContextMenu();
    rig.stack->addContext(menu);
    rig.tickStack();
    MenuBackButton back(0.f, 0.f, 0.f, u"back", u"");
    back.activate();
    EXPECT_TRUE(back.clicked);
    EXPECT_TRUE(menu->closed);
    EXPECT_FALSE(rig.stack->quitRequested);
    MenuItemLink link(0.f, 0.f, 0.f, u"site", u"", u"https://example.org/");
    link.activate();
    EXPECT_TRUE(rig.stack->quitRequested);
    EXPECT_EQ(rig.f.game->exitUrl, u"https://example.org/");
}

TEST(MenuCheckBox, APressOnAnEnabledBoxTogglesItsBool) {
    MenuRig rig;
    bool value = false;
    MenuCheckBox box(0.f, 0.f, 0.f, u"sound", u"", &value);
    EXPECT_FLOAT_EQ(box.getSkin()->getLocalRect().right, 25.f);
    rig.pointAt(0.f, 0.f);
    for (bool expected : {true, false}) {
        rig.mouseButton(true);
        box.tick(0.0, 1.0 / 30.0);
        EXPECT_EQ(value, expected);
        EXPECT_TRUE(box.clicked);
        box.clicked = false;
        rig.mouseButton(false);
        box.tick(0.0, 1.0 / 30.0);
    }
    for (bool* off : {&box.disabled, &box.hidden}) {
        box.disabled = box.hidden = false;
        *off = true;
        rig.mouseButton(true);
        box.tick(0.0, 1.0 / 30.0);
        EXPECT_FALSE(value);
        rig.mouseButton(false);
    }
}

TEST(ContextPopup, AnswersWithTheIndexOfTheClickedButton) {
    struct Case {
        const char16_t* first;
        const char16_t* second;
        int click; // -1: dismissed by fire, a touch or Escape
        int answer;
        bool closeOnFire;
        float panelWidth;
    };
    const Case cases[] = {
        {u"YES", u"NO", 0, 0, false, 430.f},
        {u"YES", u"NO", 1, 1, false, 430.f},
        {u"OK", u"", 0, 0, true, 430.f},
        {u"OK", u"", -1, 0, true, 430.f}, // a dismissed notice counts as its button
        {u"YES", u"NO", -1, -1, false, 430.f},
        {u"", u"", -1, -1, true, 292.f},
    };
    for (const Case& c : cases) {
        MenuRig rig;
        int32_t answer = 7;
        ContextPopup popup;
        popup.firstButtonText = c.first;
        popup.secondButtonText = c.second;
        popup.answer = &answer;
        popup.createContents();
        EXPECT_EQ(answer, -1);
        EXPECT_EQ(popup.closeOnFire, c.closeOnFire);
        const auto* panel = static_cast<const SlicedSkin*>(
            static_cast<Renderable*>(popup.getChildren().getHead())->getSkin());
        EXPECT_FLOAT_EQ(panel->getWidth(), c.panelWidth);
        EXPECT_EQ(popup.getFirstButton() != nullptr, *c.first != 0);
        if (c.click >= 0) (c.click == 0 ? popup.getFirstButton() : popup.getSecondButton())->clicked = true;
        popup.tickContents(0.0, 1.0 / 30.0);
        EXPECT_EQ(popup.closed, c.click >= 0);
        if (c.click < 0) popup.onDeactivate(true);
        EXPECT_EQ(answer, c.answer);
    }
}

TEST(ContextManager, EscapeOnAScreenThatConfirmsAsksOnceAndClosesItOnlyOnYes) {
    enum Answer { YES, NO, ESCAPE_AGAIN };
    for (const Answer answer : {YES, NO, ESCAPE_AGAIN}) {
        MenuRig rig;
        auto* asking = new ContextMenu();
        asking->confirmClose = true;
        rig.stack->addContext(asking);
        rig.tickStack();
        rig.key(KEY_ESCAPE, true);
        rig.tickStack();
        rig.key(KEY_ESCAPE, true); // held: no second question
        rig.tickStack();
        EXPECT_EQ(rig.stack->getChildren().count(), 2u);
        auto* popup = dynamic_cast<ContextPopup*>(rig.stack->getTopContext());
        ASSERT_NE(popup, nullptr);
        EXPECT_FALSE(asking->closed);
        rig.key(KEY_ESCAPE, false);
        rig.tickStack();
        if (answer == ESCAPE_AGAIN) {
            rig.key(KEY_ESCAPE, true); // takes the question away, not the screen that asked
            rig.tickStack();
        } else {
            MenuButton* choice = answer == YES ? popup->getFirstButton() : popup->getSecondButton();
            rig.pointAt(choice->position.x, choice->position.y);
            rig.setMouseButton(true);
            rig.tickStack();
            rig.setMouseButton(false);
        }
        rig.tickStack();
        EXPECT_EQ(asking->closed, answer == YES) << answer;
        rig.tickStack();
        EXPECT_EQ(rig.stack->getChildren().count(), answer == YES ? 0u : 1u) << answer;
        if (answer != ESCAPE_AGAIN) {
            EXPECT_EQ(rig.stack->confirmAnswer, answer == YES ? -1 : 1);
        }
        if (answer == YES) delete asking; // not flagged for deletion: the test keeps it
    }
}

TEST(MessageViewer, KeepsTheNewestLinesUpToItsLimitAndFadesOutOverTheLastSecondBeforeItsTime) {
    MenuRig rig;
    MessageViewer viewer;
    for (int i = 0; i < 9; ++i)
        viewer.addMessage(stringf(u"line %d", i));
    EXPECT_EQ(viewer.getLines().front(), u"line 0");
    viewer.addMessage(u"line 9");
    EXPECT_EQ(viewer.getLines().front(), u"line 1");
    viewer.addMessage(u"a|b|c");
    EXPECT_EQ(viewer.getLines().size(), 9u);
    EXPECT_EQ(viewer.getLines().front(), u"line 4");
    EXPECT_EQ(viewer.getLines().back(), u"c");
    const double now = viewer.lastMessageTime;
    struct Case {
        double fadeAfter;
        double messageAge;
        float alpha;
    };
    const Case cases[] = {
        {0.0, 100.0, 1.f}, {5.0, 3.0, 1.f}, {5.0, 4.5, 0.5f}, {5.0, 5.0, 0.f}, {5.0, 60.0, 0.f}};
    for (const Case& c : cases) {
        viewer.fadeAfter = c.fadeAfter;
        viewer.lastMessageTime = now - c.messageAge;
        viewer.tick(0.0, 0.0);
        EXPECT_NEAR(viewer.alpha, c.alpha, 1e-4f) << c.fadeAfter << " after " << c.messageAge;
    }
}

namespace {

/// The colours of one band of rows, left to right, one letter a run: R, G or B for a pure
/// colour, W for white; columns without a strongly drawn pixel are passed over.
std::string coloursLeftToRight(const MemoryImageFile& image, int top, int height) {
    std::string runs;
    for (int x = 0; x < image.width; ++x) {
        char seen = 0;
        for (int y = std::max(top, 0); y < std::min(top + height, image.height) && !seen; ++y) {
            const uint32_t pixel = image.at(x, y);
            const int r = static_cast<int>(pixel >> 16 & 0xFF), g = static_cast<int>(pixel >> 8 & 0xFF),
                      b = static_cast<int>(pixel & 0xFF);
            if (std::min({r, g, b}) > 100) seen = 'W';
            else if (r > 100 && g < 40 && b < 40) seen = 'R';
            else if (g > 100 && r < 40 && b < 40) seen = 'G';
            else if (b > 100 && r < 40 && g < 40) seen = 'B';
        }
        if (seen && (runs.empty() || runs.back() != seen)) runs += seen;
    }
    return runs;
}

} // namespace

TEST(MessageViewer, DrawsEveryWrappedPieceInTheColourItsMarkupSetsAlsoAfterTheWrap) {
    MenuRig rig;
    GraphicsFixture& screen = rig.f.engine.graphics;
    const std::unique_ptr<Texture> page = makeGlyphPage(*screen.graphics, printableAscii(), 14);
    FontQuad font;
    font.addSourceTexture(page.get(), 32, false);
    MessageViewer viewer;
    viewer.font = &font;
    viewer.lineStep = -static_cast<float>(font.getLineHeight());
    viewer.position = {0.f, 200.f, 0.f};
    viewer.wrapWidth = static_cast<int>(font.measureText(u"WWWW WWWW", 0).width); // two words a line
    const std::pair<const char16_t*, std::vector<std::string>> cases[] = {
        {u"^FF0000WWWW WWWW WWWW", {"R", "R"}},        // the colour goes on after the wrap
        {u"WWWW ^00FF00WWWW WWWW", {"WG", "G"}},       // a change within a piece, then on
        {u"^0000FFWWWW|WWWW ^FFFFFFWWWW", {"B", "BW"}}, // and past a bar
    };
    std::vector<std::string> expected;
    for (const auto& [message, pieces] : cases) {
        viewer.addMessage(message);
        expected.insert(expected.end(), pieces.begin(), pieces.end());
    }
    ASSERT_EQ(viewer.getLines().size(), expected.size());
    EXPECT_EQ(viewer.getLines().front(), u"WWWW WWWW");
    viewer.tick(0.0, 0.0);
    screen.graphics->beginScene();
    screen.graphics->clear(0xFF000000);
    viewer.render();
    screen.graphics->endScene();
    const MemoryImageFile image = screen.capture();
    const int lineHeight = font.getLineHeight();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int top = image.height / 2 - 200 + static_cast<int>(i) * lineHeight;
        EXPECT_EQ(coloursLeftToRight(image, top, lineHeight), expected[i]) << "piece " << i;
    }
}

TEST(MenuItemDeathTest, AnUnknownCaptionLocationIsFatal) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            MenuRig rig;
            MenuItem item(0.f, 0.f, 0.f, u"caption", u"");
            item.captionLocation = 7;
            item.render();
        },
        testing::ExitedWithCode(1), "Error: Invalid caption location.");
}

TEST(ContextMenu, ItemsOnAPanelAreHitAndFocusedWhereThePanelPutsThem) {
    MenuRig rig;
    auto* menu = new ContextMenu();
    rig.stack->addContext(menu);
    auto* panel = new MenuFrame(100.f, 50.f, 0.f, 200, 100, false);
    auto* button = new MenuButton(20.f, 0.f, 0.f, u"on panel", u"");
    menu->addChild(panel);
    panel->addChild(button);
    menu->addItem(button);
    const Vector3 focus = menu->findFocusTarget({0.f, 0.f, 0.f}, ContextMenu::DIRECTION_NEAREST);
    EXPECT_FLOAT_EQ(focus.x, 320.f + 120.f);
    EXPECT_FLOAT_EQ(focus.y, 240.f + 50.f - ITEM_HEIGHT / 4.f);
    for (const auto& [x, hovered] : {std::pair{120.f, true}, {-50.f, false}}) {
        rig.pointAt(x, 50.f);
        button->tick(0.0, 1.0 / 30.0);
        EXPECT_EQ(button->hovered, hovered) << x;
    }
}
