#include "game/WaveCaptions.h"
#include <gtest/gtest.h>
#include <map>
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

/// The English text of every key the wave captions use; the mothership's name is our own.
const std::map<std::string, std::u16string> ENGLISH = {
    {"WAVE50", u"Heads up!"},
    {"WAVE50B", u"Incoming asteroids"},
    {"WAVE51", u"Asteroids"},
    {"WAVE52", u"More Asteroids"},
    {"WAVE53", u"Yet More Asteroids"},
    {"WAVE54", u"Halfway There"},
    {"WAVE55", u"Hang in There!"},
    {"WAVE56", u"Are we There Yet?"},
    {"WAVE57", u"Almost There"},
    {"WAVE58", u"Just one More!"},
    {"WAVE59", u"Leaving Asteroid Belt"},
    {"WAVE59B", u"Bonus?"},
    {"WAVE00", u"First Contact"},
    {"WAVEX0", u"Initial Approach"},
    {"WAVEX1", u"Classic Invasion"},
    {"WAVEX2", u"One More Time"},
    {"WAVEX3", u"Meteor Shower"},
    {"WAVEX3B", u"Watch out!"},
    {"WAVE04", u"Paratroopers!"},
    {"WAVE14", u"One on One"},
    {"WAVE24", u"Scramble!"},
    {"WAVE24B", u"Breakfast time"},
    {"WAVE74", u"Berserk Zelbins!"},
    {"WAVE74B", u"Don't make them mad!"},
    {"WAVE34", u"Zelbin Interception"},
    {"WAVE34B", u"Stay away from the edges!"},
    {"WAVE44", u"Uh-oh"},
    {"WAVE44B", u"Terminator zelbins"},
    {"WAVE05", u"Death from Above"},
    {"WAVE15", u"Reinforcements"},
    {"WAVE15B", u"Watch your back!"},
    {"WAVE25", u"Be Quick or Be Dead"},
    {"WAVE75", u"Shh... Quiet..."},
    {"WAVE35", u"Incoming!"},
    {"WAVE45", u"Be Quick or be Dead"},
    {"WAVE06", u"Third Time Lucky"},
    {"WAVE16", u"Help!"},
    {"WAVE16B", u"Hang in there"},
    {"WAVE26", u"Sunny Side Up"},
    {"WAVE76", u"Speak Softly and Carry a Big Pan"},
    {"WAVE36", u"Engage!"},
    {"WAVE46", u"Keep Moving!"},
    {"WAVEX7", u"Asteroids!"},
    {"WAVEX7B", u"No, really!"},
    {"WAVEX8", u"Bonus"},
    {"WAVEX9EVEN", u"Show'em who's Boss!"},
    {"WAVEX9ODD", u"Fight!"},
    {"WAVE39", u"Mothership Gorgulax"},
    {"WAVE39B", u"Crack that shell!"},
    {"WAVE69", u"Mothership Gorgulax"},
    {"WAVE69B", u"So, we meet again!"},
    {"WAVE109", u"Mothership Gorgulax"},
    {"WAVE109B", u"Final showdown!"},
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

TEST_F(WaveCaptionsTest, EnglishCaptionsShowTheWaveNumberAndTheListedTexts) {
    language->setLanguage(0);
    const auto captions = buildWaveCaptions(*language);
    for (int wave = 1; wave <= WAVE_COUNT; ++wave) {
        const auto [line2, line3] = parseCell(cellOf(wave));
        const WaveCaption& caption = captions[wave];
        EXPECT_EQ(toUtf8(caption.texts[0]), "Wave " + std::to_string(wave)) << describe(wave);
        EXPECT_EQ(caption.texts[1], ENGLISH.at(line2.key)) << describe(wave);
        EXPECT_EQ(caption.texts[2], line3.key.empty() ? u"" : ENGLISH.at(line3.key)) << describe(wave);
        EXPECT_EQ(caption.blinks, (std::array<int32_t, CAPTION_LINES>{0, line2.blink, line3.blink}))
            << describe(wave);
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
            EXPECT_EQ(caption.texts[2],
                      line3.key.empty() ? u"" : language->getRowString(row, idOf(line3.key)))
                << where;
            EXPECT_FALSE(caption.texts[1].empty()) << where;
        }
    }
}

TEST_F(WaveCaptionsTest, KnownWavesReadAsDesigned) {
    struct Case {
        int row;
        int wave;
        const char16_t* line2; // null: not checked
        const char16_t* line3;
        int blink3;
    };
    const Case cases[] = {
        {0, 1, u"First Contact", u"", 0},
        {0, 10, u"Show'em who's Boss!", u"", 0},
        {0, 20, u"Fight!", u"", 0},
        {0, 15, u"One on One", u"", 0},
        {0, 65, u"One on One", u"", 0},
        {0, 25, u"Scramble!", u"Breakfast time", 0},
        {0, 75, u"Berserk Zelbins!", u"Don't make them mad!", 0},
        {0, 51, u"Heads up!", u"Incoming asteroids", 2},
        {0, 59, u"Just one More!", u"", 0},
        {0, 60, u"Leaving Asteroid Belt", u"Bonus?", 0},
        {0, 40, nullptr, u"Crack that shell!", 1},
        {0, 70, nullptr, u"So, we meet again!", 0},
        {0, 110, nullptr, u"Final showdown!", 1},
        {5, 60, nullptr, u"ボーナス? ", 0},
    };
    for (const Case& c : cases) {
        language->setLanguage(c.row);
        const WaveCaption caption = buildWaveCaption(*language, c.wave);
        const std::string where = "row " + std::to_string(c.row) + " wave " + std::to_string(c.wave);
        if (c.line2) {
            EXPECT_EQ(caption.texts[1], c.line2) << where;
        }
        EXPECT_EQ(caption.texts[2], c.line3) << where;
        EXPECT_EQ(caption.blinks[2], c.blink3) << where;
    }
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
