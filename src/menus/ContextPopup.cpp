#include "menus/ContextPopup.h"
#include <algorithm>
#include <cmath>
#include "core/Language.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/TextLine.h"
#include "media/VekGraphics.h"
#include "menus/Label.h"
#include "menus/MenuButton.h"
#include "menus/MenuFrame.h"
#include "menus/MenuSound.h"

namespace {

constexpr float MESSAGE_WIDTH_SHARE = 0.75f;
constexpr float LINE_SPACING = 1.25f;
constexpr float MIN_CONTENT_WIDTH = 192.f;
constexpr float MIN_WIDTH_WITH_BUTTONS = 330.f;
constexpr float BUTTON_ROW_HEIGHT = 50.f;
constexpr float PANEL_MARGIN = 100.f;
constexpr float BUTTON_GAP = 25.f;
constexpr float BUTTON_SPREAD = 85.f;
constexpr int BUTTON_WIDTH = 160;
constexpr int TEXT_FLAGS = FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE;
constexpr uint32_t WHITE = 0xFFFFFFFF;

float lineHeightOf(const FontQuad* font) {
    return font ? static_cast<float>(font->getLineHeight()) : 0.f;
}

float widthOf(const FontQuad* font, WideStringView text) {
    return font ? font->measureText(text, 0).width : 0.f;
}

WideString lineText(const TextLine& line) {
    WideString text;
    for (const TextSegment& segment : line.segments)
        text += segment.text;
    return text;
}

} // namespace

ContextPopup::ContextPopup() {
    if (Vek::get()) firstButtonText = Vek::get()->getLanguage().getString(STR_OK);
}

void ContextPopup::createContents() {
    if (answer) *answer = -1;
    Global* game = Global::get();
    FontQuad* titleFont = game ? game->fontLarge : nullptr;
    FontQuad* messageFont = game ? game->fontMedium : nullptr;
    const float lineStep = std::trunc(lineHeightOf(messageFont) * LINE_SPACING);
    const float screenWidth =
        static_cast<float>(VekGraphics::get() ? VekGraphics::get()->screenWidth : VekGraphics::LOGICAL_WIDTH);
    const auto measure = [messageFont](WideStringView s) { return widthOf(messageFont, s); };
    const bool rightToLeft = Vek::get() && Vek::get()->getLanguage().isRightToLeft();
    const std::vector<TextLine> lines =
        TextLine::wrap(message, screenWidth * MESSAGE_WIDTH_SHARE, lineStep, measure, rightToLeft);

    const float titleHeight = title.empty() ? 0.f : lineHeightOf(titleFont);
    float contentWidth = std::max(MIN_CONTENT_WIDTH, widthOf(titleFont, title));
    for (const TextLine& line : lines)
        contentWidth = std::max(contentWidth, line.width);
    float contentHeight = titleHeight + lineStep * static_cast<float>(lines.size());
    const int buttons = (firstButtonText.empty() ? 0 : 1) + (secondButtonText.empty() ? 0 : 1);
    if (buttons > 0) {
        contentHeight += BUTTON_ROW_HEIGHT;
        contentWidth = std::max(contentWidth, MIN_WIDTH_WITH_BUTTONS);
    }
    if (buttons <= 1) closeOnFire = true;

    addChild(new MenuFrame(position.x, position.y, position.z, static_cast<int>(contentWidth + PANEL_MARGIN),
                           static_cast<int>(contentHeight + PANEL_MARGIN), true));
    float y = position.y + contentHeight / 2.f;
    if (!title.empty()) {
        auto* label = new Label(position.x, y, position.z, title, titleFont, WHITE);
        label->textFlags = TEXT_FLAGS;
        addChild(label);
        y -= titleHeight;
    }
    for (const TextLine& line : lines) {
        auto* label = new Label(position.x, y, position.z, lineText(line), messageFont, WHITE);
        label->textFlags = TEXT_FLAGS;
        addChild(label);
        y -= lineStep;
    }
    y -= BUTTON_GAP;
    if (buttons == 1) {
        pFirstButton = addButton(firstButtonText.empty() ? secondButtonText : firstButtonText, position.x, y);
        if (firstButtonText.empty()) std::swap(pFirstButton, pSecondButton);
    } else if (buttons == 2) {
        pFirstButton = addButton(firstButtonText, position.x - BUTTON_SPREAD, y);
        pSecondButton = addButton(secondButtonText, position.x + BUTTON_SPREAD, y);
    }
}

MenuButton* ContextPopup::addButton(WideStringView text, float x, float y) {
    auto* button = new MenuButton(x, y, position.z, text, {});
    button->setWidth(BUTTON_WIDTH);
    addMenuChild(button);
    return button;
}

void ContextPopup::finish(int32_t choice) {
    if (answer) *answer = choice;
    closed = true;
}

void ContextPopup::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (pFirstButton && pFirstButton->clicked) {
        pFirstButton->clicked = false;
        finish(0);
    } else if (pSecondButton && pSecondButton->clicked) {
        pSecondButton->clicked = false;
        finish(1);
    }
}

void ContextPopup::onActivate(bool first) {
    ContextMenu::onActivate(first);
    if (first) playMenuSound(u"pop");
}

void ContextPopup::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    const bool oneButton = (pFirstButton != nullptr) != (pSecondButton != nullptr);
    if (removed && oneButton && answer && *answer == -1) *answer = pFirstButton ? 0 : 1;
}

void ContextPopup::renderContext() {
    if (clearColor == 0) renderScreenBelow();
    ContextMenu::renderContext();
}
