#include "menus/ContextEnterName.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/VekInput.h"
#include "menus/KeyboardKey.h"
#include "menus/Label.h"
#include "menus/MenuButton.h"
#include "menus/MenuFrame.h"
#include "menus/MenuLayout.h"
#include "game/GameInput.h"
#include "menus/MenuSound.h"

namespace {

constexpr char16_t BACKSPACE = 8;
constexpr char16_t RETURN = 13;
constexpr float BACKSPACE_PITCH = 2.f;
constexpr int PANEL_WIDTH = 640;
constexpr int OK_WIDTH = 160;
constexpr int KEY_WIDTH = 72;
constexpr int KEY_COLUMNS = 7;
constexpr float KEY_STEP_X = 74.f;
constexpr float KEY_STEP_Y = 50.f;
constexpr float KEYS_TOP = 50.f;
constexpr float SPECIAL_KEYS_Y = -100.f;
constexpr float SPACE_KEY_X = 148.f;
constexpr float BACKSPACE_KEY_X = 222.f;
constexpr int NAME_WIDTH = 600;
constexpr int NAME_FLAGS = FontQuad::TEXT_LEFT | FontQuad::TEXT_SYSTEMFONT;
constexpr double CURSOR_BLINKS = 8.0; // changes per second
constexpr char16_t CURSOR[] = u"_";
constexpr uint32_t WHITE = 0xFFFFFFFF;

/// Where the panel's parts stand with and without the letter keys.
struct Layout {
    int panelHeight;
    float nameY;
    float okY;
};
constexpr Layout TOUCH_LAYOUT{400, 150.f, -150.f};
constexpr Layout KEYBOARD_LAYOUT{256, 50.f, -80.f};

/// C0, DEL and C1: nothing a name shows.
bool isControl(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

bool isTouchInput() {
    const VekInput* input = GameInput::getInput();
    return input && input->inputMode == INPUTMODE_TOUCH;
}

} // namespace

ContextEnterName::ContextEnterName(bool closable) {
    closeOnEscape = closable;
    deleteWhenClosed = true;
    keyNavigationEnabled = false; // typed letters must not move the focus
    playMenuSound(u"pop");
    createContents();
}

void ContextEnterName::createContents() {
    clearItems();
    getChildren().deleteAll();
    Global& game = *Global::get();
    const Layout& layout = isTouchInput() ? TOUCH_LAYOUT : KEYBOARD_LAYOUT;
    addChild(
        new MenuFrame(0.f, 0.f, 0.f, PANEL_WIDTH, layout.panelHeight, true, menuText(STR_ENTERYOURNAME)));
    nameLabel = new Label(0.f, layout.nameY, 0.f, name, game.fontLarge, WHITE);
    addChild(nameLabel);
    okButton = new MenuButton(0.f, layout.okY, 0.f, menuText(STR_OK), {});
    okButton->setWidth(OK_WIDTH);
    addMenuChild(okButton);
    if (isTouchInput()) addLetterKeys();
}

void ContextEnterName::addLetterKeys() {
    const auto addKey = [this](float x, float y, const char16_t* caption, char16_t code) {
        auto* key = new KeyboardKey(x, y, 0.f, caption, {}, code, &pressedKey);
        key->setWidth(KEY_WIDTH);
        addMenuChild(key);
    };
    for (int i = 0; i < 26; ++i) {
        const char16_t letter[] = {static_cast<char16_t>(u'a' + i), 0};
        addKey(static_cast<float>(i % KEY_COLUMNS - KEY_COLUMNS / 2) * KEY_STEP_X,
               KEYS_TOP - KEY_STEP_Y * static_cast<float>(i / KEY_COLUMNS), letter, letter[0]);
    }
    addKey(SPACE_KEY_X, SPECIAL_KEYS_Y, u" ", u' ');
    const char16_t backspaceGlyph[] = {FontQuad::GLYPH_BACKSPACE, 0};
    addKey(BACKSPACE_KEY_X, SPECIAL_KEYS_Y, backspaceGlyph, BACKSPACE);
}

void ContextEnterName::tickContents(double t, double dt) {
    pressedKey = 0;
    ContextMenu::tickContents(t, dt);
    const VekInput* input = GameInput::getInput();
    const char16_t c = pressedKey ? pressedKey : (input ? input->typedChar : 0);
    if (c && c != RETURN) type(c);
    showName();
    // Blanks a player cannot see (a no-break or ideographic space, a zero-width one) count as
    // blanks: a name of them alone would greet nobody.
    const WideString trimmed = trimInvisible(name);
    okButton->disabled = trimmed.empty();
    const bool confirmed = okButton->clicked || c == RETURN;
    okButton->clicked = false;
    if (okButton->disabled || !confirmed) return;
    Global::get()->profiles.addProfile(trimmed);
    closed = true;
}

void ContextEnterName::type(char16_t unit) {
    const char16_t highHalf = pendingHighHalf;
    pendingHighHalf = 0;
    if (unit == BACKSPACE) {
        if (name.empty()) return;
        const std::size_t size = name.size();
        const bool pair = size >= 2 && isLowSurrogate(name[size - 1]) && isHighSurrogate(name[size - 2]);
        name.resize(size - (pair ? 2 : 1));
        playMenuSoundPitched(u"pop", BACKSPACE_PITCH);
    } else if (isHighSurrogate(unit)) {
        pendingHighHalf = unit;
    } else if (isLowSurrogate(unit)) {
        if (highHalf) append(WideString{highHalf, unit});
    } else if (!isControl(unit)) {
        append(WideString(1, unit));
    }
}

void ContextEnterName::append(WideStringView units) {
    if (name.size() + units.size() > MAX_NAME_UNITS || !isShown(units)) return;
    name += units;
    playMenuSound(u"pop");
}

// Asked of the name label's font with the flags every screen draws names with, so that a
// character is taken exactly when it shows (most emoji are in none of our typefaces).
bool ContextEnterName::isShown(WideStringView character) const {
    const FontQuad* font = nameLabel->font;
    std::size_t at = 0;
    return !font || font->canDraw(nextCodePoint(character, at), NAME_FLAGS);
}

void ContextEnterName::showName() {
    nameLabel->textFlags = NAME_FLAGS;
    nameLabel->text = name + CURSOR;
    nameLabel->scale.x = 1.f;
    nameLabel->fitWidth(NAME_WIDTH);
    // Centred with its cursor, so that the text stands still while the cursor blinks.
    const float width =
        nameLabel->font ? nameLabel->font->measureText(nameLabel->text, NAME_FLAGS).width : 0.f;
    nameLabel->position.x = -nameLabel->scale.x * width / 2.f;
    if (static_cast<long>(contextTime * CURSOR_BLINKS) % 2 != 0) nameLabel->text = name;
}

void ContextEnterName::renderContext() {
    renderScreenBelow();
    ContextMenu::renderContext();
}

void ContextEnterName::onInputModeChange(int mode) {
    ContextMenu::onInputModeChange(mode);
    createContents();
}
