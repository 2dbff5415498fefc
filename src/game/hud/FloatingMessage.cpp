#include "game/hud/FloatingMessage.h"
#include <algorithm>
#include <array>
#include "core/Language.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "game/FormatThousands.h"
#include "game/GameController.h"
#include "game/GameFont.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/player/PlayerData.h"
#include "media/FontQuad.h"
#include "media/Sound.h"
#include "media/TextureSkin.h"

namespace {

constexpr std::array<uint32_t, FloatingMessage::STYLES> PLATE_COLOURS = {
    0xFF00CC00, 0xFFCC0000, 0xFFCC00CC, 0xFF00CCCC, 0xFF0080FF, 0xFFFFFFFF};
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr int FIRE_ON_LEFT = 1;
constexpr float COMPACT_INSET = 40.f; // units the compact hud's plate is shorter
constexpr float TITLE_ROOM = 164.f;   // units for the title and the second text together
constexpr float TEXT_GAP = 2.f;

} // namespace

FloatingMessage::FloatingMessage(int playerIndex, WideStringView titleText, WideStringView secondText,
                                 int32_t bonusPoints, int32_t plateStyle, bool bCompactHud)
    : player(std::clamp(playerIndex, 0, 1)), style(std::clamp(plateStyle, 0, STYLES - 1)), title(titleText),
      text(secondText), points(bonusPoints), direction(2 * player - 1), bCompact(bCompactHud) {
    bScreenSpace = true;
    if (GameController* game = GameController::running()) game->players[static_cast<std::size_t>(player)]->addScore(points);
    if (text.empty() && points > 0) text = formatThousands(points, Vek::get()->getLanguage());
    const GameGlobal* root = GameGlobal::get();
    if (root && root->soundShortBleep) root->soundShortBleep->sound->play();
    if (root && root->configuration.firingMethod == FIRE_ON_LEFT) direction = -direction;
    plate.bBoundsOff = true;
    plate.setSkin(Vek::get()->getResourceManager().find<TextureSkin>(u"hud:1", false));
}

float FloatingMessage::titleScale(float titleWidth, float textWidth, bool bCompactHud) {
    const float room = std::max(TITLE_ROOM - (bCompactHud ? COMPACT_INSET : 0.f) - (textWidth + TEXT_GAP), 1.f);
    return GameFont::squeezeToFit(titleWidth, room);
}

void FloatingMessage::frameUpdate() {
    const float d = static_cast<float>(direction);
    const float k = bCompact ? COMPACT_INSET : 0.f;
    const int titleAlign = (direction < 0 ? FontQuad::TEXT_LEFT : FontQuad::TEXT_RIGHT) | FontQuad::TEXT_MIDDLE;
    const int textAlign = (direction > 0 ? FontQuad::TEXT_LEFT : FontQuad::TEXT_RIGHT) | FontQuad::TEXT_MIDDLE;
    x += slide * direction;
    const auto px = static_cast<float>(x);
    const auto py = static_cast<float>(y);
    plate.position = {px - (60.f - k) * d, py, 0.f};
    plate.color = PLATE_COLOURS[static_cast<std::size_t>(style)];
    plate.render();
    const GameGlobal* root = GameGlobal::get();
    if (FontQuad* font = root ? root->fontSmall : nullptr) {
        font->drawText(text, px - (170.f - k) * d, py, 0.f, WHITE, textAlign);
        const float scale = titleScale(font->measureText(title, 0).width, font->measureText(text, 0).width, bCompact);
        titlePlacement.setTransform({px - 4.f * d, py, 0.f}, 0.f, {scale, 1.f, 1.f});
        font->renderText(titlePlacement, title, titleAlign);
    }
    slide /= 2;
}
