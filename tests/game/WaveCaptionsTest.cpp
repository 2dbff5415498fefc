#include "game/WaveCaptions.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "core/Language.h"
#include "core/StringUtil.h"

namespace {

/// The caption of every wave, system by system (rows) and stage by stage (columns), written the
/// way the game's design lists them: "LINE2 / LINE3", a blink period in brackets after a line.
const char* const CAPTION_TABLE[11][STAGES_PER_SYSTEM] = {
    {"WAVE00", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE04", "WAVE05", "WAVE06", "WAVEX7 / WAVEX7B",
     "WAVEX8", "WAVEX9EVEN"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE14", "WAVE15 / WAVE15B (2)",
     "WAVE16 (2) / WAVE16B", "WAVEX7 / WAVEX7B", "WAVEX8", "WAVEX9ODD"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE24 / WAVE24B", "WAVE25", "WAVE26",
     "WAVEX7 / WAVEX7B", "WAVEX8", "WAVEX9EVEN"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE34 / WAVE34B (2)", "WAVE35", "WAVE36",
     "WAVEX7 / WAVEX7B", "WAVEX8", "WAVE39 / WAVE39B (1)"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE44 (2) / WAVE44B", "WAVE45", "WAVE46",
     "WAVEX7 / WAVEX7B", "WAVEX8", "WAVEX9EVEN"},
    {"WAVE50 / WAVE50B (2)", "WAVE51", "WAVE52", "WAVE53", "WAVE54", "WAVE55", "WAVE56", "WAVE57", "WAVE58",
     "WAVE59 / WAVE59B"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE14", "WAVE15 / WAVE15B (2)",
     "WAVE16 (2) / WAVE16B", "WAVEX7 / WAVEX7B", "WAVEX8", "WAVE69 / WAVE69B"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE74 / WAVE74B", "WAVE75", "WAVE76",
     "WAVEX7 / WAVEX7B", "WAVEX8", "WAVEX9ODD"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE34 / WAVE34B (2)", "WAVE35", "WAVE36",
     "WAVEX7 / WAVEX7B", "WAVEX8", "WAVEX9EVEN"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE44 (2) / WAVE44B", "WAVE45", "WAVE46",
     "WAVEX7 / WAVEX7B", "WAVEX8", "WAVEX9ODD"},
    {"WAVEX0", "WAVEX1", "WAVEX2", "WAVEX3 / WAVEX3B (2)", "WAVE04", "WAVE05", "WAVE06", "WAVEX7 / WAVEX7B",
     "WAVEX8", "WAVE109 / WAVE109B (1)"},
};

struct CaptionLine {
    std::string key; // empty: the line stays empty
    int blink = 0;
};

CaptionLine parseLine(std::string text) {
    CaptionLine line;
    const std::size_t bracket = text.find(" (");
    if (bracket != std::string::npos) {
        line.blink = std::stoi(text.substr(bracket + 2));
        text.erase(bracket);
    }
    line.key = text;
    return line;
}

/// Lines 2 and 3 of a cell of the table.
std::pair<CaptionLine, CaptionLine> parseCell(const std::string& cell) {
    const std::size_t slash = cell.find(" / ");
    if (slash == std::string::npos) return {parseLine(cell), {}};
    return {parseLine(cell.substr(0, slash)), parseLine(cell.substr(slash + 3))};
}

std::string cellOf(int wave) {
    return CAPTION_TABLE[(wave - 1) / STAGES_PER_SYSTEM][(wave - 1) % STAGES_PER_SYSTEM];
}

std::string describe(int wave) {
    return "wave " + std::to_string(wave) + " (" + cellOf(wave) + ")";
}

class WaveCaptionsTest : public ::testing::Test {
  protected:
    /// The id of a key through the store's own key map, so the table's names are checked too.
    StringId idOf(const std::string& key) const {
        if (key.empty()) return STR_NULL;
        const StringId id = language->findKey(fromUtf8(key));
        EXPECT_GE(id, 0) << key;
        return id;
    }

    std::unique_ptr<Language> language = std::make_unique<Language>();
};

}  // namespace

TEST_F(WaveCaptionsTest, EveryWaveTakesTheKeysAndBlinkPeriodsOfItsCell) {
    for (int wave = 1; wave <= WAVE_COUNT; ++wave) {
        const auto [line2, line3] = parseCell(cellOf(wave));
        const WaveCaptionKeys keys = selectWaveCaptionKeys(wave);
        EXPECT_EQ(keys.line2, idOf(line2.key)) << describe(wave);
        EXPECT_EQ(keys.line3, idOf(line3.key)) << describe(wave);
        EXPECT_EQ(keys.blink2, line2.blink) << describe(wave);
        EXPECT_EQ(keys.blink3, line3.blink) << describe(wave);
    }
}

TEST_F(WaveCaptionsTest, CaptionsAreBuiltInTheCurrentLanguage) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        language->setLanguage(row);
        const auto captions = buildWaveCaptions(*language);
        const WideString word = language->getRowString(row, STR_WAVEDEFAULT);
        for (int wave = 1; wave <= WAVE_COUNT; ++wave) {
            const auto [line2, line3] = parseCell(cellOf(wave));
            const WaveCaption& caption = captions[wave];
            const std::string where = "row " + std::to_string(row) + " " + describe(wave);
            EXPECT_EQ(caption.texts[0], word + u" " + fromUtf8(std::to_string(wave))) << where;
            EXPECT_EQ(caption.texts[1], language->getRowString(row, idOf(line2.key))) << where;
            EXPECT_EQ(caption.texts[2], line3.key.empty() ? u"" : language->getRowString(row, idOf(line3.key)))
                << where;
            EXPECT_FALSE(caption.texts[1].empty()) << where;
            EXPECT_EQ(caption.blinks, (std::array<int32_t, CAPTION_LINES>{0, line2.blink, line3.blink})) << where;
        }
    }
    EXPECT_EQ(buildWaveCaption(*language, 60).texts[0], u"Fala 60");
}

TEST(WaveCaptions, TheSkySlowsForTheLastWaveOfEverySystemButTheBelt) {
    const std::pair<int, int32_t> cases[] = {{1, -1},  {2, -2},  {4, -4},   {9, -9},   {10, -1},
                                             {11, -1}, {51, -1}, {55, -5},  {59, -9},  {60, -10},
                                             {61, -1}, {70, -1}, {100, -1}, {109, -9}, {110, -1}};
    for (const auto& [wave, speed] : cases)
        EXPECT_EQ(waveSkySpeed(wave), speed) << "wave " << wave;
}

TEST_F(WaveCaptionsTest, WaveZeroIsNeverBuilt) {
    const auto captions = buildWaveCaptions(*language);
    const WaveCaption fresh;
    EXPECT_EQ(captions[0].texts, fresh.texts);
    EXPECT_EQ(captions[0].blinks, fresh.blinks);
    EXPECT_EQ(captions[0].skySpeed, -1);
    EXPECT_EQ(captions[WAVE_COUNT].skySpeed, -1);
}
