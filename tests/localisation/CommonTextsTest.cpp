#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "LanguageRowsSupport.h"
#include "core/Format.h"

TEST(CommonTexts, EnglishTextsAreStoredVerbatim) {
    const std::pair<StringId, const char16_t*> verbatim[] = {
        {STR_CONFIRM, u"Are you sure?"},
        {STR_YES, u"Yes"},
        {STR_NO, u"No"},
        {STR_OK, u"OK"},
        {STR_DONE, u"Done"},
        {STR_APPLY, u"Apply"},
        {STR_OFF, u"Off"},
        {STR_ON, u"On"},
        {STR_BACK, u"\u0009  Back"},
        {STR_NEXT, u"Next  \u000A"},
        {STR_CANCEL, u"\u0002  Cancel"},
        {STR_FINISH, u"Finish"},
        {STR_HELP, u"\u000D  Help"},
        {STR_QUIT, u"\u0002  Quit"},
        {STR_STARTINGDOTS, u"Starting..."},
        {STR_CONNECTED, u"Connected."},
        {STR_FAILED, u"Failed."},
        {STR_SUCCESS, u"Success."},
        {STR_DONEDOT, u"Done."},
        {STR_STOP, u"Stop."},
        {STR_FEATURELOCKED, u"This feature has not been unlocked yet"},
        {STR_PLAYERS, u"Players"},
        {STR_CLICKTOCHANGEPLAYERS, u"Click here to change players."},
        {STR_ENTERYOURNAME, u"Enter your name:"},
        {STR_HELLO, u"Hello, %s!"},
        {STR_ADDPLAYER, u"Add"},
        {STR_DELETEPLAYER, u"Delete"},
        {STR_STARTGAME, u"Save the World"},
        {STR_HIGHSCORES, u"Hall of Fame"},
        {STR_OPTIONS, u"Options"},
        {STR_OPTIONSDOTS, u"Options..."},
        {STR_WEBSITE, u"Website"},
        {STR_GAMEPLAY, u"Gameplay"},
        {STR_ALLOWCHEATS, u"Allow cheats"},
        {STR_SHAREDLIVES, u"Shared Lives"},
        {STR_DIFFICULTY, u"Difficulty"},
        {STR_GRAPHICS, u"Graphics"},
        {STR_DETAIL, u"Detail"},
        {STR_ADVANCEDOPTIONS, u"Advanced Options"},
        {STR_VIDEOMODE, u"Video mode"},
        {STR_FULLSCREEN, u"Full screen"},
        {STR_LETTERBOX, u"Letterbox"},
        {STR_VSYNC, u"V-Sync"},
        {STR_MAXIMUMFPS, u"Maximum fps"},
        {STR_BILINEARFILTER, u"Bilinear filter"},
        {STR_SHOWFPS, u"Show fps"},
        {STR_SOUND, u"Sound"},
        {STR_SOUNDQUALITY, u"Audio quality"},
        {STR_SOUNDQUALITYHINT, u"Overall sound quality (requires restart)"},
        {STR_SOUNDVOLUME, u"Sound volume"},
        {STR_MUSICVOLUME, u"Music volume"},
        {STR_INGAMEMUSIC, u"In-game music"},
        {STR_MUTEAUDIO, u"Mute audio"},
        {STR_ORIGINALMUSIC, u"Original music"},
        {STR_ORIGINALMUSICHINT, u"Switches between original and remastered music"},
        {STR_CONTROLS, u"Controls"},
        {STR_CONTROLSHINT, u"Press the new key or joystick button for this control"},
        {STR_CONTROLSUP, u"Move up"},
        {STR_CONTROLSDOWN, u"Move down"},
        {STR_CONTROLSLEFT, u"Move left"},
        {STR_CONTROLSRIGHT, u"Move right"},
        {STR_CONTROLSFIRE, u"Fire"},
        {STR_CONTROLSALTFIRE, u"Missile"},
        {STR_CONTROLSINGAMEMENU, u"In-game menu"},
        {STR_CONTROLSINGAMEMENUHINT, u"Bring up menu while playing (can't be changed)"},
        {STR_CONTROLS0, u"Player Controls"},
        {STR_CONTROLS0DOTS, u"Player controls..."},
        {STR_CONTROLS1, u"Player 1 Controls"},
        {STR_CONTROLS1DOTS, u"Player 1 controls..."},
        {STR_CONTROLS2, u"Player 2 Controls"},
        {STR_CONTROLS2DOTS, u"Player 2 controls..."},
        {STR_JOYSTICKDEADZONE, u"Dead zone"},
        {STR_DEVICE_KEYBOARD, u"Keyboard"},
        {STR_DEVICE_MOUSE, u"Mouse"},
        {STR_DEVICE_JOYSTICK, u"Joystick"},
        {STR_DEVICE_GAMEPAD, u"Gamepad"},
        {STR_DEVICE_TOUCHSCREEN, u"Touchscreen"},
        {STR_CHANGELANGUAGE, u"Language"},
        {STR_CHANGELANGUAGETEXT, u"Please restart the game|and select your new language."},
    };
    const auto english = textsOfRow(ROW_EN);
    for (const auto& [id, text] : verbatim)
        EXPECT_EQ(english[id], WideStringView(text)) << rowAndKey(ROW_EN, id);
    EXPECT_EQ(STR_FEATURELOCKED, 461);
    EXPECT_EQ(findStringKey(460), nullptr);
}

TEST(CommonTexts, TextsEqualToEnglishAreExactlyTheListedOnes) {
    const std::set<StringId> sameAsEnglish[LANGUAGE_COUNT] = {
        {},
        idsOfKeyList(
            "OK STOP OPTIONS OPTIONSDOTS LETTERBOX VSYNC CONTROLSALTFIRE JOYSTICKDEADZONE DEVICE_JOYSTICK"),
        idsOfKeyList("OK LETTERBOX JOYSTICKDEADZONE DEVICE_JOYSTICK DEVICE_GAMEPAD DEVICE_TOUCHSCREEN"),
        idsOfKeyList("NO OK OFF ON STOP LETTERBOX VSYNC CONTROLSALTFIRE JOYSTICKDEADZONE DEVICE_MOUSE "
                     "DEVICE_JOYSTICK DEVICE_GAMEPAD DEVICE_TOUCHSCREEN"),
        idsOfKeyList("NO OK LETTERBOX VSYNC JOYSTICKDEADZONE DEVICE_GAMEPAD"),
        idsOfKeyList("OK LETTERBOX VSYNC ORIGINALMUSIC CONTROLSMOUSEBUTTONSHINT ENUMCONTROLSMOUSEBUTTON0 "
                     "ENUMCONTROLSMOUSEBUTTON1 ENUMCONTROLSMOUSEBUTTON2 JOYSTICKDEADZONE"),
        idsOfKeyList("OK LETTERBOX ORIGINALMUSIC CONTROLSMOUSEBUTTONSHINT ENUMCONTROLSMOUSEBUTTON0 "
                     "ENUMCONTROLSMOUSEBUTTON1 ENUMCONTROLSMOUSEBUTTON2 JOYSTICKDEADZONE"),
        idsOfKeyList("OK STOP LETTERBOX VSYNC MUTEAUDIO MUTEAUDIOHINT JOYSTICKDEADZONE DEVICE_GAMEPAD"),
    };
    const std::size_t listed[LANGUAGE_COUNT] = {0, 9, 6, 13, 6, 9, 8, 8};
    for (int row = ROW_FR; row < LANGUAGE_COUNT; ++row) {
        ASSERT_EQ(sameAsEnglish[row].size(), listed[row]) << ROW_NAMES[row];
        expectSameAsEnglishExactlyAt(row, STR_CONFIRM, STR_CHANGELANGUAGETEXT, sameAsEnglish[row]);
    }
}

TEST(CommonTexts, ButtonIconsStandBeforeOrAfterTheirWord) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        const auto hasWordAfter = [](WideStringView text, WideStringView icon) {
            return text.starts_with(icon) && text.size() > icon.size() && text[icon.size()] != u' ';
        };
        EXPECT_TRUE(hasWordAfter(texts[STR_BACK], u"\u0009  ")) << rowAndKey(row, STR_BACK);
        EXPECT_TRUE(hasWordAfter(texts[STR_QUIT], u"\u0002  ")) << rowAndKey(row, STR_QUIT);
        const WideStringView next = texts[STR_NEXT];
        EXPECT_TRUE(next.ends_with(u"  \u000A") && next.size() > 3 && next[next.size() - 4] != u' ')
            << rowAndKey(row, STR_NEXT);
        if (row == ROW_JA) {
            EXPECT_EQ(texts[STR_CANCEL], WideStringView(u"\u30AD\u30E3\u30F3\u30BB\u30EB"));
        } else {
            EXPECT_TRUE(hasWordAfter(texts[STR_CANCEL], u"\u0002  ")) << rowAndKey(row, STR_CANCEL);
        }
        if (row == ROW_JA) {
            EXPECT_EQ(texts[STR_HELP], WideStringView(u"\u30D8\u30EB\u30D7"));
        } else if (row == ROW_KO) {
            EXPECT_EQ(texts[STR_HELP], WideStringView(u"\uB3C4\uC6C0\uB9D0"));
        } else {
            EXPECT_TRUE(hasWordAfter(texts[STR_HELP], u"\u000D  ")) << rowAndKey(row, STR_HELP);
        }
    }
}

TEST(CommonTexts, ValueLabelsAreConsecutiveFromValueZero) {
    struct Family {
        const char* key;
        StringId first;
        std::vector<const char16_t*> english;
    };
    const Family families[] = {
        {"ENUMDIFFICULTY", STR_ENUMDIFFICULTY0, {u"Rookie player", u"Veteran player"}},
        {"ENUMDETAIL", STR_ENUMDETAIL0, {u"Low", u"High"}},
        {"ENUMSOUNDQUALITY", STR_ENUMSOUNDQUALITY0, {u"Low", u"High", u"Very high"}},
        {"ENUMCONTROLSMOUSEBUTTON",
         STR_ENUMCONTROLSMOUSEBUTTON0,
         {u"Left-click", u"Right-click", u"Middle-click"}},
    };
    for (const Family& family : families) {
        for (std::size_t value = 0; value < family.english.size(); ++value) {
            const StringId id = family.first + StringId(value);
            EXPECT_EQ(idOfKey(fromUtf8(family.key + std::to_string(value))), id) << family.key << value;
            EXPECT_EQ(textsOfRow(ROW_EN)[id], WideStringView(family.english[value])) << family.key << value;
            for (int row = 0; row < LANGUAGE_COUNT; ++row)
                EXPECT_FALSE(textsOfRow(row)[id].empty()) << rowAndKey(row, id);
        }
        EXPECT_EQ(idOfKey(fromUtf8(family.key + std::to_string(family.english.size()))), -1) << family.key;
    }
    EXPECT_EQ(textsOfRow(ROW_FR)[STR_ENUMDIFFICULTY1], WideStringView(u"Joueur confirm\u00E9"));
}

TEST(CommonTexts, QuotedTranslationsAreStoredExactly) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        for (StringId id : {STR_OK, STR_LETTERBOX, STR_JOYSTICKDEADZONE})
            EXPECT_EQ(texts[id], textsOfRow(ROW_EN)[id]) << rowAndKey(row, id);
    }
    EXPECT_EQ(textsOfRow(ROW_FR)[STR_DEVICE_GAMEPAD], WideStringView(u"Manette de jeu"));
    EXPECT_EQ(textsOfRow(ROW_ES)[STR_CHANGELANGUAGETEXT],
              WideStringView(u"Por favor, inicia de nuevo el juego |y selecciona tu nuevo idioma."));
    for (StringId id : {STR_ALLOWCHEATS, STR_ALLOWCHEATSHINT}) {
        const WideStringView french = textsOfRow(ROW_FR)[id];
        EXPECT_EQ(std::count(french.begin(), french.end(), u'"'), 2) << rowAndKey(ROW_FR, id);
        EXPECT_NE(french.find(u"\" la Triche \""), WideStringView::npos) << rowAndKey(ROW_FR, id);
    }
}

TEST(CommonTexts, LabelsWithDotsAndTheRestartNoteKeepTheirForm) {
    const StringId dotted[] = {STR_STARTINGDOTS, STR_OPTIONSDOTS, STR_CONTROLS0DOTS, STR_CONTROLS1DOTS,
                               STR_CONTROLS2DOTS};
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        for (StringId id : dotted)
            EXPECT_TRUE(texts[id].ends_with(u"...") && !texts[id].ends_with(u"....")) << rowAndKey(row, id);
        const WideStringView note = texts[STR_CHANGELANGUAGETEXT];
        EXPECT_EQ(std::count(note.begin(), note.end(), u'|'), 1) << rowAndKey(row, STR_CHANGELANGUAGETEXT);
        EXPECT_FALSE(note.starts_with(u'|') || note.ends_with(u'|'))
            << rowAndKey(row, STR_CHANGELANGUAGETEXT);
    }
}

TEST(CommonTexts, GreetingTakesTheNameAsItsOnlyValue) {
    EXPECT_EQ(stringf(textsOfRow(ROW_EN)[STR_HELLO], u"Ann"), WideString(u"Hello, Ann!"));
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const WideString greeting = stringf(textsOfRow(row)[STR_HELLO], u"50% Ann%s");
        EXPECT_NE(greeting.find(u"50% Ann%s"), WideString::npos) << rowAndKey(row, STR_HELLO);
        EXPECT_EQ(greeting.find(u"<XXX>"), WideString::npos) << rowAndKey(row, STR_HELLO);
    }
}

TEST(CommonTexts, LettersStayWithinWhatTheRangeNeeds) {
    const std::u16string beyondAscii[LANGUAGE_COUNT] = {
        u"",
        u"\u00C9\u00CA\u00E0\u00E8\u00E9\u00EA\u00F4\u00FB",
        u"\u00C4\u00D6\u00DC\u00E4\u00F6\u00FC",
        u"\u00E0\u00E8\u00F2\u00F9",
        u"\u00A1\u00BF\u00C9\u00E1\u00ED\u00F1\u00F3\u00FA",
        u"\u30FC",
        u"",
        u"\u00F3\u0105\u0107\u0119\u0142\u0144\u015A\u015B\u017A\u017B\u017C",
    };
    const auto isAllowed = [&](int row, StringId id, char16_t c) {
        if (c >= 0x20 && c < 0x7F) return true;
        if (beyondAscii[row].find(c) != std::u16string::npos) return true;
        if (row == ROW_JA)
            return isHiragana(c) || isKatakana(c) || isIdeograph(c) ||
                   (c == u'\u3001' && id == STR_DETAILHINT);
        if (row == ROW_KO) return isHangulSyllable(c);
        return false;
    };
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        for (StringId id = STR_CONFIRM; id <= STR_CHANGELANGUAGETEXT; ++id)
            for (char16_t c : texts[id]) {
                if (c < 0x20) continue; // icon glyphs, checked with the buttons
                EXPECT_TRUE(isAllowed(row, id, c)) << rowAndKey(row, id) << " holds U+" << std::hex << int(c);
            }
    }
}
