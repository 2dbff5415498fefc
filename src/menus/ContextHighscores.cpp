#include "menus/ContextHighscores.h"
#include <algorithm>
#include <cmath>
#include "core/Format.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/FormatThousands.h"
#include "game/GameFont.h"
#include "game/Global.h"
#include "media/Color.h"
#include "media/FontQuad.h"
#include "media/Renderable.h"
#include "media/TextLine.h"
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
constexpr float COLUMN_GAP = 8.f; // units between a cell and the next column
constexpr char16_t EMPTY_NAME[] = u"...";
constexpr int OPTIONS_WIDTH = 256;

WideString levelText(const HIGHSCOREENTRY& entry) {
    return stringf(u"%d", entry.wave);
}

int nameFlags() {
    return ContextMenu::alignLeading | FontQuad::TEXT_SYSTEMFONT;
}

// A score wider than the room between the level column and its own right edge is squeezed
// sideways into it: every digit stays, at the row's height.
void drawScore(FontQuad& font, WideStringView score, float y, uint32_t colour) {
    Renderable placement;
    placement.position = {ContextMenu::mirrorSign * SCORE_X, y, 0.f};
    placement.scale.x = GameFont::squeezeToFit(font.measureText(score, FontQuad::TEXT_RIGHT).width,
                                               SCORE_X - WAVE_X - COLUMN_GAP);
    placement.color = colour;
    placement.updateTransform();
    font.renderText(placement, score, FontQuad::TEXT_RIGHT);
}

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
    FontQuad* font = Global::get()->fontMedium;
    if (!font) return;
    const float room = nameRoom(*font);
    for (int row = 0; row < GameConfigurationRecord::HIGHSCORE_ROWS; ++row)
        drawRow(row, *font, room);
}

float ContextHighscores::nameRoom(FontQuad& font) const {
    float widestLevel = 0.f;
    for (const HIGHSCOREENTRY& entry : Global::get()->configuration.highScores)
        widestLevel = std::max(widestLevel, font.measureText(levelText(entry), FontQuad::TEXT_RIGHT).width);
    return WAVE_X - widestLevel - COLUMN_GAP - NAME_X;
}

const WideString& ContextHighscores::shownName(int row, const WideString& name, float room, FontQuad& font) {
    ShownName& shown = shownNames[static_cast<std::size_t>(row)];
    if (shown.name != name || shown.room != room) {
        const auto measure = [&](WideStringView text) { return font.measureText(text, nameFlags()).width; };
        shown = {name, room, TextLine::cutToWidth(name, room, measure)};
    }
    return shown.shown;
}

void ContextHighscores::drawRow(int row, FontQuad& font, float room) {
    const HIGHSCOREENTRY& entry = Global::get()->configuration.highScores[row];
    const float y = FIRST_ROW_Y - ROW_STEP * static_cast<float>(row);
    const uint32_t colour = rowColour(row);
    const WideString name = entry.name.get();
    font.drawText(name.empty() ? WideString(EMPTY_NAME) : shownName(row, name, room, font),
                  mirrorSign * NAME_X, y, 0.f, colour, nameFlags());
    font.drawText(levelText(entry), mirrorSign * WAVE_X, y, 0.f, colour, FontQuad::TEXT_RIGHT);
    drawScore(font, formatThousands(entry.score, Vek::get()->getLanguage()), y, colour);
}
