// The game's captions and the end scene's rank texts, drawn as the game draws them on a 640 by
// 480 display in every language, stay inside their part of the screen.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <set>
#include "GeneratedGame.h"
#include "core/Language.h"
#include "core/StringUtil.h"
#include "game/WaveCaptions.h"
#include "game/hud/CaptionText.h"
#include "game/interludes/NamedFighter.h"

#ifdef VEK_ASSETS_DIR

namespace {

constexpr int LANGUAGES = 8;
constexpr double CLEARANCE = 6.0; // units a text keeps from the edges of its part of the screen
constexpr uint32_t LIT = 0x40;    // a channel above this counts as drawn

/// Game x (0 to 640) of the leftmost and rightmost drawn pixel.
struct Span {
    double left = 1e9;
    double right = -1e9;
};

/// What `draw` lights on an empty screen, seen through a view twice the screen's width so that
/// a text running off the screen is seen whole: one column of the viewport is two units.
Span litSpan(VekGraphics& graphics, const std::function<void()>& draw) {
    graphics.beginScene();
    graphics.setView({0.f, 0.f, -640.f, 0.75f});
    graphics.clear(0xFF000000);
    draw();
    graphics.endScene();
    const std::vector<uint32_t> pixels = graphics.readViewport();
    const int width = graphics.viewportWidth;
    Span span;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t p = pixels[i];
        if (std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}) <= LIT) continue;
        const double column = static_cast<double>(static_cast<int>(i) % width);
        span.left = std::min(span.left, 2.0 * column - 320.0);
        span.right = std::max(span.right, 2.0 * column - 318.0);
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
    for (int language = 0; language < LANGUAGES; ++language) {
        SCOPED_TRACE(language);
        GeneratedGame g(language);
        ASSERT_TRUE(g.finished);
        VekGraphics& graphics = *g.engine.graphics.graphics;
        ASSERT_EQ(graphics.displayWidth, 640);
        const GameGlobal& root = *g.game;
        // Caption lines 1 and 3 are set in the medium font, line 2 in the large one.
        const std::array<GameFont*, CAPTION_LINES> fonts = {root.textFontMedium, root.textFontLarge,
                                                            root.textFontMedium};
        const auto lines = captionTexts(g.engine.vek->getLanguage());
        for (std::size_t line = 0; line < CAPTION_LINES; ++line) {
            CaptionText caption(fonts[line], 240);
            for (const WideString& text : lines[line]) {
                caption.setText(text, 2.0, 0);
                EXPECT_TRUE(fitsBetween(litSpan(graphics, [&] { caption.frameUpdate(); }), 0.0, 640.0, text));
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
                const Span span = litSpan(graphics, [&] { fighter.frameUpdate(); });
                EXPECT_TRUE(fitsBetween(span, 320.0 * player, 320.0 * (player + 1), fighter.rankText()));
            }
        }
    }
}

#endif
