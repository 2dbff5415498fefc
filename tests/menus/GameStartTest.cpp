#include "../game/PlaySupport.h"
#include "core/Language.h"
#include "core/VekBasePointer.h"
#include "game/GameInput.h"
#include "media/VekInput.h"
#include "menus/ContextMain.h"
#include "menus/ContextPause.h"
#include "menus/GameMenuScreens.h"
#include "menus/MenuButton.h"

#ifdef VEK_ASSETS_DIR

namespace {

constexpr int KEY_ESCAPE = 1;

/// The whole program with the menus' own screens, on the main menu of a player called Kira.
struct MenuHarness : GameHarness {
    MenuHarness() : GameHarness(withMenus()) {
        game().profiles.addProfile(u"Kira");
        closeAboveMainMenu(); // the name entry that the empty first name asked for
    }
    static GameHarnessOptions withMenus() {
        GameHarnessOptions options;
        options.createScreens = [] { return std::make_unique<GameMenuScreens>(); };
        return options;
    }
    void closeAboveMainMenu() {
        while (!dynamic_cast<ContextMain*>(stack().getTopContext())) {
            stack().getTopContext()->closed = true;
            step();
        }
    }
    /// Presses the mouse's button over the top screen's button showing `caption` and lifts it a
    /// frame later, then lets the screens react.
    void click(StringId caption) {
        MenuButton* button = findButton(caption);
        ASSERT_NE(button, nullptr) << toUtf8(Vek::get()->getLanguage().getString(caption));
        const Vector3 at = button->getWorldPosition();
        moveMouse(320.f + at.x, 240.f - at.y);
        input().mouseButtons[0] = true;
        step();
        input().mouseButtons[0] = false;
        step(2);
    }
    void moveMouse(float x, float y) {
        input().mouseX = x;
        input().mouseY = y;
        input().bMouseMoved = true;
        step();
    }
    void pressKey(int key) {
        input().keys[static_cast<std::size_t>(key)] = true;
        step();
        input().keys[static_cast<std::size_t>(key)] = false;
        step(2);
    }
    MenuButton* findButton(StringId caption) {
        const WideString text = Vek::get()->getLanguage().getString(caption);
        for (VekBase* child = stack().getTopContext()->getChildren().getHead(); child; child = child->getNext())
            if (auto* button = dynamic_cast<MenuButton*>(child); button && button->caption == text) return button;
        return nullptr;
    }
    SavegameData& slot(int index) {
        return game().profiles.records[game().profiles.currentProfile].savegames[index];
    }
};

} // namespace

TEST(ContextPause, ResumesOrQuitsGoesWithItsScreenAndPutsTheMouseBack) {
    enum class Way { Escape, Resume, QuitNo, QuitYes };
    struct Case {
        const char* name;
        Way way;
        int inputMode;
        bool bPaused;     // the pause is still on top afterwards
        bool bGameGoes;   // the game has ended and the main menu is on top
        bool bMouseBack;  // the mouse is where it was when the game paused
    };
    const Case cases[] = {
        {"escape", Way::Escape, INPUTMODE_MOUSE, false, false, true},
        {"resume", Way::Resume, INPUTMODE_MOUSE, false, false, true},
        {"resume by touch", Way::Resume, INPUTMODE_TOUCH, false, false, false},
        {"quit, then no", Way::QuitNo, INPUTMODE_MOUSE, true, false, false},
        {"quit", Way::QuitYes, INPUTMODE_MOUSE, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuHarness harness;
        GameController::startNewGame(2)->joinPlayer(0);
        harness.moveMouse(200.f, 300.f);
        GameInput::getInput()->setInputMode(c.inputMode);
        harness.pressKey(KEY_ESCAPE);
        const VekBasePointer pause(dynamic_cast<ContextPause*>(harness.stack().getTopContext()));
        ASSERT_TRUE(pause);
        harness.moveMouse(10.f, 10.f);
        if (c.way == Way::Escape) harness.pressKey(KEY_ESCAPE);
        if (c.way == Way::Resume) harness.click(STR_RESUME);
        if (c.way == Way::QuitNo || c.way == Way::QuitYes) {
            harness.click(STR_QUITGAME);
            harness.click(c.way == Way::QuitYes ? STR_YES : STR_NO);
        }
        harness.step(2);
        EXPECT_EQ(bool(pause), c.bPaused) << "a closed pause is deleted";
        EXPECT_EQ(harness.game().getGameController() == nullptr, c.bGameGoes);
        EXPECT_EQ(dynamic_cast<ContextMain*>(harness.stack().getTopContext()) != nullptr, c.bGameGoes);
        const Vector3 mouse = GameInput::getInput()->pointer;
        EXPECT_EQ(mouse.x == 200.f && mouse.y == 300.f, c.bMouseBack) << mouse.x << ", " << mouse.y;
    }
}

#endif
