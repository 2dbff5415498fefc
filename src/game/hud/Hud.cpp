#include "game/hud/Hud.h"
#include "core/Camera.h"
#include "core/ChildIterator.h"
#include "core/ResourceManager.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/FormatThousands.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameInput.h"
#include "game/hud/FloatingMessage.h"
#include "game/hud/TouchButtons.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "media/FontQuad.h"
#include "media/TextureSkin.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Hud, GameObject, u"Hud")

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t THEME_COLOUR = 0xFF29D8F0; // the cyan that frames the huds and the menus
constexpr int FIRE_ON_LEFT = 1;
constexpr int32_t MESSAGE_SPACING = 25; // pixels between two queued messages
constexpr int32_t COUNTER_ICONS = 3;    // more lives or missiles show as an icon and a number
constexpr float ICON_SPACING = 20.f;

} // namespace

Hud::Hud(int player) : playerIndex(player), messages(new ObjectGroup), side(2 * player - 1) {
    addChild(messages);
    const GameGlobal* game = GameGlobal::get();
    if (game && game->configuration.firingMethod == FIRE_ON_LEFT) side = -side;
    sprite.bBoundsOff = true;
}

void Hud::queue(FloatingMessage* message) {
    messages->add(message);
}

int32_t Hud::easeScore(int32_t shown, int32_t score) {
    const int64_t gap = static_cast<int64_t>(score) - shown;
    if (gap == 1 || gap == -1) return score;
    return static_cast<int32_t>((static_cast<int64_t>(shown) + score) / 2);
}

int32_t Hud::nextSlide(int32_t current, bool bHiddenNow) {
    if (!bHiddenNow) return current / 2;
    return std::min(std::max(current, 1) * 2, HIDDEN_SLIDE);
}

void Hud::frameUpdate() {
    const GameController* game = GameController::running();
    if (!game) return;
    const PlayerData& player = *game->players[static_cast<std::size_t>(playerIndex)];
    if (player.getState() == PlayerData::NOT_PLAYING) return;
    runQueue();
    VekGraphics* graphics = VekGraphics::get();
    if (graphics) {
        const View fieldView = graphics->getView();
        const Vector2 screen = screenSize(graphics->getLayout());
        Camera hudView;
        hudView.showScreen(screen.x, screen.y);
        graphics->useCamera(hudView);
        const float halfWidth = screen.x / 2.f;
        const float halfHeight = screen.y / 2.f;
        drawMessages(halfWidth, halfHeight);
        drawTopPanel(player, halfWidth, halfHeight);
        drawBottomPanel(player, halfWidth, halfHeight);
        drawTouchButtons(player, halfWidth, halfHeight);
        graphics->setView(fieldView);
    }
    shownScore = easeScore(shownScore, player.score);
    drawCrosshair(player);
    slide = nextSlide(slide, bHidden);
}

Vector2 Hud::screenSize(const ScreenLayout& layout) {
    if (layout.viewportWidth < layout.screenWidth || layout.viewportHeight < layout.screenHeight)
        return {static_cast<float>(layout.screenWidth), static_cast<float>(layout.screenHeight)};
    return {static_cast<float>(layout.viewportWidth), static_cast<float>(layout.viewportHeight)};
}

void Hud::runQueue() {
    if (messages->getChildren().isEmpty()) return;
    queueTimer += Vek::get()->tickStep;
    if (queueTimer <= MESSAGE_TIME) return;
    if (++queueOffset < 0) return;
    messages->getChildren().getHead()->destroy();
    queueOffset = QUEUE_START;
    queueTimer = 0.0;
}

void Hud::drawMessages(float halfWidth, float halfHeight) {
    float y = halfHeight - 20.f + static_cast<float>(queueOffset);
    int shown = 0;
    ChildIterator it(*messages);
    while (VekBase* member = it.next()) {
        if (shown++ == MAX_SHOWN) break;
        auto* message = static_cast<FloatingMessage*>(member);
        message->x = side * (slide + halfWidth);
        message->y = y;
        message->frameUpdate();
        y -= MESSAGE_SPACING;
    }
}

void Hud::drawTopPanel(const PlayerData& player, float halfWidth, float halfHeight) {
    const float inward = slide + halfWidth;
    drawSkin(u"hud:0", side * ((bCompact ? 60.f : 0.f) + inward - 90.f), halfHeight);
    if (FontQuad* font = Global::get()->fontMedium) {
        // Centred on the lives' row, so the score stays inside the panel's visible half.
        const int align = (side < 0 ? FontQuad::TEXT_LEFT : FontQuad::TEXT_RIGHT) | FontQuad::TEXT_MIDDLE;
        font->drawText(formatThousands(shownScore, Vek::get()->getLanguage()), side * (inward - 4.f),
                       halfHeight - 14.f, 0.f, WHITE, align);
    }
    drawCounter(u"hud:2", player.lives, !bCompact && player.lives <= COUNTER_ICONS, inward - 140.f, halfHeight - 14.f,
                bCompact ? 36.f : 0.f, bCompact ? 42.f : 0.f);
}

void Hud::drawBottomPanel(const PlayerData& player, float halfWidth, float halfHeight) {
    const float inward = slide + halfWidth;
    drawSkin(u"hud:0", side * (inward + 30.f), -halfHeight);
    drawCounter(u"hud:3", player.missiles, player.missiles <= COUNTER_ICONS, inward - 20.f, 14.f - halfHeight, 0.f,
                0.f);
}

void Hud::drawCounter(const char16_t* skin, int32_t count, bool bIcons, float inward, float y, float iconShift,
                      float numberShift) {
    if (bIcons) {
        for (int32_t i = 0; i < count; ++i)
            drawSkin(skin, side * (inward - ICON_SPACING * static_cast<float>(i)), y);
        return;
    }
    drawSkin(skin, side * (inward + iconShift), y);
    if (FontQuad* font = Global::get()->fontMedium)
        font->drawText(stringf(u"%d", count), side * (inward - ICON_SPACING + numberShift), y, 0.f, WHITE,
                       FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE);
}

void Hud::drawTouchButtons(const PlayerData& player, float halfWidth, float halfHeight) {
    const VekInput* input = GameInput::getInput();
    if (!input || input->inputMode != INPUTMODE_TOUCH) return;
    const TouchButtons buttons = TouchButtons::current();
    const auto place = [&](const char16_t* skin, const Vector2& button) {
        drawSkin(skin, (button.x - 320.f) * halfWidth / 320.f, (240.f - button.y) * halfHeight / 240.f);
    };
    place(u"hud-touchscreen:1", buttons.first);
    if (player.missiles > 0) place(u"hud-touchscreen:3", buttons.missile);
    const int firingMethod = Global::get()->configuration.firingMethod;
    if (firingMethod == 1 || firingMethod == 2) place(u"hud-touchscreen:4", buttons.fire);
}

void Hud::drawCrosshair(const PlayerData& player) {
    const VekInput* input = GameInput::getInput();
    const Fighter& fighter = *player.fighter;
    if (!input || input->inputMode != INPUTMODE_TOUCH || !fighter.bPointerControl ||
        Global::get()->configuration.controlMethod != 0)
        return;
    // On the field, where the steering finger puts the fighter.
    drawSkin(u"crosshair:0", static_cast<float>(fighter.targetX) - 320.f, 240.f - static_cast<float>(fighter.targetY),
             THEME_COLOUR);
}

void Hud::drawSkin(const char16_t* name, float x, float y, uint32_t colour) {
    auto* skin = Vek::get()->getResourceManager().find<TextureSkin>(name, false);
    if (!skin) return;
    sprite.setSkin(skin);
    sprite.position = {x, y, 0.f};
    sprite.color = colour;
    sprite.render();
}

void Hud::addToDigest(GameDigest& digest) const {
    GameObject::addToDigest(digest);
    digest.addInt(shownScore);
    digest.addInt(slide);
    digest.addInt(static_cast<int64_t>(messages->getChildren().count()));
}
