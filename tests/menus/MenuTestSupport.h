#pragma once
#include <memory>
#include <utility>
#include "game/ContextManager.h"
#include "game/GameTestSupport.h"
#include "game/Loader.h"
#include "media/PointerTracker.h"
#include "media/Texture.h"
#include "media/VekInput.h"
#include "menus/ContextMenu.h"
#include "menus/GameMenuScreens.h"
#include "game/GameInput.h"
#include "platform/ScriptedInput.h"

/// A game root without loading, whose textures the test registers from memory.
struct MenuFixture {
    GameTestEngine engine;
    std::unique_ptr<GameGlobal> game;

    explicit MenuFixture(std::unique_ptr<MenuScreens> screens = std::make_unique<TestMenuScreens>()) {
        game = std::make_unique<GameGlobal>(std::move(screens), engine.mainArchive);
        game->loaderResources = new VekBase();
    }
    ~MenuFixture() { game.reset(); }

    /// A texture of `frames` frames of `w` by `h` pixels, registered as `name` and its frames.
    Texture* addTexture(const std::u16string& name, int frames, int w = 8, int h = 8) {
        std::vector<Texture::Frame> list;
        for (int i = 0; i < frames; ++i)
            list.push_back(
                {Rect{static_cast<float>(w * i), 0.f, static_cast<float>(w * (i + 1)), static_cast<float>(h)},
                 {}});
        auto* texture = new Texture(*engine.graphics.graphics, MemoryImageFile(w * frames, h), list, 0);
        Loader::registerTexture(texture, name);
        return texture;
    }
};

inline constexpr int KEY_ESCAPE = 1;
inline constexpr int KEY_RETURN = 28;
inline constexpr int KEY_UP = 200;
inline constexpr int KEY_DOWN = 208;
/// The layout screen's sizes in units: 4:3, widened for 16:9, heightened for 5:4.
inline constexpr std::pair<int, int> LAYOUT_SHAPES[] = {{640, 480}, {853, 480}, {640, 512}};
inline constexpr float ITEM_HEIGHT = 8.f; // the test textures' frames are 8 pixels high

/// A scripted input and pointer that the menus read instead of the engine media's.
struct ScriptedMenuInput {
    PointerTracker tracker;
    platform::ScriptedInput* pScript = nullptr;
    std::unique_ptr<VekInput> input;

    ScriptedMenuInput() {
        auto script = std::make_unique<platform::ScriptedInput>();
        pScript = script.get();
        input = std::make_unique<VekInput>(std::move(script));
        GameInput::replace(input.get(), &tracker);
    }
    ~ScriptedMenuInput() { GameInput::replace(nullptr, nullptr); }
};

/// A game root with the menu textures, a context stack, a scripted input and a pointer that
/// the test places in the top screen's world.
struct MenuRig : ScriptedMenuInput {
    MenuFixture f{std::make_unique<GameMenuScreens>()};
    ContextManager* stack;

    /// Buttons of `buttonWidth` by `buttonHeight` pixels: the game's own art is 128 by 64.
    explicit MenuRig(int buttonWidth = 8, int buttonHeight = 8) {
        f.addTexture(u"gui-game-editbox", 2);
        f.addTexture(u"gui-game-button", 3, buttonWidth, buttonHeight);
        f.addTexture(u"mousePointer", 1);
        stack = new ContextManager();
        f.game->contextManager = stack;
        ContextMenu::navigationMode = ContextMenu::NAVIGATION_POINTER;
        ContextMenu::navigationModeFrame = -1;
        f.engine.vek->renderedFrames = 10;
    }

    void pointAt(float x, float y) { tracker.position = {x, y, 0.f}; }
    /// The state of the mouse's first button or a key in the input frames to come; `clicks`
    /// counts a press as the system does (2: the second click of a double click).
    void setMouseButton(bool down, int clicks = 1) {
        pScript->next.mouseButtons[0] = down;
        pScript->next.mouseClicks = clicks;
    }
    void key(int code, bool down) { pScript->next.keys[static_cast<std::size_t>(code)] = down; }
    /// An input frame with the mouse's first button down or up, for items ticked alone.
    void mouseButton(bool down) {
        setMouseButton(down);
        input->poll();
    }
    /// One frame: the input, then the stack.
    void tickStack() {
        input->poll();
        stack->tickContext(1.0, 1.0 / 30.0);
        ++f.engine.vek->renderedFrames;
    }
    /// The layout screen's size in units, as a display of another shape makes it.
    void useScreen(int width, int height) {
        f.engine.graphics.graphics->screenWidth = width;
        f.engine.graphics.graphics->screenHeight = height;
    }
    /// The mouse in screen units.
    Vector3 mouse() const { return f.engine.graphics.graphics->windowToScreen(input->pointer); }
};
