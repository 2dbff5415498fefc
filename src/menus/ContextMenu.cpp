#include "menus/ContextMenu.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include "core/Language.h"
#include "core/Logger.h"
#include "core/Rect.h"
#include "core/Vek.h"
#include "media/Renderable.h"
#include "media/Skin.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "menus/ContextMenuEntry.h"
#include "menus/FocusPointSource.h"
#include "menus/MenuItem.h"
#include "game/GameInput.h"

VEK_REGISTER_CLASS(ContextMenu, Context, u"_4229753a")

int ContextMenu::navigationMode = NAVIGATION_POINTER;
int ContextMenu::navigationModeFrame = -1;
float ContextMenu::mirrorSign = 1.f;
int ContextMenu::alignLeading = 2;
int ContextMenu::captionLeading = 4;

namespace {

/// The codes of one navigation control: the key and the same control on either joystick.
using ControlCodes = std::array<int, 3>;
constexpr std::array<ControlCodes, 4> DIRECTION_CODES{{
    {200, 0x100, 0x130}, // up
    {208, 0x101, 0x131}, // down
    {203, 0x102, 0x132}, // left
    {205, 0x103, 0x133}, // right
}};
constexpr ControlCodes CONFIRM_CODES{28, 0x110, 0x140};
constexpr std::array<int, 2> BACK_CODES{0x111, 0x141};
constexpr std::array<Vector3, 4> DIRECTION_VECTORS{
    {{0.f, 1.f, 0.f}, {0.f, -1.f, 0.f}, {-1.f, 0.f, 0.f}, {1.f, 0.f, 0.f}}};
constexpr float MIN_FOCUS_DISTANCE = 4.f; // the point under the pointer is never its own target
constexpr float FOCUS_SCORE_SCALE = 256.f;
constexpr float MOUSE_MOVE_FOR_POINTER = 4.f; // squared screen units that give the pointer back
constexpr float FOCUS_MARK_HALF = 5.f;        // screen units around a focus point
constexpr float FOCUS_MARK_LINE = 1.f;
constexpr uint32_t FOCUS_MARK_COLOUR = 0xFF000000;
constexpr uint32_t FOCUS_MARK_BLINK = 0xFFFF00FF;
constexpr double FOCUS_MARK_BLINKS = 5.0; // colour changes per second in key navigation

struct Layout {
    float mirrorSign;
    int alignLeading;
    int captionLeading;
};
constexpr Layout LEFT_TO_RIGHT{1.f, 2, 4};
constexpr Layout RIGHT_TO_LEFT{-1.f, 8, 6};

VekGraphics* graphics() {
    return VekGraphics::get();
}
int screenWidth() {
    return graphics() ? graphics()->screenWidth : VekGraphics::LOGICAL_WIDTH;
}
int screenHeight() {
    return graphics() ? graphics()->screenHeight : VekGraphics::LOGICAL_HEIGHT;
}

struct ViewSize {
    float width;
    float height;
};

/// The smallest view of the shape of a screen `nowW` by `nowH` units that holds a screen of
/// `placedW` by `placedH` units whole, one unit of it to one unit of the view's plane.
ViewSize fittedView(int placedW, int placedH, int nowW, int nowH) {
    const auto pw = static_cast<float>(placedW), ph = static_cast<float>(placedH);
    const auto nw = static_cast<float>(nowW), nh = static_cast<float>(nowH);
    if (nw * ph >= pw * nh) return {ph * nw / nh, ph};
    return {pw, pw * nh / nw};
}

int frameNumber() {
    return Vek::get() ? Vek::get()->renderedFrames : 0;
}

bool anyPressed(const VekInput& input, std::span<const int> codes) {
    for (int code : codes)
        if (input.isKeyPressed(code)) return true;
    return false;
}

bool anyReleased(const VekInput& input, std::span<const int> codes) {
    for (int code : codes)
        if (!input.isKeyDown(code) && (input.keysPrevious[static_cast<std::size_t>(code)] & KEYDOWNBIT))
            return true;
    return false;
}

Vector3 mouseInScreenUnits(const VekInput& input) {
    return graphics() ? graphics()->windowToScreen(input.pointer) : input.pointer;
}

void moveMouse(VekInput& input, const Vector3& screenPoint) {
    const Vector3 pixel = graphics() ? graphics()->screenToWindow(screenPoint) : screenPoint;
    input.setMousePosition(pixel.x, pixel.y);
}

/// Moves the mouse and shows it: key navigation works by moving the pointer.
void putMouse(VekInput& input, const Vector3& screenPoint) {
    input.setInputMode(INPUTMODE_MOUSE);
    moveMouse(input, screenPoint);
}

bool isOnScreen(const Vector3& p) {
    return p.x >= 0.f && p.x < static_cast<float>(screenWidth()) && p.y > 0.f &&
           p.y <= static_cast<float>(screenHeight());
}

} // namespace

ContextMenu::ContextMenu()
    : placedWidth(screenWidth()), placedHeight(screenHeight()), shownWidth(static_cast<float>(placedWidth)),
      shownHeight(static_cast<float>(placedHeight)) {
    originX = placedWidth / 2 + itemSpacing / 2 - marginX;
    originY = placedHeight / 2 - marginY;
    // The menu's world is the screen in its own units, also where the layout widens or
    // heightens past 640 by 480, so that items placed from the screen's size stay on it.
    camera.showScreen(shownWidth, shownHeight);
    rememberedPointer = worldToScreen({0.f, static_cast<float>(placedHeight / 2), 0.f});
    const bool rightToLeft = Vek::get() && Vek::get()->getLanguage().isRightToLeft();
    const Layout& layout = rightToLeft ? RIGHT_TO_LEFT : LEFT_TO_RIGHT;
    mirrorSign = layout.mirrorSign;
    alignLeading = layout.alignLeading;
    captionLeading = layout.captionLeading;
}

void ContextMenu::addItem(VekBase* widget) {
    items.append(*this, *new ContextMenuEntry(widget));
}

void ContextMenu::addMenuChild(VekBase* widget) {
    addChild(widget);
    (itemMenu ? itemMenu : this)->addItem(widget);
}

void ContextMenu::setMenuNavigationMode(int mode) {
    if (mode == navigationMode) return;
    VEK_LOG(u"Setting menu navigation mode to %d", mode);
    navigationMode = mode;
    navigationModeFrame = frameNumber();
}

Vector3 ContextMenu::worldToScreen(const Camera& view, const Vector3& world) {
    Rect visible;
    view.getVisibleRect(visible, world.z);
    const float k = (world.z - view.z) / (static_cast<float>(screenWidth()) * 0.5f);
    return {(world.x - visible.left) / k, (world.y - visible.bottom) / k, world.z};
}

Vector3 ContextMenu::toScreenOf(const VekBase& object, const Vector3& world) {
    for (const VekBase* owner = object.getOwner(); owner; owner = owner->getOwner())
        if (const auto* context = dynamic_cast<const Context*>(owner))
            return worldToScreen(context->camera, world);
    return worldToScreen(Camera(), world);
}

float ContextMenu::scoreFocusCandidate(const Vector3& from, const Vector3& to, int direction) {
    const Vector3 d = to - from;
    const float length = std::sqrt(lengthSquared(d));
    if (direction == DIRECTION_NEAREST) return FOCUS_SCORE_SCALE / std::max(1.f, length);
    if (length < MIN_FOCUS_DISTANCE) return -1.f;
    const Vector3& u = DIRECTION_VECTORS[static_cast<std::size_t>(direction)];
    const float cosine = (u.x * d.x + u.y * d.y + u.z * d.z) / length;
    return FOCUS_SCORE_SCALE * cosine / length;
}

template <class Visit> void ContextMenu::forEachFocusPoint(Visit visit) const {
    for (VekBase* node = items.getHead(); node; node = node->getNext()) {
        VekBase* widget = static_cast<ContextMenuEntry*>(node)->item.get();
        auto* source = dynamic_cast<FocusPointSource*>(widget);
        const auto* renderable = dynamic_cast<const Renderable*>(widget);
        if (!source || (renderable && renderable->hidden)) continue;
        for (int index = 0;; ++index) {
            const Vector3 point = source->getFocusPoint(index);
            if (FocusPointSource::isNoFocusPoint(point)) break;
            visit(point);
        }
    }
}

std::vector<Rect> ContextMenu::itemBoxes() const {
    std::vector<Rect> boxes;
    for (VekBase* node = items.getHead(); node; node = node->getNext()) {
        const auto* item = dynamic_cast<const Renderable*>(static_cast<ContextMenuEntry*>(node)->item.get());
        if (!item || item->hidden || !item->getSkin()) continue;
        const Rect local = item->getSkin()->getLocalRect();
        Rect box{INFINITY, -INFINITY, -INFINITY, INFINITY};
        for (const Vector3& corner : {Vector3{local.left, local.top, 0.f}, Vector3{local.right, local.top, 0.f},
                                      Vector3{local.right, local.bottom, 0.f}, Vector3{local.left, local.bottom, 0.f}}) {
            const Vector3 at = item->local2world(corner);
            box = {std::min(box.left, at.x), std::max(box.top, at.y), std::max(box.right, at.x),
                   std::min(box.bottom, at.y)};
        }
        boxes.push_back(box);
    }
    return boxes;
}

std::vector<Rect> ContextMenu::itemFootprints() const {
    std::vector<Rect> footprints = itemBoxes();
    for (VekBase* node = items.getHead(); node; node = node->getNext()) {
        const auto* item = dynamic_cast<const MenuItem*>(static_cast<ContextMenuEntry*>(node)->item.get());
        if (!item || item->hidden) continue;
        if (const std::optional<Rect> caption = item->captionBox()) footprints.push_back(*caption);
    }
    return footprints;
}

Vector3 ContextMenu::findFocusTarget(const Vector3& from, int direction) {
    Vector3 best = from;
    float bestScore = 0.f;
    bool found = false;
    forEachFocusPoint([&](const Vector3& point) {
        if (!isOnScreen(point)) return;
        const float score = scoreFocusCandidate(from, point, direction);
        if (score <= 0.f || (found && score <= bestScore)) return;
        best = point;
        bestScore = score;
        found = true;
    });
    return best;
}

void ContextMenu::onActivate(bool first) {
    Context::onActivate(first);
    confirmLatched = false;
    bRepeatClicksIgnored = true;
    VekInput* input = GameInput::getInput();
    if (!input) return;
    if (navigationMode == NAVIGATION_POINTER) {
        // A stale touch must not keep an item highlighted; the input stays in touch mode.
        if (input->inputMode == INPUTMODE_TOUCH)
            moveMouse(*input, worldToScreen({0.f, static_cast<float>(screenHeight() / 2), 0.f}));
        return;
    }
    putMouse(*input, rememberedPointer);
    updatePointerPosition();
    putMouse(*input, findFocusTarget(rememberedPointer, DIRECTION_NEAREST));
}

void ContextMenu::onDeactivate(bool removed) {
    Context::onDeactivate(removed);
    rememberedPointer = worldToScreen({pointer.x, pointer.y, pointer.z});
}

void ContextMenu::tickContext(double t, double dt) {
    followLayout();
    Context::tickContext(t, dt);
}

void ContextMenu::renderContext() {
    followLayout();
    Context::renderContext();
}

void ContextMenu::followLayout() {
    const ViewSize fitted = fittedView(placedWidth, placedHeight, screenWidth(), screenHeight());
    if (fitted.width == shownWidth && fitted.height == shownHeight) return;
    // By the change in width only, so that a blend under way keeps its share of the depth.
    camera.z -= 0.5f * (fitted.width - shownWidth);
    camera.ratio = fitted.height / fitted.width;
    shownWidth = fitted.width;
    shownHeight = fitted.height;
}

void ContextMenu::tickContents(double t, double dt) {
    VekInput* input = GameInput::getInput();
    if (input) ignoreRepeatClick(*input); // before the items see the press
    Context::tickContents(t, dt);
    if (!input) return;
    if (keyNavigationEnabled && navigationModeFrame < frameNumber() - 1) readNavigationKeys();
    if (navigationMode == NAVIGATION_KEYS && mouseMovedFar(*input)) setMenuNavigationMode(NAVIGATION_POINTER);
}

void ContextMenu::ignoreRepeatClick(VekInput& input) {
    if (!input.isMousePressed()) return;
    if (input.mouseClicks <= 1) bRepeatClicksIgnored = false;
    if (bRepeatClicksIgnored) input.ignoreMousePress();
}

bool ContextMenu::mouseMovedFar(const VekInput& input) {
    Vector3 moved{input.mouseMove.x, input.mouseMove.y, 0.f};
    // The pixels of a large window are smaller than screen units.
    if (graphics()) moved = graphics()->windowToScreen(moved) - graphics()->windowToScreen({});
    return lengthSquared(moved) > MOUSE_MOVE_FOR_POINTER;
}

void ContextMenu::renderScreenBelow() {
    if (auto* below = dynamic_cast<Context*>(getPrev())) below->renderContext();
}

void ContextMenu::renderContents() {
    Context::renderContents();
    if (Vek::get() && !Vek::get()->bRelease) drawFocusPoints();
}

void ContextMenu::drawFocusPoints() const {
    VekGraphics* g = graphics();
    if (!g) return;
    const bool blink =
        navigationMode == NAVIGATION_KEYS && static_cast<long>(contextTime * FOCUS_MARK_BLINKS) % 2 == 1;
    const uint32_t colour = blink ? FOCUS_MARK_BLINK : FOCUS_MARK_COLOUR;
    const auto bar = [&](float left, float bottom, float right, float top) {
        Vector3 a, b;
        camera.screenToWorld(left, bottom, static_cast<float>(screenWidth()), a.x, a.y);
        camera.screenToWorld(right, top, static_cast<float>(screenWidth()), b.x, b.y);
        g->drawQuad(nullptr,
                    {VekGraphics::QuadCorner{{a.x, b.y, 0.f}, 0.f, 0.f, colour},
                     {{b.x, b.y, 0.f}, 0.f, 0.f, colour},
                     {{b.x, a.y, 0.f}, 0.f, 0.f, colour},
                     {{a.x, a.y, 0.f}, 0.f, 0.f, colour}},
                    platform::BlendMode::Alpha);
    };
    forEachFocusPoint([&](const Vector3& p) {
        const float l = p.x - FOCUS_MARK_HALF, r = p.x + FOCUS_MARK_HALF;
        const float b = p.y - FOCUS_MARK_HALF, t = p.y + FOCUS_MARK_HALF;
        bar(l, b, r, b + FOCUS_MARK_LINE);
        bar(l, t - FOCUS_MARK_LINE, r, t);
        bar(l, b, l + FOCUS_MARK_LINE, t);
        bar(r - FOCUS_MARK_LINE, b, r, t);
    });
}

void ContextMenu::onInputModeChange(int mode) {
    Context::onInputModeChange(mode);
    if (mode == INPUTMODE_TOUCH) setMenuNavigationMode(NAVIGATION_POINTER);
}

void ContextMenu::readNavigationKeys() {
    VekInput& input = *GameInput::getInput();
    if (closeOnEscape && !confirmClose && anyPressed(input, BACK_CODES)) closed = true;
    std::array<bool, 4> directions{};
    bool any = false;
    for (std::size_t d = 0; d < directions.size(); ++d) {
        directions[d] = anyPressed(input, DIRECTION_CODES[d]);
        any = any || directions[d];
    }
    const bool confirmPressed = anyPressed(input, CONFIRM_CODES);
    const bool confirmReleased = anyReleased(input, CONFIRM_CODES);
    if (confirmPressed) confirmLatched = true;
    if (!any && !confirmPressed && !confirmReleased) return;
    setMenuNavigationMode(NAVIGATION_KEYS);
    Vector3 target = mouseInScreenUnits(input);
    for (std::size_t d = 0; d < directions.size(); ++d)
        if (directions[d]) target = findFocusTarget(target, static_cast<int>(d));
    putMouse(input, target);
    if (confirmReleased && confirmLatched) input.addSimulatedContact();
}
