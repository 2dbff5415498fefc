#include "menus/ContextLanguageSelect.h"
#include <array>
#include "core/ErrorManager.h"
#include "core/Language.h"
#include "core/Logger.h"
#include "core/StringKeys.h"
#include "core/SystemLanguage.h"
#include "core/Vek.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "menus/LanguageFlag.h"
#include "game/GameInput.h"

namespace {

/// The ISO 639-1 codes of the flags, by frame of the texture "languageFlags".
constexpr std::array<const char16_t*, 15> FLAG_CODES{u"en", u"fr", u"de", u"it", u"es", u"ru", u"he", u"el",
                                                     u"pl", u"ro", u"pt", u"ja", u"ko", u"cs", u"nl"};
constexpr int FLAGS_PER_COLUMN_STEP = 4;
constexpr float POINTER_ASIDE = 0.4f; // of the screen's width and height, from the centre

} // namespace

ContextLanguageSelect::ContextLanguageSelect() {
    closeOnEscape = false; // a language must be chosen
    hideFps = true;
    deleteWhenClosed = true;
    clearColor = BACKGROUND;
    const Language& language = Vek::get()->getLanguage();
    std::vector<LanguageFlag*> flags;
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        if (!language.isLanguageEnabled(row)) continue;
        auto* flag =
            new LanguageFlag(row, isoCode2skinIndex(language.getRowString(row, STR_LANGUAGEISOCODE)));
        addChild(flag);
        addItem(flag);
        flags.push_back(flag);
    }
    const Grid grid = gridFor(static_cast<int>(flags.size()));
    for (std::size_t i = 0; i < flags.size(); ++i) {
        flags[i]->position = flagPosition(static_cast<int>(i), grid);
        flags[i]->updateTransform();
    }
    movePointerAside();
}

int ContextLanguageSelect::autodetectLanguage() {
    const WideString code = getSystemLanguageCode();
    VEK_LOG(u"Trying to autodetect system language '%s'...", code);
    const Language& language = Vek::get()->getLanguage();
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        if (language.isLanguageEnabled(row) && code == language.getRowString(row, STR_LANGUAGEISOCODE)) {
            VEK_LOG(u"Found match.");
            return row;
        }
    }
    VEK_LOG(u"Not found.");
    return 0;
}

int ContextLanguageSelect::isoCode2skinIndex(WideStringView isoCode) {
    for (std::size_t frame = 0; frame < FLAG_CODES.size(); ++frame)
        if (isoCode == FLAG_CODES[frame]) return static_cast<int>(frame);
    VEK_ERROR(u"Could not find flag for ISO code '%s'", isoCode);
    return -1;
}

ContextLanguageSelect::Grid ContextLanguageSelect::gridFor(int flags) {
    const int columns = flags / FLAGS_PER_COLUMN_STEP + 1;
    return {columns, flags / columns + (flags % columns != 0 ? 1 : 0)};
}

Vector3 ContextLanguageSelect::flagPosition(int index, Grid grid) {
    const int column = index % grid.columns;
    const int row = index / grid.columns;
    return {static_cast<float>(FLAG_SPACING * column - (FLAG_SPACING * grid.columns - FLAG_SPACING) / 2),
            static_cast<float>((FLAG_SPACING * grid.rows - FLAG_SPACING) / 2 - FLAG_SPACING * row), 0.f};
}

void ContextLanguageSelect::movePointerAside() {
    VekInput* input = GameInput::getInput();
    VekGraphics* graphics = VekGraphics::get();
    if (!input || !graphics) return;
    const Vector3 aside{POINTER_ASIDE * static_cast<float>(graphics->screenWidth),
                        -POINTER_ASIDE * static_cast<float>(graphics->screenHeight), 0.f};
    const Vector3 pixel = graphics->screenToWindow(worldToScreen(aside));
    input->setMousePosition(pixel.x, pixel.y);
}
