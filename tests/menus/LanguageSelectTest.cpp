#include <gtest/gtest.h>
#include <cstdlib>
#include "MenuTestSupport.h"
#include "core/Language.h"
#include "game/Loader.h"
#include "menus/ContextLanguageSelect.h"
#include "menus/LanguageFlag.h"

TEST(ContextLanguageSelect, FillsItsGridRowByRowAroundTheCentre) {
    struct Case {
        int flags, columns, rows;
        int index;
        Vector3 position;
    };
    const Case cases[] = {
        {8, 3, 3, 0, {-100.f, 100.f, 0.f}}, {8, 3, 3, 7, {0.f, -100.f, 0.f}},   {1, 1, 1, 0, {0.f, 0.f, 0.f}},
        {4, 2, 2, 3, {50.f, -50.f, 0.f}},   {5, 2, 3, 4, {-50.f, -100.f, 0.f}},
    };
    for (const Case& c : cases) {
        const ContextLanguageSelect::Grid grid = ContextLanguageSelect::gridFor(c.flags);
        EXPECT_EQ(grid.columns, c.columns) << c.flags;
        EXPECT_EQ(grid.rows, c.rows) << c.flags;
        const Vector3 p = ContextLanguageSelect::flagPosition(c.index, grid);
        EXPECT_FLOAT_EQ(p.x, c.position.x) << c.flags << "/" << c.index;
        EXPECT_FLOAT_EQ(p.y, c.position.y) << c.flags << "/" << c.index;
    }
}

TEST(ContextLanguageSelect, ShowsOneFlagPerEnabledLanguageAndDetectsOnlyThose) {
    MenuRig rig;
    rig.f.addTexture(u"languageFlags", 15);
    Language& language = Vek::get()->getLanguage();
    struct Case {
        const char16_t* mask;
        const char* locale;
        std::vector<int> flags; // the flags' languages, in order
        int detected;
    };
    const Case cases[] = {
        {u"", "ko_KR.UTF-8", {0, 1, 2, 3, 4, 5, 6, 7}, 6},
        {u"10000001", "pl_PL.UTF-8", {0, 7}, 7},
        {u"10000001", "fr_FR.UTF-8", {0, 7}, 0}, // built in, but not enabled
        {u"00001", "ru_RU.UTF-8", {4}, 0},
    };
    for (const Case& c : cases) {
        language.setLanguageMask(c.mask);
        setenv("LC_ALL", c.locale, 1);
        EXPECT_EQ(ContextLanguageSelect::autodetectLanguage(), c.detected) << c.locale;
        ContextLanguageSelect screen;
        std::vector<int> flags;
        for (VekBase* child = screen.getChildren().getHead(); child; child = child->getNext())
            flags.push_back(static_cast<LanguageFlag*>(child)->language);
        EXPECT_EQ(flags, c.flags) << toUtf8(c.mask);
        EXPECT_FALSE(screen.closeOnEscape);
    }
    unsetenv("LC_ALL");
}

TEST(ContextLanguageSelectDeathTest, ACodeWithoutFlagStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ContextLanguageSelect::isoCode2skinIndex(u"EN"), testing::ExitedWithCode(1),
                "Could not find flag for ISO code 'EN'");
}

namespace {

/// A game root with the real menu screens that loads the test archives frame by frame.
struct LoadingGame : ScriptedMenuInput {
    GameTestEngine engine;
    std::unique_ptr<GameGlobal> game;

    LoadingGame() {
        game = std::make_unique<GameGlobal>(std::make_unique<GameMenuScreens>(), engine.mainArchive);
        game->initPreLoader();
    }
    ~LoadingGame() { game.reset(); }
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            input->poll();
            engine.vek->frame(game->getRootContext());
        }
    }
};

} // namespace

TEST(Loader, AsksForTheLanguageOnlyWhenToldToAndWaitsForTheChoice) {
    struct Case {
        int setting;
        const char16_t* mask;
        bool asks;
        int language; // after loading
    };
    const Case cases[] = {
        {-2, u"", false, 1},         // detected from the system
        {-1, u"", true, 1},          // the French flag is pressed
        {-1, u"00000000", false, 0}, // nothing enabled: no screen that could never be left
    };
    for (const Case& c : cases) {
        setenv("LC_ALL", "fr_FR.UTF-8", 1);
        LoadingGame g;
        g.engine.vek->getLanguage().setLanguageMask(c.mask);
        g.engine.vek->defaultLanguage = c.setting;
        g.frames(4);
        auto* select = dynamic_cast<ContextLanguageSelect*>(g.game->contextManager->getTopContext());
        ASSERT_EQ(select != nullptr, c.asks) << c.setting;
        if (select) {
            const Loader* loader = static_cast<Loader*>(g.game->contextManager->getChildren().getHead());
            EXPECT_EQ(loader->step, 110);           // waits under the screen
            g.tracker.position = {0.f, 100.f, 0.f}; // French: second column, top row
            g.pScript->next.mouseButtons[0] = true;
            g.frames(1);
            g.pScript->next.mouseButtons[0] = false;
        }
        g.frames(3);
        EXPECT_EQ(g.engine.vek->getLanguage().getCurrentLanguage(), c.language) << c.setting;
        EXPECT_EQ(g.engine.vek->defaultLanguage, c.language) << c.setting;
    }
    unsetenv("LC_ALL");
}
