#include <gtest/gtest.h>
#include "MenuTestSupport.h"
#include "core/Language.h"
#include "core/StringUtil.h"
#include "menus/ChoiceButton.h"
#include "menus/CountryList.h"
#include "media/FontQuad.h"
#include "media/GlyphPageSupport.h"

constexpr float ARROW_X = 104.f; // arrow centres of a 256-unit box, 24 in from its ends

TEST(ChoiceButtonBase, ArrowsStepWithinTheRangeAndEveryPressActivates) {
    struct Case {
        int32_t start;
        float x;
        int32_t expected;
        bool leftShown, rightShown; // after the press
    };
    const Case cases[] = {
        {0, -ARROW_X, 0, false, true}, {0, ARROW_X, 2, true, true},   {4, ARROW_X, 4, true, false},
        {2, 0.f, 2, true, true},       {9, -ARROW_X, 4, true, false}, {-7, ARROW_X, 0, false, true},
    };
    for (const Case& c : cases) {
        MenuRig rig;
        int32_t value = c.start;
        ChoiceButtonBase item(0.f, 0.f, 0.f, u"level", u"", &value, 0, 4, 2);
        rig.pointAt(c.x, 0.f);
        rig.mouseButton(true);
        item.tick(0.0, 1.0 / 30.0);
        EXPECT_EQ(value, c.expected) << c.start << " at " << c.x;
        EXPECT_TRUE(item.clicked);
        EXPECT_EQ(item.showsLeftArrow(), c.leftShown) << c.start;
        EXPECT_EQ(item.showsRightArrow(), c.rightShown) << c.start;
    }
}

TEST(ChoiceButton, StoredValuesOutOfRangeShowTheNearestTextAndAnEmptyListDisables) {
    MenuRig rig;
    int32_t value = 9;
    ChoiceButton texts(0.f, 0.f, 0.f, u"mode", u"", &value, 0, 5, std::vector<WideString>{u"a", u"b", u"c"});
    EXPECT_EQ(texts.maximum, 2);
    EXPECT_EQ(texts.valueText(), u"c");
    value = -3;
    EXPECT_EQ(texts.valueText(), u"a");
    value = 5;
    ChoiceButton keyed(0.f, 0.f, 0.f, u"detail", u"", &value, 0, 1, STR_ENUMDETAIL0);
    EXPECT_EQ(keyed.valueText(), Vek::get()->getLanguage().getString(STR_ENUMDETAIL1));
    ChoiceButton empty(0.f, 0.f, 0.f, u"mode", u"", &value, 0, -1, std::vector<WideString>{});
    EXPECT_TRUE(empty.disabled);
    EXPECT_EQ(empty.maximum, 0);
    EXPECT_EQ(empty.valueText(), u"");
}

TEST(ChoiceButton, ValuesShrinkToKeepClearOfTheArrowsAndShortOnesKeepTheirSize) {
    MenuRig rig;
    VekGraphics& graphics = *rig.f.engine.graphics.graphics;
    const auto latin = makeGlyphPage(graphics, printableAscii(), 14);
    const auto icons = makeGlyphPage(graphics, u"\x01\x02\x03\x04\x05\x06\x07\x08", 14);
    FontQuad font;
    font.addSourceTexture(icons.get(), 1, false);
    font.addSourceTexture(latin.get(), 32, false);
    const float arrow = font.measureText(u"\x08", FontQuad::TEXT_RIGHT).width;
    struct Case {
        const char16_t* text;
        int boxWidth;
    };
    const Case cases[] = {
        {u"Drag", 128},                       // fits
        {u"Lewy przycisk", 120},              // fits the box, but not between the arrows
        {u"Giocatore principiante", 150},     // wider than the box
        {u"Clic gauche", 256},                // fits
        {u"not specified (--) and a good deal more besides", 400},
    };
    for (const Case& c : cases) {
        int32_t value = 1;
        ChoiceButton item(0.f, 0.f, 0.f, u"fire", u"", &value, 0, 2, std::vector<WideString>{u"", c.text, u""});
        item.font = &font;
        item.setWidth(c.boxWidth);
        const float width = font.measureText(c.text, FontQuad::TEXT_CENTRE).width;
        const float scale = item.valueFitFactor(c.text);
        const float innerArrowEdge = 0.5f * static_cast<float>(c.boxWidth) - 15.f - arrow;
        EXPECT_LE(0.5f * width * scale, innerArrowEdge) << "under the arrows: " << toUtf8(c.text) << " in " << c.boxWidth;
        if (0.5f * width + arrow + 17.f <= 0.5f * static_cast<float>(c.boxWidth)) {
            EXPECT_FLOAT_EQ(scale, 1.f) << "room enough: " << toUtf8(c.text);
        }
    }
}

TEST(CountryList, RowsFollowTheKeysAndTypedLettersJumpByCodeWithWrap) {
    MenuRig rig;
    for (int row = 1; row < COUNTRY_ROWS; ++row)
        EXPECT_EQ(Vek::get()->getLanguage().findKey(WideString(u"COUNTRY") +
                                                    countryTable[static_cast<std::size_t>(row)].code),
                  STR_COUNTRYNONE + row)
            << row;
    GameConfiguration& configuration = rig.f.game->configuration;
    int32_t position = 0;
    CountryList list(0.f, 0.f, 0.f, u"country", u"", &position);
    list.forceHover = true;
    struct Case {
        const char* typed;
        const char16_t* code; // selected afterwards
    };
    const Case cases[] = {{"s", u"SA"}, {"s", u"SB"}, {"S", u"SB"}, {"x", u"SB"}, {"z", u"ZA"}, {"z", u"ZM"},
                          {"z", u"ZW"}, {"z", u"ZA"}, {"a", u"AD"}, {"a", u"AE"}, {"a", u"AF"}};
    for (const Case& c : cases) {
        list.clicked = false;
        rig.pScript->next.typed = c.typed;
        rig.input->poll();
        list.tick(0.0, 1.0 / 30.0);
        rig.pScript->next.typed.clear();
        const WideStringView code =
            countryTable[static_cast<std::size_t>(
                             CountryList::countryOrder[static_cast<std::size_t>(position)])]
                .code;
        EXPECT_EQ(code, c.code) << c.typed;
        EXPECT_TRUE(list.clicked) << c.typed;
        EXPECT_EQ(std::string(configuration.countryCode, 2), toUtf8(code));
    }
    position = 0;
    rig.input->poll();
    list.tick(0.0, 1.0 / 30.0); // still clicked: stores every frame
    EXPECT_EQ(std::string(configuration.countryCode, 4), std::string("--\0\0", 4));
    EXPECT_FLOAT_EQ(configuration.countryVector[2], -1.f);
    const auto north = CountryList::globeVector(90.f, 0.f);
    const auto east = CountryList::globeVector(0.f, 90.f);
    EXPECT_NEAR(north[1], 1.f, 1e-6f);
    EXPECT_NEAR(east[0], 1.f, 1e-6f);
}
