#include "menus/MessageViewer.h"
#include <algorithm>
#include <cmath>
#include "core/Language.h"
#include "core/Logger.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/VekGraphics.h"

namespace {

constexpr int WRAP_MARGIN = 10;
constexpr int HORIZONTAL_FLAGS = FontQuad::TEXT_LEFT | FontQuad::TEXT_CENTRE | FontQuad::TEXT_RIGHT;
constexpr double FADE_SECONDS = 1.0;

double engineTime() {
    return Vek::get() ? Vek::get()->getTimeSinceStart() : 0.0;
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
    const auto measure = [this](WideStringView s) { return font ? font->measureText(s, 0).width : 0.f; };
    const bool rightToLeft = Vek::get() && Vek::get()->getLanguage().isRightToLeft();
    for (TextLine& line :
         TextLine::wrap(text, static_cast<float>(wrapWidth), std::abs(lineStep), measure, rightToLeft))
        lines.push_back(std::move(line));
    while (lines.size() > static_cast<std::size_t>(std::max(maxLines, 0)))
        lines.pop_front();
    lastMessageTime = engineTime();
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
