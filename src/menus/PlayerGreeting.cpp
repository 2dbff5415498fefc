#include "menus/PlayerGreeting.h"
#include "core/Format.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/PointerTracker.h"
#include "media/VekInput.h"
#include "menus/ContextEnterName.h"
#include "menus/ContextMenu.h"
#include "menus/ContextPlayers.h"
#include "menus/Label.h"
#include "menus/MenuLayout.h"
#include "game/GameInput.h"

namespace {

constexpr float GREETING_Y = 35.f;
constexpr float PROMPT_Y = 5.f;
constexpr float HOVER_HALF_WIDTH = 100.f;
constexpr float HOVER_HEIGHT = 36.f; // below the greeting's line
constexpr uint32_t COLOUR_HOVER = 0xFFFFFFFF;
constexpr uint32_t COLOUR_NORMAL = 0xFFFF8080;

} // namespace

PlayerGreeting::PlayerGreeting() {
    Global& game = *Global::get();
    greeting = new Label(0.f, GREETING_Y, 0.f, {}, game.fontMedium, COLOUR_NORMAL);
    greeting->textFlags |= FontQuad::TEXT_SYSTEMFONT; // any character of a name shows
    prompt = new Label(0.f, PROMPT_Y, 0.f, {}, game.fontSmall, COLOUR_NORMAL);
    addChild(greeting);
    addChild(prompt);
    const VekInput* input = GameInput::getInput();
    setPromptText(input ? input->inputMode : INPUTMODE_MOUSE);
}

void PlayerGreeting::setPromptText(int inputMode) {
    prompt->text =
        menuText(inputMode == INPUTMODE_TOUCH ? STR_IOS_CLICKTOCHANGEPLAYERS : STR_CLICKTOCHANGEPLAYERS);
}

void PlayerGreeting::onInputModeChange(int mode) {
    Renderable::onInputModeChange(mode);
    setPromptText(mode);
}

void PlayerGreeting::tick(double t, double dt) {
    ProfileManager& profiles = Global::get()->profiles;
    greeting->text = stringf(menuText(STR_HELLO), profiles.getProfileName(profiles.currentProfile));
    Renderable::tick(t, dt);
    hovered = isPointerOver();
    greeting->color = hovered ? COLOUR_HOVER : COLOUR_NORMAL;
    openScreens();
}

bool PlayerGreeting::isPointerOver() const {
    const PointerTracker* tracker = GameInput::getPointerTracker();
    if (!tracker) return false;
    const float top = position.y + greeting->position.y;
    const float x = tracker->position.x - position.x;
    return x >= -HOVER_HALF_WIDTH && x < HOVER_HALF_WIDTH && tracker->position.y > top - HOVER_HEIGHT &&
           tracker->position.y <= top;
}

void PlayerGreeting::openScreens() {
    Global& game = *Global::get();
    const VekInput* input = GameInput::getInput();
    if (hovered && input && input->isAnyTouchPressed()) {
        openMenuScreen(new ContextPlayers());
        return; // one screen per frame: the name entry, if needed, follows when the menu is back
    }
    const bool nameless = game.profiles.getProfileName(game.profiles.currentProfile).empty();
    game.configuration.greetingOpenedNameEntry = nameless;
    // The first start asks for a name, and the menu cannot be used without one.
    if (nameless) openMenuScreen(new ContextEnterName(false));
}

Vector3 PlayerGreeting::getFocusPoint(int index) {
    if (index != 0) return NO_FOCUS_POINT;
    const float height =
        greeting->font ? greeting->font->measureText(greeting->text, greeting->textFlags).height : 0.f;
    return ContextMenu::toScreenOf(
        *this, {position.x, position.y + greeting->position.y - height / 2.f, position.z});
}
