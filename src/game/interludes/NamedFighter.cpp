#include "game/interludes/NamedFighter.h"
#include "core/Language.h"
#include "core/StringKeys.h"
#include "core/Format.h"
#include "core/Vek.h"
#include "game/FormatThousands.h"
#include "game/GameController.h"
#include "game/GameFont.h"
#include "game/GameGlobal.h"
#include "game/interludes/PlayerFighterCameo.h"
#include "game/player/PlayerData.h"
#include "game/scene/ContextScene.h"
#include "game/scene/Smoke.h"
#include "media/FontQuad.h"

VEK_REGISTER_CLASS(NamedFighter, CutsceneFighter, u"NamedFighter")

namespace {

constexpr double LAUNCH_TANGENT = -250.0; // the first move leaves straight upwards
constexpr double FIRST_WAIT = 1.0, WAIT_PER_PLAYER = 2.5; // seconds before the flight
constexpr int32_t FULL_FLAME = 5;
constexpr double TEXT_DELAY = 1.0;
constexpr int LANDING_PUFFS = 50;
constexpr double PUFF_SIDE = 10.0, PUFF_BELOW = 10.0;
constexpr double RANK_X[] = {160.0, 480.0}, RANK_Y = 100.0;
// Each rank stays within its player's half of the screen, clear of its edges.
constexpr double RANK_ROOM = 320.0 - 2.0 * 10.0;
constexpr double SCORE_BELOW = 50.0;
constexpr uint32_t WHITE = 0xFFFFFFFF;

} // namespace

NamedFighter::NamedFighter(int32_t index, const GameController& game)
    : playerIndex(index), score(game.players[static_cast<std::size_t>(index)]->score) {
    const double column = PlayerFighterCameo::columnOf(index);
    mover.setPosition(column, START_Y);
    x = column;
    y = START_Y;
    mover.t1y = LAUNCH_TANGENT;
    mover.addWait(index * WAIT_PER_PLAYER + FIRST_WAIT);
    row = enterResult(game, index);
    mover.addMove(column, END_Y, Mover::AUTO, Mover::AUTO, 0.0, 0.0, 0);
    setFlameLevel(FULL_FLAME);
    setState(ARRIVING);
}

int32_t NamedFighter::enterResult(const GameController& game, int32_t index) {
    GameGlobal& root = *GameGlobal::get();
    const int32_t row = root.configuration.addHighScore(game.resultRow(static_cast<std::size_t>(index)));
    // The better row of both players stays marked, whoever holds it.
    const int32_t marked = root.highlightedScoreRow;
    if (index == 0 || (row >= 0 && (marked < 0 || row <= marked))) root.highlightedScoreRow = row;
    return row;
}

void NamedFighter::onPartnerEntered(int32_t partnerRow) {
    if (row < 0 || partnerRow < 0 || partnerRow > row) return;
    row = row + 1 < GameConfigurationRecord::HIGHSCORE_ROWS ? row + 1 : -1;
}

void NamedFighter::onStepDone() {
    if (getState() != ARRIVING) return;
    setFlameLevel(0);
    if (ContextScene* scene = ContextScene::active())
        for (const double side : {-PUFF_SIDE, PUFF_SIDE})
            scene->addChildFirst(Smoke::exhaust(LANDING_PUFFS, x + side, y + PUFF_BELOW));
    setState(SHOWING, TEXT_DELAY);
}

void NamedFighter::frameUpdate() {
    CutsceneFighter::frameUpdate();
    if (getState() == SHOWING) drawResult();
}

WideString NamedFighter::rankText() const {
    if (row < 0) return {};
    return stringf(u"%s!", Vek::get()->getLanguage().getString(STR_RANKING1 + row));
}

void NamedFighter::drawResult() const {
    const GameGlobal& root = *GameGlobal::get();
    if (row >= 0 && root.textFontLarge)
        root.textFontLarge->drawText(FontQuad::TEXT_CENTRE, WHITE, RANK_X[playerIndex & 1], RANK_Y, rankText(),
                                     RANK_ROOM);
    if (root.textFontMedium)
        root.textFontMedium->drawText(FontQuad::TEXT_CENTRE, WHITE, x, y + SCORE_BELOW,
                                      formatThousands(score, Vek::get()->getLanguage()));
}
