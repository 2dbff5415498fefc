#pragma once
// The whole program run headless for game and menu tests: its own frame tick over the generated
// archives (read where they are), fixed step, seeded generator, null audio, scripted input.
#include <optional>
#include "GameTestSupport.h"
#include "core/EngineLifecycle.h"
#include "core/StaticSettings.h"
#include "core/UserSettings.h"
#include "game/ContextManager.h"
#include "game/Loader.h"
#include "game/scene/GameDigest.h"
#include "media/VekGraphics.h"
#include "media/VekMedia.h"
#include "platform/PlatformWindow.h"
#include "platform/ScriptedInput.h"

#ifdef VEK_ASSETS_DIR

struct GameHarnessOptions {
    uint32_t seed = 1;
    /// The language row that the program starts in, as a single-language build chooses it;
    /// -1: as a first start chooses.
    int language = -1;
    /// The menu layer's screens; null: plain contexts (TestMenuScreens).
    std::function<std::unique_ptr<MenuScreens>()> createScreens;
    /// Frames draw into the offscreen window; otherwise they submit nothing (as --no-draw).
    bool bDraw = false;
    /// Whether the window has the focus before each frame; null: always.
    std::function<bool()> isInForeground;
    /// The devices the program reads; null: a script that the test fills (`input`).
    std::function<std::unique_ptr<platform::InputSource>(platform::PlatformWindow&)> createInput;
    /// The full-screen choice in the engine settings before the start; none: a fresh install's,
    /// full screen. A window by default, of the size the tests expect whatever the display's.
    std::optional<bool> savedFullScreen = false;
    /// The window's size in pixels, which the engine settings keep as the display mode. The
    /// offscreen driver's drawing surface keeps the size the window was opened with.
    int displayWidth = VekGraphics::LOGICAL_WIDTH;
    int displayHeight = VekGraphics::LOGICAL_HEIGHT;
};

class GameHarness {
  public:
    using Script = std::function<void(int frame, platform::InputSnapshot& input)>;

    /// Starts the program's engine and game root, loads everything and closes the screens
    /// above the main menu (logo, intro, crash report), so the main menu is the top.
    explicit GameHarness(const GameHarnessOptions& options = {}) {
        std::string error;
        const int width = options.displayWidth;
        const int height = options.displayHeight;
        window = platform::PlatformWindow::open("game harness", width, height, error);
        if (!window) ADD_FAILURE() << error;
        EngineEnvironment environment;
        environment.bFixedStep = true;
        environment.seed = options.seed;
        environment.isInForeground = options.isInForeground;
        environment.createGameRoot = [createScreens = options.createScreens, language = options.language] {
            if (language >= 0) Vek::get()->getStaticSettings().singleLanguage = language;
            auto screens = createScreens ? createScreens() : std::make_unique<TestMenuScreens>();
            return std::make_unique<GameGlobal>(std::move(screens),
                                                fromUtf8(VEK_ASSETS_DIR "/ZV2rmBrumedemo.dat"));
        };
        environment.createMedia = [this, options] {
            UserSettings& settings = Vek::get()->getUserSettings();
            constexpr const char16_t* SECTION = VekGraphics::SETTINGS_SECTION;
            const std::optional<bool> fullScreen = options.savedFullScreen;
            if (fullScreen) settings.setBool(SECTION, VekGraphics::FULL_SCREEN_KEY, *fullScreen);
            settings.setInt(SECTION, u"videoModeWidth", options.displayWidth);
            settings.setInt(SECTION, u"videoModeHeight", options.displayHeight);
            VekMedia::Options media;
            if (options.createInput) {
                media.pInput = options.createInput(*window);
            } else {
                auto script = std::make_unique<platform::ScriptedInput>();
                pScript = script.get();
                media.pInput = std::move(script);
            }
            media.bSilent = true;
            media.bNoDraw = !options.bDraw;
            return std::make_unique<VekMedia>(*window, std::move(media));
        };
        installEngineEnvironment(std::move(environment));
        EXPECT_TRUE(runUntil([this] { return loader().step == Loader::STEP_COUNT; }, LOAD_FRAME_LIMIT));
        closeStartScreens();
    }
    ~GameHarness() {
        shutDownEngine();
        installEngineEnvironment({});
    }
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    /// `count` whole frames as the program runs them: the window's waiting events are handled
    /// and the script fills the input, then the engine polls it, ticks and draws the stack.
    void step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            while (window && window->pumpEvent()) {}
            if (script && pScript) script(frames - scriptStart, pScript->next);
            frameTick();
            ++frames;
        }
    }
    /// Frames until `done` holds (checked before each), at most `limit`; whether it held.
    bool runUntil(const std::function<bool()>& done, int limit) {
        for (int i = 0; i < limit; ++i) {
            if (frames > 0 && done()) return true;
            step();
        }
        return done();
    }
    /// Called before every later frame with its number (0 for the next one) and the input it
    /// will read.
    void setScript(Script newScript) {
        script = std::move(newScript);
        scriptStart = frames;
    }
    /// The input of the next frame; what happens once (typed text, a lifted finger) is
    /// cleared after it.
    platform::InputSnapshot& input() { return pScript->next; }

    /// The digest the program logs: generator, frame count, the running game.
    std::string digest() const { return GameDigest::ofRunningGame(); }

    GameGlobal& game() const { return *GameGlobal::get(); }
    ContextManager& stack() const { return *game().contextManager; }

  private:
    static constexpr int LOAD_FRAME_LIMIT = 100;

    Loader& loader() const { return *static_cast<Loader*>(stack().getChildren().getHead()); }
    void closeStartScreens() {
        VekBase* mainMenu = loader().getNext();
        for (VekBase* c = mainMenu ? mainMenu->getNext() : nullptr; c; c = c->getNext()) {
            static_cast<Context*>(c)->closed = true;
            static_cast<Context*>(c)->deleteWhenClosed = true; // shown once, never again
        }
        step();
    }

    TempDataHome home;
    std::unique_ptr<platform::PlatformWindow> window;
    platform::ScriptedInput* pScript = nullptr; // owned by the engine's input
    Script script;
    int frames = 0;
    int scriptStart = 0;
};

#endif
