#include "menus/ContextCredits.h"
#include <algorithm>
#include <cmath>
#include "core/Rect.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/VekGraphics.h"
#include "menus/Label.h"
#include "menus/MenuLayout.h"

namespace {

constexpr int CENTRED = 5;
constexpr int LEFT_ALIGNED = 3;
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t GREY = 0xFF808080;
constexpr uint32_t LIGHT_GREY = 0xFFC0C0C0;
constexpr float BACK_DEPTH = 10.f;
constexpr float MIDDLE_DEPTH = 5.f;
constexpr float START_ABOVE_BOTTOM = 32.f;
constexpr char16_t LEFT_GAP[] = u"   ";
constexpr char16_t RIGHT_GAP[] = u"      ";
constexpr float FADE_RANGE = 128.f;
constexpr int SIDE_MARGIN = 8; // screen units kept free on each side of a centred line

} // namespace

ContextCredits::ContextCredits() : lines(new VekBase()) {
    addChild(lines);
    const VekGraphics* graphics = VekGraphics::get();
    const int width = graphics ? graphics->screenWidth : VekGraphics::LOGICAL_WIDTH;
    const int height = graphics ? graphics->screenHeight : VekGraphics::LOGICAL_HEIGHT;
    // Lines are placed and narrowed by the screen's size: on a widened or heightened layout
    // the view must show the screen in those units, not the stretched 640 by 480 field.
    camera.showScreen(width, height);
    nextY = START_ABOVE_BOTTOM - static_cast<float>(height / 2);
}

void ContextCredits::buildText() {
    addTitleLine(menuText(STR_ZELBINVORLANX));
    addTwoColumnLine(menuText(STR_OMBRELRISE), u"");
    addTwoColumnLine(u"", u"");
    addTwoColumnLine(menuText(STR_COPYRIGHT), u"");
    addTwoColumnLine(u"", u"");
    addTwoColumnLine(menuText(STR_CREDITS1A1), u" ");
    addTwoColumnLine(menuText(STR_CREDITS1A2), u" ");
    addTwoColumnLine(menuText(STR_CREDITS1A3), menuText(STR_CREDITS1B));
    addTwoColumnLine(menuText(STR_CREDITS2A), menuText(STR_CREDITS2B));
    addTwoColumnLine(menuText(STR_CREDITS3A), menuText(STR_CREDITS3B));
}

Label* ContextCredits::addLabel(WideStringView text, float x, float z, uint32_t colour, FontQuad* font,
                                int flags) {
    auto* label = new Label(x, nextY, z, text, font, colour);
    label->textFlags = flags;
    lines->addChild(label);
    return label;
}

void ContextCredits::addTitleLine(WideStringView text) {
    FontQuad* large = Global::get()->fontLarge;
    addLabel(text, 0.f, BACK_DEPTH, LIGHT_GREY, large, CENTRED);
    addLabel(text, 0.f, MIDDLE_DEPTH, GREY, large, CENTRED);
    addLabel(text, 0.f, 0.f, WHITE, large, CENTRED);
    nextY -= LINE_STEP * static_cast<float>(large ? large->getLineHeight() : 0);
}

void ContextCredits::addTwoColumnLine(WideStringView left, WideStringView right) {
    layOutTwoColumns(left, right, MIDDLE_DEPTH, GREY);
    layOutTwoColumns(left, right, 0.f, WHITE);
    const FontQuad* medium = Global::get()->fontMedium;
    nextY -= LINE_STEP * static_cast<float>(medium ? medium->getLineHeight() : 0);
}

void ContextCredits::layOutTwoColumns(WideStringView left, WideStringView right, float z, uint32_t colour) {
    FontQuad* medium = Global::get()->fontMedium;
    if (right.empty() || left.empty()) {
        // A long notice in some languages would run off both sides: it narrows instead.
        const VekGraphics* graphics = VekGraphics::get();
        const int width = graphics ? graphics->screenWidth : VekGraphics::LOGICAL_WIDTH;
        addLabel(right.empty() ? left : right, 0.f, z, colour, medium, CENTRED)
            ->fitWidth(width - 2 * SIDE_MARGIN);
        return;
    }
    const WideString leftText = WideString(left) + LEFT_GAP;
    const float leftWidth = medium ? medium->measureText(leftText, LEFT_ALIGNED).width : 0.f;
    addLabel(leftText, -leftWidth, z, colour, medium, LEFT_ALIGNED);
    addLabel(RIGHT_GAP + WideString(right), 0.f, z, colour, medium, LEFT_ALIGNED);
}

int ContextCredits::opacityAt(float y, float bottom, float top) {
    float opacity = 255.f;
    if (y > top - FADE_OUT_START)
        opacity = 255.f * (top - y) / FADE_RANGE;
    else if (y < bottom + FADE_IN_END)
        opacity = 255.f * (y - (bottom + FADE_IN_START)) / FADE_RANGE;
    return static_cast<int>(std::clamp(opacity, 0.f, 255.f));
}

void ContextCredits::tickContents(double t, double dt) {
    Context::tickContents(t, dt);
    Rect visible;
    camera.getVisibleRect(visible, 0.f);
    const Vector3 step = velocity * static_cast<float>(dt);
    for (VekBase* node = lines->getChildren().getHead(); node; node = node->getNext()) {
        auto* label = static_cast<Label*>(node);
        label->position = label->position + step;
        const auto opacity = static_cast<uint32_t>(opacityAt(label->position.y, visible.bottom, visible.top));
        label->color = (opacity << 24) | (label->color & 0xFFFFFF);
        label->hidden = opacity == 0;
        if (label->position.y > visible.top + GONE_ABOVE) label->markDead();
    }
}
