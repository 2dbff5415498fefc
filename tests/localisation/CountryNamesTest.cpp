#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>
#include "LanguageRowsSupport.h"

namespace {

// The country list finds the name of its entry i at COUNTRYNONE + i, so these codes must
// stand at ids 200 + i in exactly this order.
constexpr std::string_view COUNTRY_CODES = "AF AL DZ AS AD AO AI AQ AG AR AM AW AU AT AZ BS BH BD BB BY "
                                           "BE BZ BJ BM BT BO BA BW BV BR IO BN BG BF BI KH CM CA CV KY "
                                           "CF TD CL CN CX CC CO KM CG CD CK CR CI HR CU CY CZ DK DJ DM "
                                           "DO TP EC EG SV GQ ER EE ET FK FO FJ FI FR FX GF PF TF GA GM "
                                           "GE DE GH GI GR GL GD GP GU GT GN GW GY HT HM VA HN HK HU IS "
                                           "IN ID IR IQ IE IL IT JM JP JO KZ KE KI KP KR KW KG LA LV LB "
                                           "LS LR LY LI LT LU MO MK MG MW MY MV ML MT MH MQ MR MU YT MX "
                                           "FM MD MC MN MS MA MZ MM NA NR NP NL AN NC NZ NI NE NG NU NF "
                                           "MP NO OM PK PW PA PG PY PE PH PN PL PT PR QA RE RO RU RW KN "
                                           "LC VC WS SM ST SA SN SC SL SG SK SI SB SO ZA GS ES LK SH PM "
                                           "SD SR SJ SZ SE CH SY TW TJ TZ TH TG TK TO TT TN TR TM TC TV "
                                           "UG UA AE GB US UM UY UZ VU VE VN VG VI WF EH YE RS ME ZM ZW";

std::vector<std::string> codeList(std::string_view codes) {
    std::vector<std::string> list;
    for (std::size_t at = 0; at < codes.size(); at += 3)
        list.emplace_back(codes.substr(at, 2));
    return list;
}

std::set<StringId> countryIds(std::string_view codes) {
    std::set<StringId> ids;
    for (const std::string& code : codeList(codes))
        ids.insert(idOfKey(fromUtf8("COUNTRY" + code)));
    return ids;
}

bool isCountryId(StringId id) {
    return id >= STR_COUNTRYNONE && id <= STR_COUNTRYZW;
}

} // namespace

TEST(CountryNames, EachCodeHasItsKeyAtTwoHundredPlusItsIndex) {
    const std::vector<std::string> codes = codeList(COUNTRY_CODES);
    ASSERT_EQ(codes.size(), 240u);
    EXPECT_EQ(STR_COUNTRYNONE, 199);
    for (std::size_t i = 0; i < codes.size(); ++i)
        EXPECT_EQ(idOfKey(fromUtf8("COUNTRY" + codes[i])), StringId(200 + i)) << codes[i];
    std::size_t countryKeys = 0;
    for (const StringKey& entry : STRING_KEYS)
        if (WideStringView(entry.key).starts_with(u"COUNTRY")) {
            ++countryKeys;
            EXPECT_TRUE(isCountryId(entry.id)) << toUtf8(entry.key);
        }
    EXPECT_EQ(countryKeys, 241u);
    for (const char16_t* withoutRow : {u"COUNTRYTL", u"COUNTRYPS", u"COUNTRYSS", u"COUNTRYAX", u"COUNTRYCW",
                                       u"COUNTRYGG", u"COUNTRYIM", u"COUNTRYJE", u"COUNTRYSX", u"COUNTRYfr"})
        EXPECT_EQ(idOfKey(withoutRow), -1) << toUtf8(withoutRow);
}

TEST(CountryNames, EnglishNamesArePlainAsciiInAlphabeticalOrder) {
    const auto english = textsOfRow(ROW_EN);
    const auto lowered = [](WideStringView text) {
        std::string result = toUtf8(text);
        std::transform(result.begin(), result.end(), result.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        return result;
    };
    const std::set<StringId> placedApart = {STR_COUNTRYMK, STR_COUNTRYRS, STR_COUNTRYME};
    std::string previous;
    for (StringId id = STR_COUNTRYAF; id <= STR_COUNTRYZW; ++id) {
        for (char16_t c : english[id])
            EXPECT_TRUE((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                        WideStringView(u" ',-./").find(c) != WideStringView::npos)
                << rowAndKey(ROW_EN, id);
        if (placedApart.count(id)) continue;
        EXPECT_LT(previous, lowered(english[id])) << rowAndKey(ROW_EN, id);
        previous = lowered(english[id]);
    }
    EXPECT_EQ(english[STR_COUNTRYMO], WideStringView(u"Macau"));
    EXPECT_EQ(english[STR_COUNTRYMK + 1], WideStringView(u"Madagascar"));
    EXPECT_EQ(english[STR_COUNTRYYE], WideStringView(u"Yemen"));
    EXPECT_EQ(english[STR_COUNTRYZM], WideStringView(u"Zambia"));
}

TEST(CountryNames, NamesEqualToEnglishAreExactlyTheListedOnes) {
    std::string polishSame;
    for (const std::string& code : codeList(COUNTRY_CODES))
        if (code != "PL") polishSame += code + " ";
    const std::set<StringId> sameAsEnglish[LANGUAGE_COUNT] = {
        {},
        countryIds(
            "AF AD AO AI AW AZ BS BH BD BZ BW BF BI CA CG CR CU DJ FR GA GH GI GP GU GT HN HK KZ KE KI LI "
            "LU MO MG MW MV ML MQ YT MC MS MZ MM NR NI NE OM PK PA PY PH PN PT QA RW WS SC LK SR SZ TG TO "
            "TV UA UY VU ZW"),
        countryIds(
            "AF AD AO AI AW BS BH BB BY BZ BJ BM BT BN BF BI CL CN CR DM EC SV ER GM GH GI GD GP GU GT GN "
            "GW GY HT HN IL JP KI KW LS LR LI MO MW MY ML MT MQ MU YT MC MS MM NA NR NP NI NE NG NU OM PK "
            "PW PA PY PE PN PT PR RE WS SM SN SL SO LK SH SD SR TW TH TG TK TO TM TV UG UA UY VU VE ME"),
        countryIds(
            "AL DZ AD AO AI AR AM AW AU AT BS BD BB BZ BJ BM BT BO BW BG BF BI CA TD CO CG CR CU DM EC SV "
            "ER EE GA GM GE GH GD GU GT GN GY HT HN HK IN ID IQ KE KI KW LS LR LI MG MW ML MT MR MU YT MC "
            "MN NA NR NP NI NE NG NU OM PK PW PA PY QA RO LC WS SM SN SL SG SI SO LK SD SR SZ TW TG TK TO "
            "TN TM TV UG UY UZ VU VE YE RS ME ZM ZW"),
        countryIds(
            "AL DZ AD AO AR AM AW AU AT BS BD BB BM BO BW BG BF BI CL CN CO CG CR CU DM EC SV ER EE FJ GM "
            "GE GH GI GU GT GN GW HN HK IN ID IL JM KI KW LR LI MO MG MW ML MT MR YT MN MS MZ MM NA NR NP "
            "NI NE NG NU PW PY PN PT PR QA WS SM SN SC SO LK SR TW TG TK TO TV UG UY VU VE YE RS ME ZM"),
        countryIds("RS ME"),
        countryIds("RS ME"),
        countryIds(polishSame),
    };
    const std::size_t listed[LANGUAGE_COUNT] = {0, 67, 92, 106, 92, 2, 2, 239};
    for (int row = ROW_FR; row < LANGUAGE_COUNT; ++row) {
        ASSERT_EQ(sameAsEnglish[row].size(), listed[row]) << ROW_NAMES[row];
        expectSameAsEnglishExactlyAt(row, STR_COUNTRYNONE, STR_COUNTRYZW, sameAsEnglish[row]);
    }
}

TEST(CountryNames, QuotedNamesAreStoredExactly) {
    const QuotedText quoted[] = {
        {ROW_EN, STR_COUNTRYNONE, u"not specified"},
        {ROW_FR, STR_COUNTRYNONE, u"non sp\u00E9cifi\u00E9"},
        {ROW_DE, STR_COUNTRYNONE, u"keine Angabe"},
        {ROW_IT, STR_COUNTRYNONE, u"non specificato"},
        {ROW_ES, STR_COUNTRYNONE, u"Sin especificar"},
        {ROW_JA, STR_COUNTRYNONE, u"\u672A\u6307\u5B9A"},
        {ROW_KO, STR_COUNTRYNONE, u"\uC124\uC815 \uC548\uB428"},
        {ROW_PL, STR_COUNTRYNONE, u"nieznany"},
        {ROW_EN, STR_COUNTRYAF, u"Afghanistan"},
        {ROW_EN, STR_COUNTRYCI, u"Cote d'Ivoire"},
        {ROW_EN, STR_COUNTRYCD, u"Congo, the Democratic Republic of the"},
        {ROW_EN, STR_COUNTRYMK, u"F.Y.R.O.M."},
        {ROW_EN, STR_COUNTRYGS, u"South Georgia / South Sandwich Islands"},
        {ROW_EN, STR_COUNTRYVI, u"Virgin Islands, U.S."},
        {ROW_EN, STR_COUNTRYLA, u"Lao People's Democratic Republic"},
        {ROW_EN, STR_COUNTRYST, u"Sao Tome and Principe"},
        {ROW_PL, STR_COUNTRYPL, u"Polska"},
        {ROW_FR, STR_COUNTRYFK, u"Iles Falkland / Malvinas"},
        {ROW_FR, STR_COUNTRYVA, u"Saint-si\u00E8ge / Vatican"},
        {ROW_FR, STR_COUNTRYBB, u"Barbade, La"},
        {ROW_FR, STR_COUNTRYRE, u"R\u00E9union, La"},
        {ROW_DE, STR_COUNTRYFK, u"Falklandinseln / Malvinas"},
        {ROW_DE, STR_COUNTRYGB, u"Vereinigtes K\u00F6nigreich / UK"},
        {ROW_DE, STR_COUNTRYUS, u"Vereinigte Staaten von Amerika / USA"},
        {ROW_DE, STR_COUNTRYKP, u"Korea, Nord-"},
        {ROW_DE, STR_COUNTRYKR, u"Korea, S\u00FCd-"},
        {ROW_DE, STR_COUNTRYVG, u"Virgin Islands Britisch"},
        {ROW_DE, STR_COUNTRYVI, u"Virgin Islands U.S."},
        {ROW_IT, STR_COUNTRYFK, u"Isole Falkland / isole Malvine"},
        {ROW_IT, STR_COUNTRYCD, u"Congo (ex Zaire)"},
        {ROW_ES, STR_COUNTRYGS, u"Islas Georgia / e Islas Sandwich del Sur"},
        {ROW_JA, STR_COUNTRYFK,
         u"\u30D5\u30A9\u30FC\u30AF\u30E9\u30F3\u30C9\u8AF8\u5CF6/"
         u"\u30DE\u30EB\u30D3\u30CA\u30B9\u8AF8\u5CF6"},
        {ROW_JA, STR_COUNTRYST, u"\u30B5\u30F3\u30C8\u30E1\u30FB\u30D7\u30EA\u30F3\u30B7\u30DA"},
        {ROW_JA, STR_COUNTRYPM, u"\u30B5\u30F3\u30D4\u30A8\u30FC\u30EB\u5CF6 \u30DF\u30AF\u30ED\u30F3\u5CF6"},
        {ROW_JA, STR_COUNTRYRS, u"Serbia"},
        {ROW_KO, STR_COUNTRYME, u"Montenegro"},
        {ROW_KO, STR_COUNTRYFK, u"\uD3EC\uD074\uB79C\uB4DC \uC81C\uB3C4 / \uB9D0\uBE44\uB098\uC2A4"},
        {ROW_KO, STR_COUNTRYGS, u"\uB0A8 \uC870\uC9C0\uC544 / \uB0A8 \uC0CC\uB4DC\uC704\uCE58 \uC81C\uB3C4"},
    };
    expectQuotedTexts(quoted);
}

TEST(CountryNames, NamesFitTheCountryListInEveryLanguage) {
    // Longest name per language; the list shows "CC (name)" in at most 52 characters.
    const std::size_t longest[LANGUAGE_COUNT] = {38, 43, 44, 41, 47, 20, 18, 38};
    const std::set<StringId> japaneseMiddleDot = {STR_COUNTRYHM, STR_COUNTRYLY, STR_COUNTRYKN,
                                                  STR_COUNTRYST, STR_COUNTRYGS, STR_COUNTRYWF};
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        std::size_t rowLongest = 0;
        for (StringId id = STR_COUNTRYNONE; id <= STR_COUNTRYZW; ++id) {
            const WideStringView name = texts[id];
            rowLongest = std::max(rowLongest, name.size());
            EXPECT_FALSE(name.empty()) << rowAndKey(row, id);
            EXPECT_EQ(name.find(u'%'), WideStringView::npos) << rowAndKey(row, id);
            const bool bParentheses = name.find_first_of(u"()") != WideStringView::npos;
            EXPECT_EQ(bParentheses, row == ROW_IT && id == STR_COUNTRYCD) << rowAndKey(row, id);
            if (row == ROW_JA) {
                EXPECT_EQ(name.find(u'\u30FB') != WideStringView::npos, japaneseMiddleDot.count(id) == 1)
                    << rowAndKey(row, id);
            }
            if (row != ROW_ES && row != ROW_JA && row != ROW_KO && !name.empty()) {
                EXPECT_EQ(name.front() >= u'a' && name.front() <= u'z', id == STR_COUNTRYNONE)
                    << rowAndKey(row, id);
            }
        }
        EXPECT_EQ(rowLongest, longest[row]) << ROW_NAMES[row];
    }
}

TEST(CountryNames, LettersStayWithinWhatTheRangeNeeds) {
    const std::u16string beyondAscii[LANGUAGE_COUNT] = {
        u"",
        u"\u00E3\u00E6\u00E7\u00E8\u00E9\u00EB\u00ED\u00EE\u00EF\u00F4",
        u"\u00C4\u00D6\u00E3\u00E4\u00E9\u00ED\u00F6\u00FC",
        u"\u00E3\u00E9\u00ED\u00F9",
        u"\u00C1\u00CD\u00E1\u00E9\u00ED\u00F1\u00F3\u00FA",
        u"\u30FB\u30FC\u304A\u3073\u3088",
        u"",
        u"",
    };
    const auto isAllowed = [&](int row, char16_t c) {
        if (c >= 0x20 && c < 0x7F) return true;
        if (beyondAscii[row].find(c) != std::u16string::npos) return true;
        if (row == ROW_JA) return isKatakana(c) || isIdeograph(c);
        if (row == ROW_KO) return isHangulSyllable(c);
        return false;
    };
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        for (StringId id = STR_COUNTRYNONE; id <= STR_COUNTRYZW; ++id) {
            for (char16_t c : texts[id])
                EXPECT_TRUE(isAllowed(row, c)) << rowAndKey(row, id) << " holds U+" << std::hex << int(c);
        }
    }
}
