#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <set>
#include <vector>
#include "../game/GameHarness.h"
#include "MenuTestSupport.h"
#include "core/Language.h"
#include "media/FontQuad.h"
#include "media/MemoryImageFile.h"
#include "menus/ContextEnterName.h"
#include "menus/ContextHighscores.h"
#include "menus/ContextMainMenu.h"
#include "menus/ContextPlayers.h"
#include "menus/MenuButton.h"
#include "menus/PlayerGreeting.h"

namespace {

constexpr int KEY_X = 0x2D;
constexpr int KEY_LCONTROL = 0x1D;
constexpr int KEY_LALT = 0x38;
constexpr int KEY_LSHIFT = 0x2A;

/// A menu rig whose game has `names` as its profiles, the first one current.
struct PlayerRig : MenuRig {
    explicit PlayerRig(std::initializer_list<const char16_t*> names = {}) {
        f.addTexture(u"logo", 3);
        for (const char16_t* name : names)
            f.game->profiles.addProfile(name);
        f.game->profiles.currentProfile = 0;
    }
    ProfileManager& profiles() { return f.game->profiles; }
    /// The type of the top screen of the stack.
    template <class T> T* top() { return dynamic_cast<T*>(stack->getTopContext()); }
};

/// Types `units` into `screen`, one UTF-16 unit a frame.
void typeUnits(MenuRig& rig, ContextEnterName& screen, std::u16string_view units) {
    for (char16_t unit : units) {
        rig.input->typedChar = unit;
        screen.tickContents(0.0, 1.0 / 30.0);
    }
}

} // namespace

TEST(ContextEnterName, KeepsWholeSurrogatePairsAndNoControlCharacters) {
    const std::u16string pair = u"\U0001F600", high = u"\xD83D";
    struct Case {
        const char* name;
        std::u16string typed;
        std::u16string expected;
    };
    const Case cases[] = {
        {"letters", u"Kira", u"Kira"},
        {"controls C0, DEL, C1", u"ab\x01\t\x1F\x7F\x80\x85\x9F", u"ab"},
        {"a pair", u"a" + pair, u"a" + pair},
        {"a lone second half", u"a\xDE00", u"a"},
        {"a first half before a letter", high + u"a", u"a"},
        {"a first half replaced by the next", high + pair, pair},
        {"17 letters", u"abcdefghijklmnopq", u"abcdefghijklmnop"},
        {"a pair that does not fit", u"abcdefghijklmno" + pair + u"x", u"abcdefghijklmnox"},
        {"backspace removes a pair", u"a" + pair + u"\b", u"a"},
        {"backspace removes a letter", u"ab\b", u"a"},
        {"backspace on nothing", u"\b\b", u""},
        {"a half then backspace", u"a\xD83D\b\xDE00", u""},
    };
    PlayerRig rig;
    for (const Case& c : cases) {
        ContextEnterName screen(true);
        typeUnits(rig, screen, c.typed);
        EXPECT_EQ(screen.name, c.expected) << c.name;
    }
}

TEST(ContextEnterName, TakesOnlyCharactersThatTheNamesFontDrawsInEveryLanguage) {
    struct Case {
        const char* name;
        std::u16string typed;
        bool bTaken;
    };
    const Case cases[] = {
        {"Latin letter", u"K", true},
        {"accented letter of code page 1252", u"\u00E9", true},
        {"letter of code page 1250", u"\u0151", true},
        {"Japanese", u"\u65E5", true},
        {"Korean", u"\uD55C", true},
        {"emoji that DejaVu Sans draws", u"\U0001F600", true},
        {"emoji that no typeface has", u"\U0001F680", false},
        {"variation selector", u"\U000E0100", false},
        {"lone first half", u"\xD83D", false},
        {"lone second half", u"\xDE00", false},
    };
    constexpr int ENGLISH = 0, JAPANESE = 5;
    PlayerRig rig;
    FontQuad font; // no pages: names go through the system font, as on every screen
    rig.f.game->fontLarge = &font;
    for (const int language : {ENGLISH, JAPANESE}) {
        Vek::get()->getLanguage().setLanguage(language);
        for (const Case& c : cases) {
            ContextEnterName screen(true);
            typeUnits(rig, screen, u"a" + c.typed);
            EXPECT_EQ(screen.name, c.bTaken ? u"a" + c.typed : u"a") << c.name << " in language " << language;
        }
    }
    rig.f.game->fontLarge = nullptr;
}

TEST(ContextEnterName, ReturnAddsTheTrimmedNameOnlyWhenOneIsLeft) {
    struct Case {
        const char* name;
        std::u16string typed;
        std::u16string added; // "": refused
    };
    const Case cases[] = {
        {"blanks", u"  \t", u""},
        {"blanks around", u"  Kira Vel  ", u"Kira Vel"},
        {"no-break spaces", u"\u00A0\u00A0", u""},
        {"an ideographic space", u"\u3000", u""},
        {"zero-width spaces", u"\u200B\uFEFF", u""},
        {"invisibles around", u"\u3000\U000E0020Kira\u00A0Vel\u200B\U000E0020", u"Kira\u00A0Vel"},
    };
    for (const Case& c : cases) {
        PlayerRig rig;
        auto* screen = new ContextEnterName(false);
        rig.stack->addContext(screen);
        typeUnits(rig, *screen, c.typed);
        EXPECT_EQ(screen->okButton->disabled, c.added.empty()) << c.name;
        typeUnits(rig, *screen, u"\r");
        EXPECT_EQ(screen->closed, !c.added.empty()) << c.name;
        EXPECT_EQ(rig.profiles().getProfileName(0), c.added) << c.name;
    }
}

TEST(ContextEnterName, OpensEmptyWhateverWasTypedAtTheScreenBefore) {
    PlayerRig rig;
    rig.stack->addContext(new ContextMenu());
    rig.pScript->next.typed = " qwertyuiop"; // a burst typed in one frame
    rig.tickStack();
    auto* screen = new ContextEnterName(false);
    rig.stack->addContext(screen);
    for (int frame = 0; frame < 12; ++frame)
        rig.tickStack();
    EXPECT_EQ(screen->name, u"");
    rig.pScript->next.typed = "K";
    rig.tickStack();
    EXPECT_EQ(screen->name, u"K");
}

TEST(ContextPlayers, AddsUpToEightDeletesDownToOneAndADeletionChangesTheProfile) {
    struct Case {
        int profiles;
        bool canAdd, canDelete;
    };
    const Case cases[] = {{1, true, false}, {2, true, true}, {7, true, true}, {8, false, true}};
    PlayerRig rig;
    ContextPlayers screen;
    for (const Case& c : cases) {
        while (rig.profiles().getNumProfiles() < c.profiles)
            rig.profiles().addProfile(u"Ana");
        screen.tickContents(0.0, 1.0 / 30.0);
        EXPECT_EQ(screen.addButton->disabled, !c.canAdd) << c.profiles;
        EXPECT_EQ(screen.deleteButton->disabled, !c.canDelete) << c.profiles;
    }
    rig.f.game->highlightedScoreRow = 3; // deleting changes the current profile
    screen.deleteButton->clicked = true;
    screen.tickContents(0.0, 1.0 / 30.0);
    EXPECT_EQ(rig.profiles().getNumProfiles(), 7);
    EXPECT_EQ(rig.f.game->highlightedScoreRow, -1);
}

TEST(PlayerGreeting, OpensOneScreenAFrame) {
    struct Case {
        bool named, pressed;
        bool playersOpened, nameEntryOpened;
    };
    const Case cases[] = {
        {false, false, false, true}, {false, true, true, false}, {true, false, false, false}};
    for (const Case& c : cases) {
        PlayerRig rig;
        if (c.named) rig.profiles().addProfile(u"Ana");
        auto* menu = new ContextMenu();
        rig.stack->addContext(menu);
        menu->addMenuChild(new PlayerGreeting());
        rig.pointAt(0.f, 20.f);
        rig.setMouseButton(c.pressed);
        rig.tickStack();
        EXPECT_EQ(rig.stack->getChildren().count(), 1u + c.playersOpened + c.nameEntryOpened);
        EXPECT_EQ(rig.top<ContextPlayers>() != nullptr, c.playersOpened);
        EXPECT_EQ(rig.top<ContextEnterName>() != nullptr, c.nameEntryOpened);
        EXPECT_EQ(rig.f.game->configuration.greetingOpenedNameEntry, !c.named);
    }
}

TEST(ContextMain, SavesOnTopAndOnlyCtrlAltXCrashesInReleaseAndDevelopment) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* chord;
        std::vector<int> keys;
        bool bCrash;
    };
    const Case cases[] = {{"Ctrl+Alt+X", {KEY_LCONTROL, KEY_LALT, KEY_X}, true},
                          {"Ctrl+Alt+Shift+X", {KEY_LCONTROL, KEY_LALT, KEY_LSHIFT, KEY_X}, false},
                          {"Ctrl+X", {KEY_LCONTROL, KEY_X}, false}};
    for (bool release : {true, false}) {
        for (const Case& c : cases) {
            const auto pressChord = [release, &c] {
                PlayerRig rig({u"Ana"});
                rig.f.engine.vek->bRelease = release;
                rig.stack->addContext(new ContextMainMenu());
                rig.tickStack();
                for (int key : c.keys)
                    rig.key(key, true);
                rig.tickStack();
                std::exit(std::filesystem::exists(rig.f.engine.home.path() /
                                                  "ZV2rmBrumedemo/3.07/ZV2rmBrumedemo.pro")
                              ? 3
                              : 4);
            };
            EXPECT_EXIT(pressChord(), testing::ExitedWithCode(c.bCrash ? 1 : 3),
                        c.bCrash ? "Error: Crash requested." : "")
                << c.chord << (release ? " in release" : " in development");
        }
    }
}

TEST(ContextHighscores, OnlyTheHighlightedRowPulsesYellowGreen) {
    PlayerRig rig;
    rig.f.game->highlightedScoreRow = 3;
    ContextHighscores screen;
    std::set<uint32_t> pulse; // between 0xFF80FF00 and 0xFFC0FF80
    for (int frame = 0; frame < 12; ++frame) {
        screen.tickContext(0.0, 1.0 / 30.0);
        pulse.insert(screen.rowColour(3));
        EXPECT_EQ(screen.rowColour(2), 0xFFFFFFFFu);
    }
    EXPECT_GT(pulse.size(), 3u);
    EXPECT_GE(*pulse.begin(), 0xFF80FF00u);
    EXPECT_LE(*pulse.rbegin(), 0xFFC0FF80u);
}

#ifdef VEK_ASSETS_DIR

namespace {

/// The high-score screen alone on black, as drawn on the harness's display.
MemoryImageFile drawScreen(ContextHighscores& screen) {
    VekGraphics& graphics = *VekGraphics::get();
    graphics.beginScene();
    graphics.clear(0xFF000000);
    screen.renderContext();
    MemoryImageFile image(graphics.viewportWidth, graphics.getViewportHeight());
    image.pixels = graphics.readViewport();
    graphics.endScene();
    return image;
}

/// The first and last pixel column from `left` to before `right` where `isMarked(x, y)` holds
/// in a pixel row from `top` to before `bottom`; first > last when none.
std::pair<int, int> markedColumns(int top, int bottom, int left, int right,
                                  const std::function<bool(int, int)>& isMarked) {
    std::pair<int, int> span{right, left - 1};
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (isMarked(x, y)) span = {std::min(span.first, x), std::max(span.second, x)};
    return span;
}

} // namespace

TEST(ContextHighscores, NamesAndScoresEndBeforeTheLevelColumnInEveryDisplaySize) {
    constexpr int GERMAN = 2, JAPANESE = 5;
    constexpr float GAP = 2.f; // units a cell keeps from the level column at least
    // A name's character, 16 of them as the name entry takes, and a score.
    const std::pair<std::u16string, int32_t> worst[] = {{u"\u65E5", 2147483647},
                                                        {u"W", 999999999},
                                                        {u"\U0001F600", 1999999999},
                                                        {u"\uFF37", -2147483647 - 1}};
    const struct {
        int language, width, height;
    } cases[] = {{GERMAN, 640, 480}, {GERMAN, 1600, 1200}, {JAPANESE, 640, 480}, {JAPANESE, 1600, 1200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << c.language << " at " << c.width << "x" << c.height);
        GameHarnessOptions options;
        options.bDraw = true;
        options.language = c.language;
        options.displayWidth = c.width;
        options.displayHeight = c.height;
        GameHarness harness(options);
        auto& table = harness.game().configuration.highScores;
        ContextHighscores screen;
        screen.tickContext(0.0, 1.0 / 30.0);
        for (HIGHSCOREENTRY& entry : table) { // the level column alone: "..." and "0" stay clear of it
            entry.name.set(u"");
            entry.wave = 110;
            entry.score = 0;
        }
        const MemoryImageFile clear = drawScreen(screen);
        for (std::size_t i = 0; i < std::size(worst); ++i) {
            std::u16string name;
            for (int n = 0; n < 16; ++n)
                name += worst[i].first;
            table[i].name.set(name);
            table[i].score = worst[i].second;
        }
        const MemoryImageFile full = drawScreen(screen);
        ASSERT_EQ(std::pair(full.width, full.height), std::pair(c.width, c.height));
        const float unit = static_cast<float>(c.width) / 640.f; // pixels per unit
        const auto lit = [&](int x, int y) { return (clear.at(x, y) & 0xFFFFFF) != 0; };
        const auto changed = [&](int x, int y) { return full.at(x, y) != clear.at(x, y); };
        for (std::size_t i = 0; i < std::size(worst); ++i) {
            const int top = static_cast<int>((90.f + 30.f * static_cast<float>(i)) * unit); // the row's line
            const int bottom = top + static_cast<int>(30.f * unit);
            const auto level = markedColumns(top, bottom, static_cast<int>(170.f * unit),
                                             static_cast<int>(520.f * unit), lit);
            ASSERT_LE(level.first, level.second) << "row " << i << " shows no level";
            const int middle = (level.first + level.second) / 2;
            const auto name = markedColumns(top, bottom, 0, middle, changed);
            const auto score = markedColumns(top, bottom, middle, full.width, changed);
            EXPECT_LE(name.first, name.second) << "row " << i << ": no name";
            EXPECT_LT(name.second, level.first - GAP * unit) << "row " << i << ": the name reaches the level";
            EXPECT_LE(score.first, score.second) << "row " << i << ": no score";
            EXPECT_GT(score.first, level.second + GAP * unit)
                << "row " << i << ": the score reaches the level";
        }
    }
}

#endif
