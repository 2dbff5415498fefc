#include "menus/ContextPlayers.h"
#include <cmath>
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/VekInput.h"
#include "menus/ContextEnterName.h"
#include "menus/Label.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuButton.h"
#include "menus/MenuFrame.h"
#include "menus/MenuLayout.h"
#include "game/GameInput.h"
#include "menus/MenuSound.h"
#include "menus/ProfileListFocus.h"

namespace {

constexpr int PANEL_WIDTH = 640;
constexpr int PANEL_HEIGHT = 384;
constexpr float BUTTON_ROW_Y = -128.f;
constexpr float BUTTON_SPREAD = 170.f;
constexpr int BUTTON_WIDTH = 160;
constexpr int NAME_FLAGS_LTR = FontQuad::TEXT_LEFT | FontQuad::TEXT_MIDDLE | FontQuad::TEXT_SYSTEMFONT;
constexpr int NAME_FLAGS_RTL = FontQuad::TEXT_RIGHT | FontQuad::TEXT_MIDDLE | FontQuad::TEXT_SYSTEMFONT;
constexpr int MARK_FLAGS = FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE;
constexpr char16_t CURRENT_MARK[] = {FontQuad::GLYPH_TICK, 0};
constexpr float MARK_X_LTR = -160.f;
constexpr float MARK_X_RTL = 165.f;
constexpr uint32_t COLOUR_CURRENT = 0xFFFFFFFF;
constexpr uint32_t COLOUR_OTHER = 0xFFFF8080;

bool isRightToLeft() {
    return ContextMenu::mirrorSign < 0.f;
}

MenuButton* rowButton(ContextMenu& menu, MenuButton* button) {
    button->setWidth(BUTTON_WIDTH);
    menu.addMenuChild(button);
    return button;
}

} // namespace

ContextPlayers::ContextPlayers() {
    deleteWhenClosed = true;
    playMenuSound(u"pop");
    addChild(new MenuFrame(0.f, 0.f, 0.f, PANEL_WIDTH, PANEL_HEIGHT, true, menuText(STR_PLAYERS)));
    addButton = rowButton(
        *this, new MenuButton(-BUTTON_SPREAD * mirrorSign, BUTTON_ROW_Y, 0.f, menuText(STR_ADDPLAYER), {}));
    deleteButton = rowButton(*this, new MenuButton(0.f, BUTTON_ROW_Y, 0.f, menuText(STR_DELETEPLAYER), {}, {},
                                                   menuText(STR_CONFIRM)));
    rowButton(*this,
              new MenuBackButton(BUTTON_SPREAD * mirrorSign, BUTTON_ROW_Y, 0.f, menuText(STR_DONE), {}));
    addMenuChild(new ProfileListFocus());
}

int ContextPlayers::rowAt(float x, float y) {
    if (x < NAME_X || x >= NAME_X + ROW_WIDTH || y > FIRST_ROW_TOP) return -1;
    // Row i spans (top - 30 (i + 1), top - 30 i]: its top edge belongs to it.
    return static_cast<int>(std::floor((FIRST_ROW_TOP - y) / ROW_HEIGHT));
}

void ContextPlayers::tickContents(double t, double dt) {
    ProfileManager& profiles = Global::get()->profiles;
    const int count = profiles.getNumProfiles();
    addButton->disabled = count > MAX_PROFILES_TO_ADD;
    deleteButton->disabled = count < MIN_PROFILES_TO_DELETE;
    ContextMenu::tickContents(t, dt);
    if (takeClick(*addButton)) {
        openMenuScreen(new ContextEnterName(true));
    } else if (takeClick(*deleteButton)) {
        profiles.deleteProfile(profiles.currentProfile);
        profiles.onCurrentProfileChanged();
    }
    pickTouchedProfile();
}

void ContextPlayers::pickTouchedProfile() {
    const VekInput* input = GameInput::getInput();
    if (!input || !input->isAnyTouchPressed()) return;
    ProfileManager& profiles = Global::get()->profiles;
    const int row = rowAt(pointer.x, pointer.y);
    if (row < 0 || row >= profiles.getNumProfiles()) return;
    profiles.currentProfile = row;
    profiles.onCurrentProfileChanged();
}

void ContextPlayers::renderContext() {
    renderScreenBelow();
    ContextMenu::renderContext();
}

void ContextPlayers::renderContents() {
    ContextMenu::renderContents();
    const ProfileManager& profiles = Global::get()->profiles;
    for (int row = 0; row < profiles.getNumProfiles(); ++row)
        drawName(row, row == profiles.currentProfile);
}

void ContextPlayers::drawName(int row, bool current) const {
    Global& game = *Global::get();
    const float y = rowNameY(row);
    Label name(NAME_X * mirrorSign, y, 0.f, game.profiles.getProfileName(row), game.fontMedium,
               current ? COLOUR_CURRENT : COLOUR_OTHER);
    name.textFlags = isRightToLeft() ? NAME_FLAGS_RTL : NAME_FLAGS_LTR;
    name.fitWidth(static_cast<int>(ROW_WIDTH));
    name.render();
    if (!current) return;
    Label mark(isRightToLeft() ? MARK_X_RTL : MARK_X_LTR, y, 0.f, CURRENT_MARK, game.fontMedium,
               COLOUR_CURRENT);
    mark.textFlags = MARK_FLAGS;
    mark.render();
}
