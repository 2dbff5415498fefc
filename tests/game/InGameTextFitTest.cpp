// The game's captions and the end scene's rank texts, drawn as the game draws them on a 640 by
// 480 display in every language, stay inside their part of the screen.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <vector>
#include "GeneratedGame.h"
#include "core/Language.h"
#include "core/StringUtil.h"
#include "game/GameFont.h"
#include "game/WaveCaptions.h"
#include "game/hud/CaptionText.h"
#include "game/interludes/NamedFighter.h"
#include "media/FontQuad.h"

#ifdef VEK_ASSETS_DIR

namespace {

// Rows 0 to 4 share the fonts of code page 1252, so one loaded game draws all five.
const std::vector<int> LANGUAGES_BY_FONTS[] = {{0, 1, 2, 3, 4}, {7}, {5}, {6}};
constexpr double CLEARANCE = 6.0; // units a text keeps from the edges of its part of the screen
constexpr uint32_t LIT = 0x40;    // a channel above this counts as drawn
// Captions are drawn in batches, one to a band of the view's height, inset for accents.
constexpr double BAND = 60.0;
constexpr double BAND_INSET = 6.0;
constexpr int BANDS = 15;
constexpr double VIEW_TOP = -240.0, VIEW_BOTTOM = 720.0; // game y
constexpr double FIRST_BAND = VIEW_TOP + 8.0;

double bandTop(std::size_t band) { return FIRST_BAND + BAND * static_cast<double>(band); }

/// Game x (0 to 640) of the leftmost and rightmost drawn pixel.
struct Span {
    double left = 1e9;
    double right = -1e9;
};

/// What `draw` lights on an empty screen, by the game y (downwards) of the row: the view is
/// twice the screen's width and height, so that a text running off the screen is seen whole;
/// a pixel is two units each way, and row r shows game y 2r - 240.
std::vector<Span> litRows(VekGraphics& graphics, const std::function<void()>& draw) {
    graphics.beginScene();
    graphics.setView({0.f, 0.f, -640.f, 0.75f});
    graphics.clear(0xFF000000);
    draw();
    graphics.endScene();
    const std::vector<uint32_t> pixels = graphics.readViewport();
    const auto width = static_cast<std::size_t>(graphics.viewportWidth);
    std::vector<Span> rows(pixels.size() / width);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t p = pixels[i];
        if (std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}) <= LIT) continue;
        const double column = static_cast<double>(i % width);
        Span& row = rows[i / width];
        row.left = std::min(row.left, 2.0 * column - 320.0);
        row.right = std::max(row.right, 2.0 * column - 318.0);
    }
    return rows;
}

/// The span lit between game y `top` and `bottom`.
Span spanBetween(const std::vector<Span>& rows, double top, double bottom) {
    Span span;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double y = 2.0 * static_cast<double>(r) + VIEW_TOP;
        if (y < top || y >= bottom) continue;
        span.left = std::min(span.left, rows[r].left);
        span.right = std::max(span.right, rows[r].right);
    }
    return span;
}

::testing::AssertionResult fitsBetween(const Span& span, double left, double right, const WideString& text) {
    if (span.left > span.right) return ::testing::AssertionFailure() << '"' << toUtf8(text) << "\" drew nothing";
    if (span.left >= left + CLEARANCE && span.right <= right - CLEARANCE) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << toUtf8(text) << "\" spans " << span.left << " to " << span.right
                                         << ", outside " << left << " to " << right;
}

/// Every text each caption line shows in a game: the wave captions, and the captions that
/// begin and end a system, end the game and deny a bonus.
std::array<std::set<WideString>, CAPTION_LINES> captionTexts(const Language& language) {
    std::array<std::set<WideString>, CAPTION_LINES> lines;
    for (const WaveCaption& caption : buildWaveCaptions(language))
        for (std::size_t line = 0; line < CAPTION_LINES; ++line)
            if (!caption.texts[line].empty()) lines[line].insert(caption.texts[line]);
    lines[0].insert(WideString(language.getString(STR_NEWSYSTEM)));
    for (int system = 0; system < 11; ++system)
        lines[1].insert(WideString(language.getString(static_cast<StringId>(STR_PLANETNAME1 + system))));
    for (const StringId id : {STR_SYSTEMENDDEFAULT, STR_SYSTEMEND10, STR_GAMEOVER})
        lines[1].insert(WideString(language.getString(id)));
    for (const StringId id : {STR_SYSTEMENDDEFAULTB, STR_SYSTEMEND10B, STR_NOBONUS1, STR_NOBONUS2, STR_NOBONUS3})
        lines[2].insert(WideString(language.getString(id)));
    return lines;
}

} // namespace

TEST(InGameTextFit, CaptionsAndRanksStayInsideTheirPartOfTheScreenInEveryLanguage) {
    for (const std::vector<int>& languages : LANGUAGES_BY_FONTS) {
        GeneratedGame g(languages.front());
        ASSERT_TRUE(g.finished);
        VekGraphics& graphics = *g.engine.graphics.graphics;
        ASSERT_EQ(graphics.displayWidth, 640);
        const GameGlobal& root = *g.game;
        // Caption lines 1 and 3 are set in the medium font, line 2 in the large one.
        const std::array<GameFont*, CAPTION_LINES> fonts = {root.textFontMedium, root.textFontLarge,
                                                            root.textFontMedium};
        for (const int language : languages) {
            SCOPED_TRACE(language);
            g.engine.vek->getLanguage().setLanguage(language);
            ASSERT_EQ(g.engine.vek->getLanguage().getCurrentLanguage(), language);
            const auto lines = captionTexts(g.engine.vek->getLanguage());
            for (std::size_t line = 0; line < CAPTION_LINES; ++line) {
                ASSERT_LE(fonts[line]->font->getLineHeight(), BAND - 2.0 * BAND_INSET);
                std::vector<std::unique_ptr<CaptionText>> bands;
                for (std::size_t band = 0; band < BANDS; ++band)
                    bands.push_back(std::make_unique<CaptionText>(
                        fonts[line], static_cast<int32_t>(bandTop(band) + BAND_INSET)));
                const std::vector<WideString> texts(lines[line].begin(), lines[line].end());
                for (std::size_t first = 0; first < texts.size(); first += BANDS) {
                    const std::size_t count = std::min<std::size_t>(BANDS, texts.size() - first);
                    for (std::size_t band = 0; band < count; ++band)
                        bands[band]->setText(texts[first + band], {}, 2.0, 0);
                    const auto rows = litRows(graphics, [&] {
                        for (std::size_t band = 0; band < count; ++band) bands[band]->frameUpdate();
                    });
                    for (std::size_t band = 0; band < count; ++band) {
                        const Span span = spanBetween(rows, bandTop(band), bandTop(band) + BAND);
                        EXPECT_TRUE(fitsBetween(span, 0.0, 640.0, texts[first + band]));
                    }
                }
            }
            // Each player's rank over that player's half; the ship and the score fly far below.
            for (int32_t player = 0; player < 2; ++player) {
                for (int32_t row = 0; row < GameConfigurationRecord::HIGHSCORE_ROWS; ++row) {
                    NamedFighter fighter;
                    fighter.playerIndex = player;
                    fighter.row = row;
                    fighter.mover.setPosition(320.0, 2000.0);
                    fighter.x = 320.0;
                    fighter.y = 2000.0;
                    fighter.setState(NamedFighter::SHOWING);
                    const auto rows = litRows(graphics, [&] { fighter.frameUpdate(); });
                    EXPECT_TRUE(fitsBetween(spanBetween(rows, VIEW_TOP, VIEW_BOTTOM), 320.0 * player,
                                            320.0 * (player + 1), fighter.rankText()));
                }
            }
        }
    }
}

#endif
