#include "menus/ContextHighscores.h"
#include <cmath>
#include "core/Format.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/FormatThousands.h"
#include "game/Global.h"
#include "media/Color.h"
#include "media/FontQuad.h"
#include "menus/ContextHighscoreOptions.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuButton.h"
#include "menus/MenuLayout.h"

namespace {

constexpr uint32_t PULSE_LOW = 0xFF80FF00;
constexpr uint32_t PULSE_HIGH = 0xFFC0FF80;
constexpr double PULSE_SPEED = 16.0; // radians per second
constexpr float FIRST_ROW_Y = 150.f;
constexpr float ROW_STEP = 30.f;
constexpr float NAME_X = -250.f; // mirrored right to left, like the other columns
constexpr float WAVE_X = 100.f;
constexpr float SCORE_X = 250.f;
constexpr char16_t EMPTY_NAME[] = u"...";
constexpr int OPTIONS_WIDTH = 256;

} // namespace

ContextHighscores::ContextHighscores() {
    setUpMenuScreen(*this, false);
    addMenuTitle(*this, menuText(STR_HIGHSCORES));
    optionsButton = new MenuButton(static_cast<float>(originX) - OPTIONS_WIDTH / 2.f,
                                   static_cast<float>(-originY), 0.f, menuText(STR_HIGHSCOREOPTIONSDOTS), {});
    optionsButton->setWidth(OPTIONS_WIDTH);
    addMenuChild(optionsButton);
    addBackButton(*this, STR_OK);
}

void ContextHighscores::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*optionsButton)) openMenuScreen(new ContextHighscoreOptions());
    const double f = 0.5 + 0.5 * std::sin(PULSE_SPEED * contextTime);
    highlightColour = lerpColor(PULSE_LOW, PULSE_HIGH, static_cast<float>(f));
}

uint32_t ContextHighscores::rowColour(int row) const {
    return row == Global::get()->highlightedScoreRow ? highlightColour : ROW_COLOUR;
}

void ContextHighscores::renderContents() {
    ContextMenu::renderContents();
    for (int row = 0; row < GameConfigurationRecord::HIGHSCORE_ROWS; ++row)
        drawRow(row);
}

void ContextHighscores::drawRow(int row) const {
    Global& game = *Global::get();
    FontQuad* font = game.fontMedium;
    if (!font) return;
    const HIGHSCOREENTRY& entry = game.configuration.highScores[row];
    const float y = FIRST_ROW_Y - ROW_STEP * static_cast<float>(row);
    const uint32_t colour = rowColour(row);
    const WideString name = entry.name.get();
    font->drawText(name.empty() ? WideString(EMPTY_NAME) : name, mirrorSign * NAME_X, y, 0.f, colour,
                   alignLeading | FontQuad::TEXT_SYSTEMFONT);
    font->drawText(stringf(u"%d", entry.wave), mirrorSign * WAVE_X, y, 0.f, colour, FontQuad::TEXT_RIGHT);
    font->drawText(formatThousands(entry.score, Vek::get()->getLanguage()), mirrorSign * SCORE_X, y, 0.f,
                   colour, FontQuad::TEXT_RIGHT);
}
