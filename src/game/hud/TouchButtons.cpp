#include "game/hud/TouchButtons.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/player/PlayerData.h"

namespace {

constexpr float FIELD_WIDTH = 640.f;
constexpr int FIRE_ON_LEFT = 1;

} // namespace

TouchButtons TouchButtons::forLayout(int firingMethod, bool bTwoPlayers) {
    TouchButtons buttons{{555.f, 25.f}, {615.f, 25.f}, {615.f, 455.f}};
    if (firingMethod == FIRE_ON_LEFT)
        for (Vector2* button : {&buttons.first, &buttons.missile, &buttons.fire})
            button->x = FIELD_WIDTH - button->x;
    if (bTwoPlayers) {
        // Each player's edge is taken by its hud: the buttons move to the bottom centre.
        buttons.first = {350.f, 455.f};
        buttons.missile = {290.f, 455.f};
        buttons.fire.y = 430.f;
    }
    return buttons;
}

TouchButtons TouchButtons::current() {
    const GameGlobal* game = GameGlobal::get();
    const GameController* controller = GameController::running();
    const bool bTwoPlayers = controller && controller->players[0]->getState() != 0 &&
                             controller->players[1]->getState() != 0;
    return forLayout(game ? game->configuration.firingMethod : 0, bTwoPlayers);
}

bool TouchButtons::isNear(const Vector2& point, const Vector2& button) {
    const float dx = point.x - button.x;
    const float dy = point.y - button.y;
    return dx * dx + dy * dy < REACH * REACH;
}
