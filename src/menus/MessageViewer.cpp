#include "menus/MessageViewer.h"
#include <algorithm>
#include <cmath>
#include "core/Language.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/VekGraphics.h"

namespace {

constexpr int WRAP_MARGIN = 10;
constexpr int HORIZONTAL_FLAGS = FontQuad::TEXT_LEFT | FontQuad::TEXT_CENTRE | FontQuad::TEXT_RIGHT;
constexpr double FADE_SECONDS = 1.0;
constexpr char16_t ELLIPSIS[] = u"\u2026";

double engineTime() {
    return Vek::get() ? Vek::get()->getTimeSinceStart() : 0.0;
}

// The first `count` units of the text, and an ellipsis where that cut it.
WideString firstUnits(WideStringView text, std::size_t count) {
    if (text.size() <= count) return WideString(text);
    if (isLowSurrogate(text[count])) --count;
    return WideString(text.substr(0, count)) + ELLIPSIS;
}

// The last `count` units of the text, a surrogate pair kept whole.
WideStringView lastUnits(WideStringView text, std::size_t count) {
    if (text.size() <= count) return text;
    std::size_t from = text.size() - count;
    if (isLowSurrogate(text[from])) ++from;
    return text.substr(from);
}

uint32_t halveRgb(uint32_t argb) {
    return (argb & 0xFF000000u) | ((argb >> 1) & 0x7F7F7Fu);
}

uint32_t withAlpha(uint32_t argb, float factor) {
    const auto a = static_cast<uint32_t>(std::lround(static_cast<float>(argb >> 24) * factor));
    return (a << 24) | (argb & 0xFFFFFFu);
}

} // namespace

MessageViewer::MessageViewer() {
    const int width = VekGraphics::get() ? VekGraphics::get()->screenWidth : VekGraphics::LOGICAL_WIDTH;
    wrapWidth = width - WRAP_MARGIN;
    Global* game = Global::get();
    font = game ? game->fontMedium : nullptr;
    lineStep = font ? -static_cast<float>(font->getLineHeight()) : 0.f;
}

void MessageViewer::addMessage(WideStringView text) {
    VEK_LOG(u"> %s", WideString(text));
    appendWrapped(text, TextLine::Markup::Read);
    lastMessageTime = engineTime();
}

void MessageViewer::addPlainText(WideStringView text) {
    const std::vector<WideStringView> texts = splitLineViews(text);
    for (std::size_t i = 0; i < std::min(texts.size(), LOGGEDLINES); ++i)
        VEK_LOG(u"> %s", firstUnits(texts[i], LOGGEDUNITS));
    if (texts.size() > LOGGEDLINES) VEK_LOG(u"(%d more lines, not logged)", texts.size() - LOGGEDLINES);
    const std::size_t rows = static_cast<std::size_t>(std::max(maxLines, 0));
    const std::size_t unitsInView = wrapWidth > 0 ? rows * static_cast<std::size_t>(wrapWidth) : text.size();
    for (std::size_t i = texts.size() - std::min(texts.size(), rows); i < texts.size(); ++i)
        appendWrapped(lastUnits(texts[i], unitsInView), TextLine::Markup::Ignored);
    lastMessageTime = engineTime();
}

void MessageViewer::appendWrapped(WideStringView text, TextLine::Markup markup) {
    const auto measure = [this](WideStringView s) { return font ? font->measureText(s, 0).width : 0.f; };
    const bool rightToLeft = Vek::get() && Vek::get()->getLanguage().isRightToLeft();
    for (TextLine& line : TextLine::wrap(text, static_cast<float>(wrapWidth), std::abs(lineStep), measure,
                                         rightToLeft, markup))
        lines.push_back(std::move(line));
    while (lines.size() > static_cast<std::size_t>(std::max(maxLines, 0)))
        lines.pop_front();
}

std::vector<WideString> MessageViewer::getLines() const {
    std::vector<WideString> out;
    for (const TextLine& line : lines) {
        WideString text;
        for (const TextSegment& segment : line.segments)
            text += segment.text;
        out.push_back(std::move(text));
    }
    return out;
}

void MessageViewer::tick(double t, double dt) {
    VekBase::tick(t, dt);
    if (fadeAfter <= 0.0) {
        alpha = 1.f;
        return;
    }
    const double fading = (engineTime() - (lastMessageTime + fadeAfter - FADE_SECONDS)) / FADE_SECONDS;
    alpha = static_cast<float>(1.0 - std::clamp(fading, 0.0, 1.0));
}

void MessageViewer::render() {
    if (hidden || alpha <= 0.f || !font || lines.empty()) return;
    float y = position.y;
    if (bottomAnchored) y -= static_cast<float>(lines.size() - 1) * lineStep;
    y = std::trunc(y);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        drawLine(lines[i], y, dimOlderLines && i + 1 < lines.size());
        y += lineStep;
    }
    VekBase::render();
}

void MessageViewer::drawLine(const TextLine& line, float y, bool bDim) {
    // The line is placed as a whole, as its flags say; its runs then follow from its left end.
    float x = position.x;
    if (textFlags & FontQuad::TEXT_CENTRE)
        x -= std::floor(line.width * 0.5f);
    else if (textFlags & FontQuad::TEXT_RIGHT)
        x -= line.width;
    const int flags = (textFlags & ~HORIZONTAL_FLAGS) | FontQuad::TEXT_LEFT;
    for (const TextSegment& segment : line.segments) {
        const uint32_t argb = segment.bColoured ? (colour & 0xFF000000u) | segment.rgb : colour;
        font->drawText(segment.text, x, y, position.z, withAlpha(bDim ? halveRgb(argb) : argb, alpha), flags);
        x += segment.width;
    }
}
