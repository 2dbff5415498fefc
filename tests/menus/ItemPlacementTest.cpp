#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include "MenuTestSupport.h"
#include "core/StaticSettings.h"
#include "core/Vek.h"
#include "media/FontQuad.h"
#include "media/GlyphPageSupport.h"
#include "menus/ContextOptions.h"
#include "menus/MenuButton.h"
#include "menus/MenuCheckBox.h"

namespace {

constexpr float BOTTOM = -238.f; // the hint's line at 640 by 480
constexpr float LINE = 16.f;

// A bottom-row button of the game's art at x, 160 by 64 units around (x, -200).
Rect bottomButton(float x) {
    return {x - 80.f, -168.f, x + 80.f, -232.f};
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

} // namespace

TEST(MenuItem, HintsKeepTheBottomLineWhenClearElseWrapBesideOrRiseAboveTheItemsInTheirWay) {
    struct Case {
        const char* what;
        std::vector<Rect> boxes;
        float width;
        MenuItem::HintPlace expected;
    };
    const Case cases[] = {
        {"no items", {}, 600.f, {0.f, BOTTOM}},
        {"between the corners", {bottomButton(-225.f), bottomButton(225.f)}, 280.f, {0.f, BOTTOM}},
        {"under the corners: wraps between them", {bottomButton(-225.f), bottomButton(225.f)}, 390.f,
         {2.f * (145.f - 4.f), BOTTOM}},
        {"a corner on one side only", {bottomButton(-225.f)}, 390.f, {2.f * (145.f - 4.f), BOTTOM}},
        {"a middle button: above the row", {bottomButton(-225.f), bottomButton(0.f), bottomButton(225.f)}, 100.f,
         {0.f, -168.f + 4.f}},
        {"too little room beside: above the row", {bottomButton(-100.f), bottomButton(100.f)}, 300.f,
         {0.f, -168.f + 4.f}},
        {"items higher up are no obstacle", {{-300.f, 0.f, 300.f, -100.f}}, 600.f, {0.f, BOTTOM}},
        {"a check box and its caption above the corner: beside them",
         {bottomButton(-225.f), bottomButton(0.f), bottomButton(225.f), {209.f, -134.f, 241.f, -166.f},
          {54.f, -140.f, 204.f, -160.f}},
         440.f,
         {2.f * (209.f - 4.f), -140.f + 4.f}},
        {"wrapped lines that would reach an item above: above that item",
         {bottomButton(-225.f), bottomButton(225.f), {-50.f, -200.f, 50.f, -215.f}}, 600.f,
         {2.f * (145.f - 4.f), -200.f + 4.f}},
    };
    for (const Case& c : cases) {
        const auto countLines = [&](float wrapWidth) {
            return static_cast<std::size_t>(std::ceil(c.width / wrapWidth));
        };
        const MenuItem::HintPlace place = MenuItem::placeHint(c.boxes, c.width, LINE, BOTTOM, countLines);
        EXPECT_FLOAT_EQ(place.wrapWidth, c.expected.wrapWidth) << c.what;
        EXPECT_FLOAT_EQ(place.bottom, c.expected.bottom) << c.what;
        const bool bWrapped = place.wrapWidth > 0.f;
        const float halfWidth = 0.5f * (bWrapped ? place.wrapWidth : c.width);
        const float height = LINE * static_cast<float>(bWrapped ? countLines(place.wrapWidth) : 1u);
        const Rect hint{-halfWidth, place.bottom + height, halfWidth, place.bottom};
        for (const Rect& box : c.boxes)
            EXPECT_FALSE(overlap(hint, box)) << c.what;
    }
}

TEST(ContextMenu, FootprintsAddEachCaptionWhereItIsDrawnBesideOrAboveItsBox) {
    MenuRig rig;
    const auto page = makeGlyphPage(*rig.f.engine.graphics.graphics, printableAscii(), 14);
    FontQuad font;
    font.addSourceTexture(page.get(), 32, false);
    const float w = font.measureText(u"sound", 0).width, h = static_cast<float>(font.getLineHeight());
    for (const int location :
         {MenuItem::CAPTION_LEFT, MenuItem::CAPTION_RIGHT, MenuItem::CAPTION_BELOW_OR_ABOVE}) {
        ContextMenu menu;
        bool value = false;
        auto* box = new MenuCheckBox(100.f, 50.f, 0.f, u"sound", u"", &value);
        box->font = &font;
        box->captionLocation = location;
        menu.addMenuChild(box);
        const std::vector<Rect> footprints = menu.itemFootprints();
        ASSERT_EQ(footprints.size(), 2u) << location;
        const Rect &b = footprints[0], &caption = footprints[1];
        // Five units from the box: beside it at its middle, or above it centred.
        const float middleTop = 0.5f * (b.top + b.bottom) + std::floor(0.5f * h);
        const float centredLeft = 0.5f * (b.left + b.right) - std::floor(0.5f * w);
        const auto [left, top] = location == MenuItem::CAPTION_LEFT    ? std::pair{b.left - 5.f - w, middleTop}
                                 : location == MenuItem::CAPTION_RIGHT ? std::pair{b.right + 5.f, middleTop}
                                                                       : std::pair{centredLeft, b.top + 5.f + h};
        EXPECT_FLOAT_EQ(caption.left, left) << location;
        EXPECT_FLOAT_EQ(caption.top, top) << location;
        EXPECT_FLOAT_EQ(caption.right - caption.left, w) << location;
        EXPECT_FLOAT_EQ(caption.top - caption.bottom, h) << location;
        box->hidden = true;
        EXPECT_TRUE(menu.itemFootprints().empty()) << location;
    }
}

TEST(ContextOptions, TheHubsButtonsStandClearOfOneAnotherWithAndWithoutTheLanguageButton) {
    MenuRig rig(128, 64);
    for (const int singleLanguage : {-1, 2}) {
        Vek::get()->getStaticSettings().singleLanguage = singleLanguage;
        ContextOptions hub;
        const std::vector<Rect> boxes = hub.itemBoxes();
        EXPECT_EQ(boxes.size(), singleLanguage < 0 ? 8u : 7u);
        for (std::size_t a = 0; a < boxes.size(); ++a)
            for (std::size_t b = a + 1; b < boxes.size(); ++b)
                EXPECT_FALSE(overlap(boxes[a], boxes[b])) << "items " << a << " and " << b;
        EXPECT_FLOAT_EQ(hub.help->position.y, -static_cast<float>(hub.originY)); // the rows keep their places
        EXPECT_FLOAT_EQ(hub.gameplay->position.y, 2.f * static_cast<float>(hub.itemSpacing));
    }
}

TEST(ContextMenu, ItsWorldIsTheScreenInScreenUnitsWhateverTheLayoutsShape) {
    MenuRig rig;
    for (const auto& [w, h] : LAYOUT_SHAPES) {
        rig.useScreen(w, h);
        ContextMenu menu;
        const float halfW = 0.5f * static_cast<float>(w), halfH = 0.5f * static_cast<float>(h);
        const Vector3 corner = menu.worldToScreen({halfW, -halfH, 0.f});
        EXPECT_NEAR(corner.x, static_cast<float>(w), 0.01f) << w << "x" << h;
        EXPECT_NEAR(corner.y, 0.f, 0.01f) << w << "x" << h;
        const Vector3 back = menu.worldToScreen({80.f - static_cast<float>(menu.originX), -static_cast<float>(menu.originY), 0.f});
        EXPECT_GT(back.x - 80.f, 0.f) << "a corner button stays on the screen at " << w << "x" << h;
    }
}

TEST(ContextMenu, AScreenBuiltBeforeTheDisplaysShapeChangedShowsItsItemsWholeAndUndistorted) {
    MenuRig rig;
    struct Row {
        int placedW, placedH, nowW, nowH;
        float unitsPerUnit; // screen units per unit of the placed screen
    };
    const Row rows[] = {
        {640, 480, 640, 480, 1.f},          // no change: as placed
        {640, 480, 853, 480, 1.f},          // widened: bare sides
        {640, 480, 640, 512, 1.f},          // heightened: bare top and bottom
        {853, 480, 640, 480, 640.f / 853.f}, // narrowed: the wide screen shrinks to fit
        {640, 512, 640, 480, 480.f / 512.f}, // lowered: the tall screen shrinks to fit
    };
    for (const Row& row : rows) {
        rig.useScreen(row.placedW, row.placedH);
        ContextMenu menu;
        rig.useScreen(row.nowW, row.nowH);
        menu.tickContext(0.0, 0.02);
        const float halfW = 0.5f * static_cast<float>(row.placedW), halfH = 0.5f * static_cast<float>(row.placedH);
        const Vector3 low = menu.worldToScreen({-halfW, -halfH, 0.f});
        const Vector3 high = menu.worldToScreen({halfW, halfH, 0.f});
        const std::string where = std::to_string(row.placedW) + "x" + std::to_string(row.placedH) + " now " +
                                  std::to_string(row.nowW) + "x" + std::to_string(row.nowH);
        EXPECT_NEAR(high.x - low.x, static_cast<float>(row.placedW) * row.unitsPerUnit, 0.05f) << where;
        EXPECT_NEAR(high.y - low.y, static_cast<float>(row.placedH) * row.unitsPerUnit, 0.05f) << where;
        EXPECT_NEAR(low.x + high.x, static_cast<float>(row.nowW), 0.05f) << where << ": centred across";
        EXPECT_NEAR(low.y + high.y, static_cast<float>(row.nowH), 0.05f) << where << ": centred upright";
        menu.tickContext(0.0, 0.02);
        EXPECT_NEAR(menu.worldToScreen({halfW, halfH, 0.f}).x, high.x, 0.05f) << where << ": a second tick keeps it";
    }
}
