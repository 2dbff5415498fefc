#include "menus/MenuItem.h"
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include "core/ErrorManager.h"
#include "core/Language.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/Color.h"
#include "media/FontQuad.h"
#include "media/PointerTracker.h"
#include "media/SlicedSkin.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"
#include "media/TextLine.h"
#include "media/VekInput.h"
#include "menus/ContextMenu.h"
#include "game/GameInput.h"
#include "menus/MenuSound.h"

namespace {

constexpr double HIGHLIGHT_SPEED = 4.0; // full highlight in 0.25 s
constexpr float PULSE_SPEED = 4.f;      // a bounce lasts 0.25 s
constexpr float BOUNCE_DEPTH = 0.15f;
constexpr int DEFAULT_WIDTH = 256;
constexpr float SHADOW_DROP = 2.f;
constexpr uint32_t BOX_SHADOW = 0x40000000;
constexpr uint32_t HINT_COLOUR = 0xFFFFFFFF;
constexpr uint32_t HINT_SHADOW = 0x80000000;
constexpr int HINT_FLAGS = FontQuad::TEXT_CENTRE | FontQuad::TEXT_BOTTOM;
constexpr float CAPTION_GAP = 5.f;
constexpr float HINT_GAP = 4.f;        // units between a hint and the items beside or below it
constexpr float MIN_HINT_ROOM = 120.f; // narrower rooms would wrap a hint into too many lines
constexpr float MIN_CAPTION_ROOM = 10.f;
constexpr float SCREEN_EDGE_MARGIN = 4.f; // screen units kept free beside a caption at the edge
const Vector3 CAPTION_SHADOW_OFFSET{2.f, -2.f, 0.f};

FontQuad* itemFont() {
    Global* game = Global::get();
    if (!game) return nullptr;
    VekGraphics* graphics = VekGraphics::get();
    const bool tiny = graphics && graphics->viewportWidth < graphics->screenWidth / 2;
    return tiny ? game->fontSmall : game->fontMedium;
}

bool isRightToLeft() {
    return Vek::get() && Vek::get()->getLanguage().isRightToLeft();
}

/// True when a hint `width` wide and `height` high, centred on x = 0 with its bottom at
/// `bottom`, keeps HINT_GAP beside every box and stays off them above and below.
bool isHintClear(std::span<const Rect> boxes, float width, float height, float bottom) {
    const float half = 0.5f * width + HINT_GAP;
    return std::none_of(boxes.begin(), boxes.end(), [&](const Rect& box) {
        return box.left < half && box.right > -half && box.bottom < bottom + height && box.top > bottom;
    });
}

/// The width, centred on x = 0, that the boxes crossing the line at `bottom` leave free beside
/// the middle, HINT_GAP kept from them; 0 when one of them takes the middle.
float hintRoom(std::span<const Rect> boxes, float lineHeight, float bottom) {
    float reach = INFINITY; // from the middle to the nearest box on either side
    for (const Rect& box : boxes) {
        if (box.bottom >= bottom + lineHeight || box.top <= bottom) continue;
        if (box.left < 0.f && box.right > 0.f) return 0.f;
        reach = std::min(reach, box.right <= 0.f ? -box.right : box.left);
    }
    return 2.f * (reach - HINT_GAP);
}

/// Text flags and offset from the item's centre of a caption by its location.
struct CaptionPlace {
    int flags;
    Vector3 offset;
};

CaptionPlace captionPlace(int location, float w, float h) {
    switch (location) {
    case MenuItem::CAPTION_LEFT:
        return {FontQuad::TEXT_RIGHT | FontQuad::TEXT_MIDDLE, {-w / 2.f - CAPTION_GAP, 0.f, 0.f}};
    case MenuItem::CAPTION_CENTRED:
        return {FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE, {}};
    case MenuItem::CAPTION_RIGHT:
        return {FontQuad::TEXT_LEFT | FontQuad::TEXT_MIDDLE, {w / 2.f + CAPTION_GAP, 0.f, 0.f}};
    case MenuItem::CAPTION_BELOW_OR_ABOVE:
        return {FontQuad::TEXT_CENTRE | FontQuad::TEXT_BOTTOM, {0.f, h / 2.f + CAPTION_GAP, 0.f}};
    default:
        VEK_ERROR(u"Invalid caption location.");
        return {};
    }
}

} // namespace

MenuItem::MenuItem(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint)
    : captionLocation(ContextMenu::captionLeading), caption(itemCaption), hint(itemHint), font(itemFont()) {
    position = {isRightToLeft() ? -x : x, y, z};
    setTexture(*Vek::get()->getResourceManager().find<Texture>(u"gui-game-editbox"), END_INSET, 0.f, 0.f,
               END_INSET);
    setWidth(DEFAULT_WIDTH);
}

MenuItem::~MenuItem() {
    setSkin(nullptr);
    if (pOverlay) pOverlay->destroy();
}

void MenuItem::setTexture(const Texture& texture, float left, float top, float bottom, float right) {
    VEK_ASSERT(texture.skins.size() >= 2);
    if (pOverlay) pOverlay->destroy();
    pBody = new SlicedSkin(*texture.skins[0]);
    pOverlay = new SlicedSkin(*texture.skins[1]);
    pBody->setBorders(left, top, bottom, right);
    pOverlay->setBorders(left, top, bottom, right);
    setSkin(pBody, true);
}

void MenuItem::setWidth(int width) {
    pBody->setSize(static_cast<float>(width), -1.f);
    pOverlay->setSize(static_cast<float>(width), -1.f);
    updateTransform();
}

void MenuItem::setHeight(int height) {
    pBody->setSize(pBody->getWidth(), static_cast<float>(height));
    pOverlay->setSize(pOverlay->getWidth(), static_cast<float>(height));
    updateTransform();
}

Vector3 MenuItem::getFocusPoint(int index) {
    if (index != 0) return NO_FOCUS_POINT;
    const Vector3 centre = getWorldPosition();
    return toScreenUnits({centre.x, centre.y - pBody->getHeight() / 4.f, centre.z});
}

Vector3 MenuItem::toScreenUnits(const Vector3& world) const {
    return ContextMenu::toScreenOf(*this, world);
}

Vector3 MenuItem::getWorldPosition() const {
    // From the placements themselves: a tick may come before the panels were first drawn.
    Vector3 point = position;
    for (const VekBase* owner = getOwner(); owner; owner = owner->getOwner())
        if (const auto* panel = dynamic_cast<const Renderable*>(owner))
            point = Transform::compose(panel->position, panel->rotation, panel->scale).apply(point);
    return point;
}

void MenuItem::drawValue(float, float, float) {}

void MenuItem::activate() {
    clicked = true;
    playMenuSound(u"mouseClick");
}

TouchPoint* MenuItem::pointingTouch() {
    VekInput* input = GameInput::getInput();
    return input ? input->getPointingTouch() : nullptr;
}

bool MenuItem::wasPointerPressed() {
    VekInput* input = GameInput::getInput();
    return input && input->isAnyTouchPressed();
}

bool MenuItem::isPointerOver() const {
    const PointerTracker* tracker = GameInput::getPointerTracker();
    if (!tracker) return false;
    const Vector3 centre = getWorldPosition();
    const float x = (tracker->position.x - centre.x) / baseScale;
    const float y = (tracker->position.y - centre.y) / baseScale;
    return pBody->isPointInside(x, y);
}

void MenuItem::tick(double t, double dt) {
    VekBase::tick(t, dt);
    hovered = forceHover || isPointerOver();
    updateHighlight(dt);
    updatePulse(dt);
    colour = disabled ? colourDisabled : lerpColor(colourNormal, colourHover, static_cast<float>(highlight));
}

void MenuItem::updateHighlight(double dt) {
    const VekInput* input = GameInput::getInput();
    if (input && input->inputMode == INPUTMODE_TOUCH) {
        const TouchPoint* touch = pointingTouch();
        highlight = hovered && touch && touch->bDown ? 1.0 : 0.0;
    } else {
        highlight += hovered ? HIGHLIGHT_SPEED * dt : -HIGHLIGHT_SPEED * dt;
    }
    highlight = std::clamp(highlight, 0.0, 1.0);
}

void MenuItem::updatePulse(double dt) {
    pulse = std::max(0.f, pulse - PULSE_SPEED * static_cast<float>(dt));
    if (hovered && !disabled && wasPointerPressed()) pulse = 1.f;
    const float s = 1.f + BOUNCE_DEPTH * pulse * std::sin(-2.f * std::numbers::pi_v<float> * pulse);
    if (s * baseScale != scale.x) scale = {baseScale * s, baseScale / s, 1.f};
}

void MenuItem::render() {
    if (hidden) return;
    updateTransform();
    VekGraphics* graphics = VekGraphics::get();
    if (!graphics) return;
    if (hasShadow && graphics->bDetail) {
        Transform shadow = getWorldTransform();
        shadow.translation.y -= SHADOW_DROP;
        pBody->draw(*graphics, shadow, BOX_SHADOW);
    }
    pBody->draw(*graphics, getWorldTransform(), colour);
    if (!disabled && highlight > 0.0) {
        const auto alpha = static_cast<uint32_t>(std::lround(highlight * 255.0));
        pOverlay->draw(*graphics, getWorldTransform(), (alpha << 24) | 0xFFFFFF);
    }
    const Vector3 centre = getWorldPosition();
    drawValue(centre.x, centre.y, centre.z);
    if (hovered) drawHint();
    drawCaption();
    VekBase::render();
}

void MenuItem::drawHint() {
    Global* game = Global::get();
    FontQuad* small = game ? game->fontSmall : nullptr;
    const WideString& text = disabled ? disabledHint : hint;
    if (!small || text.empty()) return;
    const auto lineHeight = static_cast<float>(small->getLineHeight());
    const float bottom = 2.f - static_cast<float>(VekGraphics::get()->screenHeight / 2);
    const ContextMenu* menu = owningMenu();
    const std::vector<Rect> boxes = menu ? menu->itemFootprints() : std::vector<Rect>{};
    const auto measure = [&](WideStringView plain) { return small->measureText(plain, HINT_FLAGS).width; };
    const auto wrap = [&](float width) { return TextLine::wrap(text, width, lineHeight, measure, false); };
    const HintPlace place =
        placeHint(boxes, measure(text), lineHeight, bottom, [&](float width) { return wrap(width).size(); });
    const std::vector<TextLine> lines = wrap(place.wrapWidth);
    float y = place.bottom + lineHeight * static_cast<float>(lines.size() - 1);
    for (const TextLine& line : lines) {
        WideString shown;
        for (const TextSegment& segment : line.segments) shown += segment.text;
        small->drawText(shown, 0.f, y - 1.f, 0.f, HINT_SHADOW, HINT_FLAGS);
        small->drawText(shown, 0.f, y, 0.f, HINT_COLOUR, HINT_FLAGS);
        y -= lineHeight;
    }
}

MenuItem::HintPlace MenuItem::placeHint(std::span<const Rect> boxes, float textWidth, float lineHeight,
                                        float bottom, const HintLineCount& countLines) {
    std::vector<float> lines{bottom};
    for (const Rect& box : boxes)
        if (box.top + HINT_GAP > bottom) lines.push_back(box.top + HINT_GAP);
    std::ranges::sort(lines);
    for (const float line : lines) {
        if (isHintClear(boxes, textWidth, lineHeight, line)) return {0.f, line};
        const float room = hintRoom(boxes, lineHeight, line);
        if (room >= MIN_HINT_ROOM &&
            isHintClear(boxes, room, lineHeight * static_cast<float>(countLines(room)), line))
            return {room, line};
    }
    return {0.f, lines.back()}; // never reached: nothing stands above the highest box
}

const ContextMenu* MenuItem::owningMenu() const {
    for (const VekBase* owner = getOwner(); owner; owner = owner->getOwner())
        if (const auto* menu = dynamic_cast<const ContextMenu*>(owner)) return menu;
    return nullptr;
}

float MenuItem::fitScale(float width, float room) {
    return room > MIN_CAPTION_ROOM && width > room ? room / width : 1.f;
}

float MenuItem::centredCaptionScale(float captionWidth, float boxWidth, float boxHeight) {
    return fitScale(captionWidth, std::trunc(boxWidth - boxHeight));
}

float MenuItem::sideCaptionScale(float captionWidth, float anchorX, float screenWidth, bool bLeftward) {
    return fitScale(captionWidth, (bLeftward ? anchorX : screenWidth - anchorX) - SCREEN_EDGE_MARGIN);
}

std::optional<std::pair<WideString, WideString>> MenuItem::splitCaption(WideStringView text) {
    std::optional<std::size_t> best;
    const std::size_t middle = text.size() / 2;
    const auto distance = [middle](std::size_t at) { return at > middle ? at - middle : middle - at; };
    for (std::size_t at = 1; at + 1 < text.size(); ++at)
        if (text[at] == u' ' && (!best || distance(at) < distance(*best))) best = at;
    if (!best) return std::nullopt;
    return std::pair{WideString(text.substr(0, *best)), WideString(text.substr(*best + 1))};
}

MenuItem::PlacedCaption MenuItem::placeCaption() const {
    const CaptionPlace place = captionPlace(captionLocation, pBody->getWidth(), pBody->getHeight());
    if (!font || caption.empty()) return {place.flags, {}};
    const Vector3 anchor = local2world(place.offset);
    if (captionLocation == CAPTION_LEFT || captionLocation == CAPTION_RIGHT)
        return {place.flags, placeSideCaption(place.flags, anchor)};
    float captionScale = 1.f;
    if (captionLocation == CAPTION_CENTRED)
        captionScale = centredCaptionScale(font->measureText(caption, place.flags).width, pBody->getWidth(),
                                           pBody->getHeight());
    return {place.flags, {{caption, anchor, captionScale}}};
}

void MenuItem::drawCaption() {
    const PlacedCaption placed = placeCaption();
    const bool bShadow = hasShadow && !disabled;
    for (const PlacedText& line : placed.lines)
        drawPlacedText(line.text, line.at, placed.flags, line.textScale, bShadow);
}

std::optional<Rect> MenuItem::captionBox() const {
    const PlacedCaption placed = placeCaption();
    std::optional<Rect> box;
    for (const PlacedText& line : placed.lines) {
        const Rect text = font->measureTextRect(line.text, placed.flags);
        const float sx = scale.x * line.textScale, sy = scale.y * line.textScale;
        const Rect drawn{line.at.x + sx * text.left, line.at.y + sy * text.top, line.at.x + sx * text.right,
                         line.at.y + sy * text.bottom};
        box = box ? Rect{std::min(box->left, drawn.left), std::max(box->top, drawn.top),
                         std::max(box->right, drawn.right), std::min(box->bottom, drawn.bottom)}
                  : drawn;
    }
    return box;
}

std::vector<MenuItem::PlacedText> MenuItem::placeSideCaption(int flags, const Vector3& anchor) const {
    // A long translation beside a box near the edge takes two lines, and shrinks only when
    // even those would leave the screen.
    const float screenX = toScreenUnits(anchor).x;
    const float unit = (toScreenUnits({anchor.x + 1.f, anchor.y, anchor.z}).x - screenX) * scale.x;
    const VekGraphics* graphics = VekGraphics::get();
    const auto screenWidth =
        static_cast<float>(graphics ? graphics->screenWidth : VekGraphics::LOGICAL_WIDTH);
    const auto fit = [&](WideStringView text) {
        return sideCaptionScale(font->measureText(text, flags).width * unit, screenX, screenWidth,
                                (flags & FontQuad::TEXT_RIGHT) != 0);
    };
    const float whole = fit(caption);
    const auto halves = whole < 1.f ? splitCaption(caption) : std::nullopt;
    if (!halves) return {{caption, anchor, whole}};
    const float textScale = std::min(fit(halves->first), fit(halves->second));
    const float halfStep = 0.5f * static_cast<float>(font->getLineHeight()) * textScale * scale.y;
    return {{halves->first, {anchor.x, anchor.y + halfStep, anchor.z}, textScale},
            {halves->second, {anchor.x, anchor.y - halfStep, anchor.z}, textScale}};
}

float MenuItem::captionFitFactor(WideStringView text) const {
    if (!font) return 1.f;
    const float width = font->measureText(text, FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE).width;
    return centredCaptionScale(width, pBody->getWidth(), pBody->getHeight());
}

void MenuItem::drawValueText(WideStringView text, const Vector3& at, float fit) {
    if (font && !text.empty())
        drawPlacedText(text, at, FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE, fit, hasShadow);
}

void MenuItem::drawPlacedText(WideStringView text, const Vector3& at, int flags, float textScale,
                              bool bShadow) {
    Renderable placement;
    placement.position = at;
    placement.scale = {scale.x * textScale, scale.y * textScale, 1.f};
    placement.color = colour;
    placement.updateTransform();
    if (bShadow)
        font->renderTextShadowed(placement, text, flags, CAPTION_SHADOW_OFFSET, HINT_SHADOW);
    else
        font->renderText(placement, text, flags);
}
