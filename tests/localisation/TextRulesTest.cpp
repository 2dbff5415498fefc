#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "core/Format.h"
#include "core/StringUtil.h"
#include "LanguageRowsSupport.h"

// Rules every language's texts keep, so that a text added or changed later still fits the code
// that formats and shows it.

namespace {

/// The printf placeholders of a text in order; a "%" that starts no conversion is plain text.
std::vector<std::u16string> placeholders(WideStringView text) {
    std::vector<std::u16string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') continue;
        std::size_t end = i + 1;
        while (end < text.size() && WideStringView(u"-+ #0123456789.hlL").find(text[end]) != WideStringView::npos)
            ++end;
        if (end < text.size() && WideStringView(u"sdiuxXcfeg%").find(text[end]) != WideStringView::npos) {
            found.emplace_back(text.substr(i, end - i + 1));
            i = end;
        }
    }
    return found;
}

/// Japanese kana and ideographs in the Japanese row, Hangul syllables in the Korean one.
bool isOwnScript(int row, char16_t c) {
    if (row == ROW_JA) return isHiragana(c) || isKatakana(c) || c == 0x30FB || c == 0x30FC || isIdeograph(c);
    if (row == ROW_KO) return isHangulSyllable(c);
    return false;
}

}  // namespace

TEST(TextRules, PlaceholdersStandExactlyInTheListedTextsInEveryLanguage) {
    const std::map<StringId, std::vector<std::u16string>> expected = {
        {STR_HELLO, {u"%s"}},
        {STR_ERRORREPORTUPLOADING, {u"%s"}},
        {STR_CONNECTEDTO, {u"%s"}},
        {STR_DISCONNECTEDFROM, {u"%s"}},
        {STR_PLAYERJOINED, {u"%s"}},
        {STR_PLAYERLEFT, {u"%s"}},
        {STR_FAILEDWITHCODE, {u"%d"}},
        {STR_ERRORMINVERSIONCLIENT, {u"%s", u"%.2lf"}},
        {STR_ERRORMINVERSIONSERVER, {u"%s", u"%.2lf"}},
        {STR_IOS_MWLEGAL2, {u"%s", u"%s"}},
    };
    forEachGivenText([&](int row, StringId id, WideStringView text) {
        const auto entry = expected.find(id);
        const std::vector<std::u16string> wanted = entry == expected.end() ? std::vector<std::u16string>() : entry->second;
        EXPECT_EQ(placeholders(text), wanted) << rowAndKey(row, id);
        const auto percents = static_cast<std::size_t>(std::count(text.begin(), text.end(), u'%'));
        EXPECT_EQ(percents, row == ROW_FR && id == STR_DIK_APOSTROPHE ? 1 : wanted.size()) << rowAndKey(row, id);
    });
    EXPECT_EQ(stringf(textsOfRow(ROW_EN)[STR_HELLO], u"Ann"), u"Hello, Ann!");
}

TEST(TextRules, CharactersStayWithinEachLanguagesRepertoireAndIconsOnlyInButtonTexts) {
    const std::u16string beyondAscii[LANGUAGE_COUNT] = {
        u"\u00A9",
        u"\u00A0\u00A3\u00A7\u00A8\u00A9\u00AB\u00B0\u00B2\u00B5\u00BB\u00C0\u00C7\u00C9\u00CA\u00E0\u00E3\u00E6"
        u"\u00E7\u00E8\u00E9\u00EA\u00EB\u00ED\u00EE\u00EF\u00F4\u00F9\u00FB\u0153",
        u"\u00A9\u00C4\u00D6\u00DC\u00DF\u00E0\u00E3\u00E4\u00E9\u00ED\u00F6\u00FC",
        u"\u00A9\u00D9\u00E0\u00E3\u00E8\u00E9\u00EC\u00ED\u00F2\u00F9",
        u"\u00A1\u00A9\u00BF\u00C1\u00C9\u00CD\u00D3\u00DA\u00E1\u00E9\u00ED\u00F1\u00F3\u00FA",
        u"\u00A9\u3001\u3002\u300C\u300D",
        u"\u00A9",
        u"\u00A9\u00D3\u00F3\u0105\u0106\u0107\u0118\u0119\u0141\u0142\u0144\u015A\u015B\u017A\u017B\u017C",
    };
    const std::set<StringId> iconTexts = idsOfKeyList("CANCEL QUIT DIK_UP DIK_DOWN DIK_LEFT DIK_RIGHT BACK NEXT HELP "
                                                      "DIK_NUMLOCK ENDING14");
    const std::u16string iconUnits = u"\u0002\u0003\u0004\u0005\u0006\u0009\u000A\u000D";
    forEachGivenText([&](int row, StringId id, WideStringView text) {
        for (const char16_t c : text) {
            const bool bAllowed = c < 0x20 ? iconUnits.find(c) != std::u16string::npos && iconTexts.count(id)
                                           : c < 0x7F || beyondAscii[row].find(c) != std::u16string::npos ||
                                                 isOwnScript(row, c);
            EXPECT_TRUE(bAllowed) << rowAndKey(row, id) << " holds U+" << std::hex << int(c);
        }
        // The copyright sign belongs to the copyright line, the no-break space to French exclamations.
        EXPECT_EQ(text.find(u'©') != WideStringView::npos, id == STR_COPYRIGHT) << rowAndKey(row, id);
        EXPECT_EQ(text.find(u'\u00A0') != WideStringView::npos,
                  row == ROW_FR && (id == STR_IOS_RATENOW || id == STR_IOS_PROGRESSLOST))
            << rowAndKey(row, id);
    });
}

TEST(TextRules, ButtonWordsKeepTheirIconsAndNumberedNamesCountFromZero) {
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
        EXPECT_TRUE(row == ROW_JA || hasWordAfter(texts[STR_CANCEL], u"\u0002  ")) << rowAndKey(row, STR_CANCEL);
        EXPECT_TRUE(row == ROW_JA || row == ROW_KO || hasWordAfter(texts[STR_HELP], u"\u000D  "))
            << rowAndKey(row, STR_HELP);

        for (const auto& [first, count] : {std::pair{STR_DIK_JOYBUTTON0, JOYSTICK_BUTTONS}, {STR_DIK_MOUSEBUTTON0, 4}}) {
            const WideStringView zero = texts[first];
            ASSERT_TRUE(zero.ends_with(u'0')) << rowAndKey(row, first);
            for (int n = 0; n < count; ++n)
                EXPECT_EQ(texts[first + n], WideString(zero.substr(0, zero.size() - 1)) + fromUtf8(std::to_string(n)))
                    << rowAndKey(row, first + n);
        }
        for (StringId id : {STR_STARTINGDOTS, STR_OPTIONSDOTS, STR_CONTROLS0DOTS, STR_CONTROLS1DOTS, STR_CONTROLS2DOTS})
            EXPECT_TRUE(texts[id].ends_with(u"...") && !texts[id].ends_with(u"....")) << rowAndKey(row, id);
        // The firing methods share their second line; the mothership has one name at every encounter.
        const auto secondLine = [](WideStringView text) { return text.substr(text.find(u'|') + 1); };
        for (StringId id = STR_ENUMFIRINGMETHOD1DESC; id <= STR_ENUMFIRINGMETHOD3DESC; ++id)
            EXPECT_EQ(secondLine(texts[id]), secondLine(texts[STR_ENUMFIRINGMETHOD0DESC])) << rowAndKey(row, id);
        EXPECT_FALSE(texts[STR_WAVE39].empty());
        EXPECT_EQ(texts[STR_WAVE69], texts[STR_WAVE39]) << ROW_NAMES[row];
        EXPECT_EQ(texts[STR_WAVE109], row == ROW_PL ? stringf(u" %s ", texts[STR_WAVE39]) : WideString(texts[STR_WAVE39]))
            << ROW_NAMES[row];
    }
}

TEST(TextRules, ValueLabelsAreConsecutiveFromValueZero) {
    const std::pair<const char*, int> families[] = {
        {"ENUMDIFFICULTY", 2}, {"ENUMDETAIL", 2}, {"ENUMSOUNDQUALITY", 3}, {"ENUMCONTROLSMOUSEBUTTON", 3}};
    for (const auto& [key, values] : families) {
        const StringId first = idOfKey(fromUtf8(std::string(key) + "0"));
        for (int value = 0; value < values; ++value)
            EXPECT_EQ(idOfKey(fromUtf8(key + std::to_string(value))), first + value) << key << value;
        EXPECT_EQ(idOfKey(fromUtf8(key + std::to_string(values))), -1) << key;
    }
}

// The country list finds the name of its entry i at COUNTRYNONE + i, so these codes must stand at
// ids 200 + i in exactly this order; it shows "CC (name)" in at most 52 characters.
TEST(TextRules, CountryKeysStandInListOrderAndEnglishNamesAreSortedAndFit) {
    constexpr std::string_view CODES = "AF AL DZ AS AD AO AI AQ AG AR AM AW AU AT AZ BS BH BD BB BY BE BZ BJ BM BT BO BA "
                                       "BW BV BR IO BN BG BF BI KH CM CA CV KY CF TD CL CN CX CC CO KM CG CD CK CR CI HR "
                                       "CU CY CZ DK DJ DM DO TP EC EG SV GQ ER EE ET FK FO FJ FI FR FX GF PF TF GA GM GE "
                                       "DE GH GI GR GL GD GP GU GT GN GW GY HT HM VA HN HK HU IS IN ID IR IQ IE IL IT JM "
                                       "JP JO KZ KE KI KP KR KW KG LA LV LB LS LR LY LI LT LU MO MK MG MW MY MV ML MT MH "
                                       "MQ MR MU YT MX FM MD MC MN MS MA MZ MM NA NR NP NL AN NC NZ NI NE NG NU NF MP NO "
                                       "OM PK PW PA PG PY PE PH PN PL PT PR QA RE RO RU RW KN LC VC WS SM ST SA SN SC SL "
                                       "SG SK SI SB SO ZA GS ES LK SH PM SD SR SJ SZ SE CH SY TW TJ TZ TH TG TK TO TT TN "
                                       "TR TM TC TV UG UA AE GB US UM UY UZ VU VE VN VG VI WF EH YE RS ME ZM ZW";
    ASSERT_EQ(CODES.size(), 240u * 3 - 1);
    EXPECT_EQ(STR_COUNTRYNONE, 199);
    for (std::size_t i = 0; i < 240; ++i)
        EXPECT_EQ(idOfKey(fromUtf8("COUNTRY" + std::string(CODES.substr(3 * i, 2)))), StringId(200 + i)) << i;
    EXPECT_EQ(idOfKey(u"COUNTRYTL"), -1);

    const auto english = textsOfRow(ROW_EN);
    std::string previous;
    for (StringId id = STR_COUNTRYAF; id <= STR_COUNTRYZW; ++id) {
        if (id == STR_COUNTRYMK || id == STR_COUNTRYRS || id == STR_COUNTRYME) continue;  // placed apart
        std::string lowered = toUtf8(english[id]);
        std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        EXPECT_LT(previous, lowered) << rowAndKey(ROW_EN, id);
        previous = lowered;
    }
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        for (StringId id = STR_COUNTRYNONE; id <= STR_COUNTRYZW; ++id)
            EXPECT_LE(texts[id].size() + 5, 52u) << rowAndKey(row, id);
    }
}
