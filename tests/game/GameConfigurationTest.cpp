#include "game/GameConfiguration.h"
#include <climits>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "TempDataHome.h"
#include "UserDataTestSupport.h"
#include "core/GameRandom.h"

namespace {

constexpr char16_t FILE_NAME[] = u"ZV2rmBrumedemo.hst";
constexpr uint32_t SEED = 0x12345678u;

class GameConfigurationTest : public testing::Test {
  protected:
    void SetUp() override { gameRandom.setSeed(SEED); }

    TempDataHome home;
};

void put32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void putText(std::vector<uint8_t>& bytes, std::size_t offset, const std::string& text) {
    std::memcpy(bytes.data() + offset, text.data(), text.size());
}

int64_t timeOfRow(const std::vector<uint8_t>& bytes, int row) {
    int64_t time;
    std::memcpy(&time, bytes.data() + 88 + 296 * row + 288, sizeof time);
    return time;
}

/// The default record as the settings file must hold it, from the offsets alone; the rows'
/// times are taken from `actual`.
std::vector<uint8_t> expectedDefaults(const std::vector<uint8_t>& actual, uint32_t installId) {
    std::vector<uint8_t> bytes(3280, 0);
    putText(bytes, 0, "ZV2rmBrumedemo");
    putText(bytes, 32, "3.07");
    put32(bytes, 80, installId);
    putText(bytes, 84, "--");
    for (int row = 0; row < 10; ++row) {
        const std::size_t at = 88 + 296 * row;
        put32(bytes, at + 272, 100000 - 10000 * row);
        put32(bytes, at + 276, 10 - row);
        std::memcpy(bytes.data() + at + 288, actual.data() + at + 288, 8);
    }
    const std::pair<std::size_t, uint32_t> words[] = {
        {3048, 1},     {3052, 30},    {3064, 1},     {3068, 24},    {3072, 15},    {3080, 1},
        {3084, 1},     {3124, 2},     {3128, 2},     {3148, 5},     {3200, 20},    {3208, 1},
        {3240, 1},     {3152, 0xCB},  {3156, 0x1E},  {3160, 0xCD},  {3164, 0x20},  {3168, 0xC8},
        {3172, 0x11},  {3176, 0xD0},  {3180, 0x2D},  {3184, 0x39},  {3188, 0x2A},  {3192, 0x1C},
        {3196, 0x1D},  {3212, 0x110}, {3216, 0x140}, {3220, 0x111}, {3224, 0x141}, {3228, 0x117},
        {3232, 0x147},
    };
    for (const auto& [offset, value] : words)
        put32(bytes, offset, value);
    for (std::size_t offset : {3056, 3057, 3058, 3059, 3076, 3093, 3260})
        bytes[offset] = 1;
    bytes[3104] = 2; // master server: family 2, port 0, address 0.0.0.0
    const float down = -1.0f;
    std::memcpy(bytes.data() + 3144, &down, 4);
    return bytes;
}

std::vector<int32_t> scoresOf(const GameConfiguration& configuration) {
    std::vector<int32_t> scores;
    for (const HIGHSCOREENTRY& row : configuration.highScores)
        scores.push_back(row.score);
    return scores;
}

/// MD5 of `bytes` as the system's md5sum prints it.
std::string md5sumOf(const std::vector<uint8_t>& bytes, const std::filesystem::path& folder) {
    const auto file = folder / "digest-input";
    writeBytes(file, bytes);
    const std::string command = "md5sum '" + file.string() + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    char hex[33] = {};
    const std::size_t got = std::fread(hex, 1, 32, pipe);
    pclose(pipe);
    return std::string(hex, got);
}

std::string hexOf(const uint8_t (&digest)[16]) {
    std::string text;
    char pair[3];
    for (uint8_t b : digest) {
        std::snprintf(pair, sizeof pair, "%02x", b);
        text += pair;
    }
    return text;
}

}  // namespace

TEST_F(GameConfigurationTest, DefaultsAreTheStoredRecordByteForByte) {
    const int64_t before = std::time(nullptr);
    const auto configuration = std::make_unique<GameConfiguration>();
    const int64_t after = std::time(nullptr);
    const auto actual = bytesOf<GameConfigurationRecord>(*configuration);
    for (int row = 0; row < 10; ++row) {
        EXPECT_GE(timeOfRow(actual, row), before);
        EXPECT_LE(timeOfRow(actual, row), after);
    }
    // Without a file the identifier comes from the system, never from the shared generator.
    EXPECT_NE(configuration->installId, 0u);
    EXPECT_EQ(gameRandom.getState(), SEED);
    EXPECT_EQ(actual, expectedDefaults(actual, configuration->installId));
    EXPECT_EQ(GameConfiguration::getFileName(), FILE_NAME);
}

TEST_F(GameConfigurationTest, ASavedRecordLoadsBack) {
    uint32_t installId;
    {
        GameConfiguration configuration;
        configuration.soundVolume = 3;
        configuration.originalMusic = true;
        configuration.addHighScore(123456, 42, 1, true, u"Ämmä");
        installId = configuration.installId;
        ASSERT_TRUE(configuration.save());
    }
    gameRandom.setSeed(99);
    GameConfiguration loaded;
    EXPECT_EQ(loaded.installId, installId);
    EXPECT_EQ(gameRandom.getState(), 99u); // a loaded identifier draws nothing
    EXPECT_EQ(loaded.soundVolume, 3);
    EXPECT_TRUE(loaded.originalMusic);
    EXPECT_EQ(loaded.highScores[0].name.get(), u"Ämmä");
    EXPECT_EQ(loaded.highScores[0].score, 123456);
    EXPECT_FALSE(std::filesystem::exists(userFilePath(u"ZV2rmBrumedemo.hst.bad")));
}

TEST_F(GameConfigurationTest, HighScoresGoBelowEqualScoresAndDropTheLastRow) {
    const std::vector<int32_t> reset = {100000, 90000, 80000, 70000, 60000, 50000, 40000, 30000, 20000, 10000};
    const auto scoresWith = [&](int row, int32_t score) {
        std::vector<int32_t> scores = reset;
        scores.insert(scores.begin() + row, score);
        scores.pop_back();
        return scores;
    };
    const std::tuple<int, int, std::vector<int32_t>> cases[] = {
        {100001, 0, scoresWith(0, 100001)}, {INT_MAX, 0, scoresWith(0, INT_MAX)}, {100000, 1, scoresWith(1, 100000)},
        {55000, 5, scoresWith(5, 55000)},   {10001, 9, scoresWith(9, 10001)},     {10000, -1, reset},
        {-5, -1, reset},                    {INT_MIN, -1, reset},
    };
    GameConfiguration configuration;
    for (const auto& [score, expectedRow, expectedScores] : cases) {
        configuration.resetHighScores();
        const HIGHSCOREENTRY oldRow1 = configuration.highScores[1];
        EXPECT_EQ(configuration.addHighScore(score, 7, 1, false, u"Zed"), expectedRow) << score;
        EXPECT_EQ(scoresOf(configuration), expectedScores) << score;
        // Whole rows move down, wave and time included.
        EXPECT_TRUE(expectedRow != 0 || std::memcmp(&configuration.highScores[2], &oldRow1, sizeof oldRow1) == 0);
        if (expectedRow < 0) continue;
        const HIGHSCOREENTRY& row = configuration.highScores[expectedRow];
        EXPECT_EQ(row.name.get(), u"Zed");
        EXPECT_EQ(row.wave, 7);
        EXPECT_EQ(row.statistic, 1);
    }
}

TEST_F(GameConfigurationTest, SignedRowsCarryTheSaltedDigestAndUnsignedRowsTheMarker) {
    GameConfiguration configuration;
    const int64_t before = std::time(nullptr);
    ASSERT_EQ(configuration.addHighScore(250000, 110, 1, true, u"Signed player"), 0);
    const int64_t after = std::time(nullptr);
    HIGHSCOREENTRY row = configuration.highScores[0];
    EXPECT_GE(row.time, before);
    EXPECT_LE(row.time, after);

    const std::string stored = hexOf(row.digest);
    std::memset(row.digest, 0, sizeof row.digest);
    std::vector<uint8_t> input = {0xC4, 0x71, 0x9B, 0x3E}; // the salt, little-endian
    const auto rowBytes = bytesOf(row);
    input.insert(input.end(), rowBytes.begin(), rowBytes.end());
    ASSERT_EQ(input.size(), 300u);
    EXPECT_EQ(stored, md5sumOf(input, home.path()));

    ASSERT_EQ(configuration.addHighScore(250000, 3, 0, false, u"Unsigned"), 1);
    const uint8_t marker[16] = {1};
    EXPECT_EQ(std::memcmp(configuration.highScores[1].digest, marker, 16), 0);
    EXPECT_EQ(hexOf(configuration.highScores[0].digest), stored); // the row above is untouched
}

TEST_F(GameConfigurationTest, UnbindControlClearsEveryBindingOfTheCode) {
    GameConfiguration configuration;
    configuration.unbindControl(0x39);
    EXPECT_EQ(configuration.keyboardBindings[4][0], 0);
    EXPECT_EQ(configuration.keyboardBindings[4][1], 0x2A);

    configuration.keyboardBindings[0][1] = 0x110;
    configuration.extraBinding = 0x110;
    configuration.unbindControl(0x110);
    EXPECT_EQ(configuration.keyboardBindings[0][1], 0);
    EXPECT_EQ(configuration.joystickBindings[0][0], 0);
    EXPECT_EQ(configuration.extraBinding, 0);
    EXPECT_EQ(configuration.joystickBindings[0][1], 0x140);
    EXPECT_EQ(configuration.keyboardBindings[0][0], 0xCB);
}

TEST_F(GameConfigurationTest, ADamagedOrForeignFileIsKeptAsBadAndTheNextSaveIsSound) {
    std::vector<uint8_t> record;
    {
        GameConfiguration configuration;
        configuration.musicVolume = 7;
        record = bytesOf<GameConfigurationRecord>(configuration);
        configuration.save();
    }
    std::vector<std::pair<const char*, std::vector<uint8_t>>> files;
    for (const FileDamage& damage : FILE_DAMAGES)
        files.emplace_back(damage.what, damage.apply(readBytes(userFilePath(FILE_NAME))));
    auto longer = record;
    longer.push_back(0);
    const std::vector<uint8_t> shorter(record.begin(), record.end() - 1);
    files.emplace_back("3279 bytes", encodeSignedBlock(shorter, FILE_NAME, u"3.07"));
    files.emplace_back("3281 bytes", encodeSignedBlock(longer, FILE_NAME, u"3.07"));
    files.emplace_back("signed as the profile file", encodeSignedBlock(record, u"ZV2rmBrumedemo.pro", u"3.07"));
    files.emplace_back("signed with another key", encodeSignedBlock(record, FILE_NAME, u"3.06"));
    for (const auto& [what, damaged] : files) {
        writeBytes(userFilePath(FILE_NAME), damaged);
        std::filesystem::remove(userFilePath(u"ZV2rmBrumedemo.hst.bad"));
        uint32_t installId;
        {
            gameRandom.setSeed(SEED);
            GameConfiguration configuration;
            EXPECT_EQ(configuration.musicVolume, 15) << what;
            installId = configuration.installId;
            EXPECT_EQ(readBytes(userFilePath(u"ZV2rmBrumedemo.hst.bad")), damaged) << what;
            configuration.save();
        }
        // The defaults were saved beside the kept copy and load without a second rename.
        ASSERT_EQ(readSignedUserFile(FILE_NAME, 3280).size(), 3280u) << what;
        GameConfiguration again;
        EXPECT_EQ(again.installId, installId) << what;
        EXPECT_EQ(readBytes(userFilePath(u"ZV2rmBrumedemo.hst.bad")), damaged) << what;
    }
}

TEST_F(GameConfigurationTest, LoadedFieldsAreBroughtIntoRange) {
    using Record = GameConfigurationRecord;
    using C = const GameConfiguration&;
    struct Case {
        const char* what;
        std::function<void(Record&)> damage;
        std::function<bool(C)> mended;
    };
    const Case cases[] = {
        {"volumes above 24", [](Record& r) { r.soundVolume = 25, r.musicVolume = 1000; },
         [](C c) { return c.soundVolume == 24 && c.musicVolume == 24; }},
        {"negative volumes", [](Record& r) { r.soundVolume = -1, r.musicVolume = INT_MIN; },
         [](C c) { return c.soundVolume == 0 && c.musicVolume == 0; }},
        {"tick rate 0", [](Record& r) { r.tickRate = 0; }, [](C c) { return c.tickRate == 30; }},
        {"negative tick rate", [](Record& r) { r.tickRate = -30; }, [](C c) { return c.tickRate == 30; }},
        {"tick rate 301", [](Record& r) { r.tickRate = 301; }, [](C c) { return c.tickRate == 30; }},
        {"tick rate 300 kept", [](Record& r) { r.tickRate = 300; }, [](C c) { return c.tickRate == 300; }},
        {"sound quality", [](Record& r) { r.soundQuality = 3; }, [](C c) { return c.soundQuality == 2; }},
        {"negative sound quality", [](Record& r) { r.soundQuality = -1; }, [](C c) { return c.soundQuality == 0; }},
        {"detail, sensitivity, dead zone",
         [](Record& r) { r.detail = 2, r.touchSensitivity = 9, r.joystickDeadZone = 25; },
         [](C c) { return c.detail == 1 && c.touchSensitivity == 4 && c.joystickDeadZone == 24; }},
        {"choices", [](Record& r) { r.controlMethod = 2, r.firingMethod = 4, r.difficulty = -1; },
         [](C c) { return c.controlMethod == 1 && c.firingMethod == 0 && c.difficulty == 0; }},
        {"country index 241", [](Record& r) { r.countryIndex = 241; }, [](C c) { return c.countryIndex == 0; }},
        {"country index 240 kept", [](Record& r) { r.countryIndex = 240; }, [](C c) { return c.countryIndex == 240; }},
        {"joystick indexes", [](Record& r) { r.joystickIndex1 = 4, r.joystickIndex2 = -1; },
         [](C c) { return c.joystickIndex1 == 0 && c.joystickIndex2 == 1; }},
        {"joystick index 3 kept", [](Record& r) { r.joystickIndex2 = 3; }, [](C c) { return c.joystickIndex2 == 3; }},
        {"mouse buttons", [](Record& r) { r.mouseFireButton = 3, r.mouseAltFireButton = -2; },
         [](C c) { return c.mouseFireButton == 0 && c.mouseAltFireButton == 1; }},
        {"key codes",
         [](Record& r) { r.keyboardBindings[2][1] = 456, r.keyboardBindings[0][0] = -1, r.keyboardBindings[5][1] = 455; },
         [](C c) {
             return c.keyboardBindings[2][1] == 0 && c.keyboardBindings[0][0] == 0 && c.keyboardBindings[5][1] == 455;
         }},
        {"joystick and extra codes", [](Record& r) { r.joystickBindings[2][0] = 1000, r.extraBinding = 500; },
         [](C c) {
             return c.joystickBindings[2][0] == 0 && c.extraBinding == 0 && c.joystickBindings[2][1] == 0x147;
         }},
        {"lower-case country", [](Record& r) { std::memcpy(r.countryCode, "de\0\0", 4); },
         [](C c) { return std::memcmp(c.countryCode, "--\0\0", 4) == 0; }},
        {"country code without its zeros", [](Record& r) { std::memcpy(r.countryCode, "DEU\0", 4); },
         [](C c) { return std::memcmp(c.countryCode, "--\0\0", 4) == 0; }},
        {"country code kept", [](Record& r) { std::memcpy(r.countryCode, "PL\0\0", 4); },
         [](C c) { return std::memcmp(c.countryCode, "PL\0\0", 4) == 0; }},
        {"country vector not finite", [](Record& r) { r.countryVector[1] = NAN, r.countryVector[0] = 0.5f; },
         [](C c) {
             return c.countryVector[0] == 0.0f && c.countryVector[1] == 0.0f && c.countryVector[2] == -1.0f;
         }},
        {"master server not IPv4", [](Record& r) { r.masterServer.family = 10, r.masterServer.port = 80; },
         [](C c) {
             return c.masterServer.family == 2 && c.masterServer.port == 0 && c.masterServer.address == 0;
         }},
        {"reserved values kept", [](Record& r) { r.reserved2 = 77, r.reserved3 = -4; },
         [](C c) { return c.reserved2 == 77 && c.reserved3 == -4; }},
        {"high-score rows kept", [](Record& r) { r.highScores[3].wave = 9999, r.highScores[4].score = -7; },
         [](C c) { return c.highScores[3].wave == 9999 && c.highScores[4].score == -7; }},
    };
    std::vector<uint8_t> defaults;
    {
        GameConfiguration configuration;
        defaults = bytesOf<Record>(configuration);
    }
    for (const Case& c : cases) {
        Record record;
        std::memcpy(static_cast<void*>(&record), defaults.data(), sizeof record);
        c.damage(record);
        writeSignedUserFile(FILE_NAME, bytesOf(record));
        GameConfiguration loaded;
        EXPECT_TRUE(c.mended(loaded)) << c.what;
        EXPECT_FALSE(std::filesystem::exists(userFilePath(u"ZV2rmBrumedemo.hst.bad"))) << c.what;
    }
    // Flag bytes read as 0 or 1, and a zero identifier is drawn anew from the system, not the generator.
    defaults[3077] = 0x07;  // muteAudio
    defaults[3056] = 0x00;  // fullScreen
    defaults[3100] = 0xFF;  // networkConfigured
    put32(defaults, 80, 0);
    writeSignedUserFile(FILE_NAME, defaults);
    gameRandom.setSeed(7);
    GameConfiguration loaded;
    gameRandom.setSeed(7);
    GameConfiguration alike;  // an install started alike (same seed)
    const auto loadedBytes = bytesOf<Record>(loaded);
    EXPECT_EQ(loadedBytes[3077], 1);
    EXPECT_EQ(loadedBytes[3056], 0);
    EXPECT_EQ(loadedBytes[3100], 1);
    EXPECT_NE(loaded.installId, 0u);
    EXPECT_NE(loaded.installId, alike.installId);
}
