#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>
#include "core/FixedUtf8String.h"
#include "core/NetAddress.h"
#include "core/WideString.h"

/// One row of the high-score table (little-endian, 296 bytes).
struct HIGHSCOREENTRY {
    uint8_t digest[16]; // MD5 signature, or the unsigned marker (1, then 15 zeros), or zero in a reset row
    FixedUtf8String<256> name;
    int32_t score;
    int32_t wave;      // wave reached
    int32_t statistic; // third game value given by the caller
    uint32_t padding;
    int64_t time; // seconds since 1970-01-01 UTC when the row was written
};
static_assert(sizeof(HIGHSCOREENTRY) == 296);
static_assert(offsetof(HIGHSCOREENTRY, name) == 16);
static_assert(offsetof(HIGHSCOREENTRY, score) == 272);
static_assert(offsetof(HIGHSCOREENTRY, statistic) == 280);
static_assert(offsetof(HIGHSCOREENTRY, time) == 288);

/// The game's settings and high-score table exactly as the settings file holds them
/// (little-endian, 3280 bytes; the score upload sends the first 3048).
struct GameConfigurationRecord {
    static constexpr int HIGHSCORE_ROWS = 10;
    static constexpr int KEYBOARD_ACTIONS = 6; // left, right, up, down, fire, alt fire
    static constexpr int JOYSTICK_ACTIONS = 3; // fire, alt fire, in-game menu
    static constexpr int PLAYERS = 2;

    FixedUtf8String<32> buildId;
    FixedUtf8String<16> version;
    FixedUtf8String<32> reservedText;
    uint32_t installId;                        // random identifier of this installation
    char countryCode[4];                       // two ASCII letters (or "--"), then two zero bytes
    HIGHSCOREENTRY highScores[HIGHSCORE_ROWS]; // best score first
    int32_t detail;                            // graphics detail 0..1
    int32_t tickRate;                          // game ticks per second
    bool fullScreen;
    bool allowLetterbox;
    bool bilinearFilter;
    bool vsync;
    bool showFps;
    uint8_t padding1[3];
    int32_t soundQuality; // 0..2: 11025, 22050, 44100 Hz
    int32_t soundVolume;  // 0..24
    int32_t musicVolume;  // 0..24
    bool inGameMusic;
    bool muteAudio;
    bool originalMusic; // music set: "Original" when set, else "Remastered"
    uint8_t padding2;
    int32_t touchSensitivity; // 0..4
    int32_t controlMethod;    // 0..1
    int32_t firingMethod;     // 0..3
    bool allowCheats;
    bool sharedLives;
    uint8_t padding3[2];
    int32_t difficulty; // 0..1
    bool networkConfigured;
    uint8_t padding4[3];
    NetAddress masterServer;
    int32_t reserved1;
    int32_t reserved2;
    int32_t reserved3;
    int32_t countryIndex;                                // position in the country list, 0..240
    float countryVector[3];                              // unit vector of the chosen country on the globe
    int32_t joystickDeadZone;                            // 0..24
    int32_t keyboardBindings[KEYBOARD_ACTIONS][PLAYERS]; // key codes, [action][player]
    int32_t extraBinding;
    int32_t joystickIndex1;
    int32_t joystickIndex2;
    int32_t joystickBindings[JOYSTICK_ACTIONS][PLAYERS]; // control codes, [action][player]
    int32_t mouseFireButton;                             // 0 left, 1 right, 2 middle
    int32_t mouseAltFireButton;                          // 0 left, 1 right, 2 middle
    uint8_t reserved4[16];
    bool greetingOpenedNameEntry;
    uint8_t padding5[19];
};
static_assert(sizeof(GameConfigurationRecord) == 3280);
static_assert(offsetof(GameConfigurationRecord, installId) == 80);
static_assert(offsetof(GameConfigurationRecord, countryCode) == 84);
static_assert(offsetof(GameConfigurationRecord, highScores) == 88);
static_assert(offsetof(GameConfigurationRecord, detail) == 3048);
static_assert(offsetof(GameConfigurationRecord, fullScreen) == 3056);
static_assert(offsetof(GameConfigurationRecord, soundQuality) == 3064);
static_assert(offsetof(GameConfigurationRecord, inGameMusic) == 3076);
static_assert(offsetof(GameConfigurationRecord, touchSensitivity) == 3080);
static_assert(offsetof(GameConfigurationRecord, allowCheats) == 3092);
static_assert(offsetof(GameConfigurationRecord, difficulty) == 3096);
static_assert(offsetof(GameConfigurationRecord, networkConfigured) == 3100);
static_assert(offsetof(GameConfigurationRecord, masterServer) == 3104);
static_assert(offsetof(GameConfigurationRecord, reserved1) == 3120);
static_assert(offsetof(GameConfigurationRecord, countryIndex) == 3132);
static_assert(offsetof(GameConfigurationRecord, countryVector) == 3136);
static_assert(offsetof(GameConfigurationRecord, joystickDeadZone) == 3148);
static_assert(offsetof(GameConfigurationRecord, keyboardBindings) == 3152);
static_assert(offsetof(GameConfigurationRecord, extraBinding) == 3200);
static_assert(offsetof(GameConfigurationRecord, joystickIndex1) == 3204);
static_assert(offsetof(GameConfigurationRecord, joystickBindings) == 3212);
static_assert(offsetof(GameConfigurationRecord, mouseFireButton) == 3236);
static_assert(offsetof(GameConfigurationRecord, reserved4) == 3244);
static_assert(offsetof(GameConfigurationRecord, greetingOpenedNameEntry) == 3260);

/// The settings and high scores of the running game: defaults, then the settings file in the
/// user-data folder; saved by the game root (`Global::saveUserData`). Main thread only.
class GameConfiguration : public GameConfigurationRecord {
  public:
    /// Salt in front of a signed high-score row's MD5.
    static constexpr uint32_t HIGHSCORE_SALT = 0x3E9B71C4u;

    /// Defaults, then the file.
    GameConfiguration();
    GameConfiguration(const GameConfiguration&) = delete;
    GameConfiguration& operator=(const GameConfiguration&) = delete;

    /// Every byte zero, then the build's identity, "--" as the country, a reset table and
    /// every default setting; `installId` stays 0.
    void setDefaults();
    /// Replaces the record with the file's when the file is intact (it is then checked field by
    /// field); a file that fails is kept as "<name>.bad". Then, while `installId` is 0, draws it
    /// from the system's random source.
    void load();
    /// Writes the whole record; false when it could not be written.
    bool save() const;
    /// The settings file that `save` writes, for the record as it stands now.
    std::vector<uint8_t> makeFile() const;
    /// "ZV2rmBrumedemo.hst": the build identifier and ".hst".
    static WideString getFileName();

    /// Ten rows of empty names, scores 100000 down to 10000 and waves 10 down to 1.
    void resetHighScores();
    /// Puts the score below every row with a score at least as high and returns its row, or
    /// -1 when it does not make the table. A signed row carries an MD5 signature, an unsigned
    /// one the marker 1.
    int addHighScore(int score, int wave, int statistic, bool sign, WideStringView name);
    /// The row that `addHighScore` makes of these values, written at `time` (seconds since
    /// 1970-01-01 UTC).
    static HIGHSCOREENTRY makeHighScore(int score, int wave, int statistic, bool sign, WideStringView name,
                                        int64_t time);
    /// Puts `row` below every row with a score at least as high; its row, or -1 when it does not
    /// make the table.
    int addHighScore(const HIGHSCOREENTRY& row);
    /// How many rows of the table are `row`, byte for byte.
    int countHighScore(const HIGHSCOREENTRY& row) const;
    /// Whether `a` and `b` are the same row, byte for byte.
    static bool sameRow(const HIGHSCOREENTRY& a, const HIGHSCOREENTRY& b);
    /// Unbinds `code` wherever it is bound, so that it can be bound once anew.
    void unbindControl(int code);

  private:
    /// Brings every field of a record read from a file into its range.
    void checkLoaded();
};
static_assert(sizeof(GameConfiguration) == sizeof(GameConfigurationRecord));
