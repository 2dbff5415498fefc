#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>
#include "MenuTestSupport.h"
#include "core/Language.h"
#include "media/FontQuad.h"
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
    for (const auto& [typed, added] : {std::pair{u"  \t", false}, {u"  Kira Vel  ", true}}) {
        PlayerRig rig;
        auto* screen = new ContextEnterName(false);
        rig.stack->addContext(screen);
        typeUnits(rig, *screen, typed);
        EXPECT_EQ(screen->okButton->disabled, !added);
        typeUnits(rig, *screen, u"\r");
        EXPECT_EQ(screen->closed, added);
        EXPECT_EQ(rig.profiles().getProfileName(0), added ? u"Kira Vel" : u"");
    }
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
