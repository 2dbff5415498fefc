#include "game/GameConfiguration.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include "core/AppEnvironment.h"
#include "core/Format.h"
#include "core/KeyCodes.h"
#include "core/Md5.h"
#include "game/RecordChecks.h"
#include "game/UserDataFile.h"
#include "platform/SystemRandom.h"

namespace {

using Record = GameConfigurationRecord;

constexpr int32_t DEFAULT_KEYBOARD_BINDINGS[Record::KEYBOARD_ACTIONS][Record::PLAYERS] = {
    {0xCB, 0x1E}, // left: cursor left, A
    {0xCD, 0x20}, // right: cursor right, D
    {0xC8, 0x11}, // up: cursor up, W
    {0xD0, 0x2D}, // down: cursor down, X
    {0x39, 0x2A}, // fire: space, left shift
    {0x1C, 0x1D}, // alt fire: return, left control
};
constexpr int32_t DEFAULT_JOYSTICK_BINDINGS[Record::JOYSTICK_ACTIONS][Record::PLAYERS] = {
    {0x110, 0x140}, // fire: button 0 of joystick 1, of joystick 2
    {0x111, 0x141}, // alt fire: button 1
    {0x117, 0x147}, // in-game menu: button 7
};
constexpr int32_t HIGHEST_RESET_SCORE = 100000;
constexpr int32_t RESET_SCORE_STEP = 10000;
constexpr int32_t HIGHEST_RESET_WAVE = 10;
constexpr int COUNTRY_COUNT = 241;

/// How a loaded number outside its range is mended: clamped to the nearer end (scales, where
/// the nearer end is closest to what the user chose), or reset to its default (choices, where
/// a neighbouring choice is no better a guess than the default).
enum class Mend { Clamp, Reset };

struct NumberRule {
    int32_t Record::*field;
    int32_t low;
    int32_t high;
    Mend mend;
};

// Every choice and scale below is shown by looking up a text or a slider position with its
// number, and most also index a table of the engine, so none may leave its range.
constexpr NumberRule NUMBER_RULES[] = {
    {&Record::detail, 0, 1, Mend::Clamp},
    // The engine ticks 1 / tickRate seconds: 0 would divide by zero and a negative rate would run
    // time backwards; outside 10..300 the game is unplayable, so the default comes back.
    {&Record::tickRate, 10, 300, Mend::Reset},
    // Indexes the table of output frequencies.
    {&Record::soundQuality, 0, 2, Mend::Clamp},
    // Volumes become engine volumes of 0..10000; more would overdrive the mix.
    {&Record::soundVolume, 0, 24, Mend::Clamp},
    {&Record::musicVolume, 0, 24, Mend::Clamp},
    {&Record::touchSensitivity, 0, 4, Mend::Clamp},
    {&Record::controlMethod, 0, 1, Mend::Reset},
    {&Record::firingMethod, 0, 3, Mend::Reset},
    {&Record::difficulty, 0, 1, Mend::Reset},
    // Indexes the country table.
    {&Record::countryIndex, 0, COUNTRY_COUNT - 1, Mend::Reset},
    // Becomes 0.0..0.5 of the stick's travel; beyond that the stick would never move the player.
    {&Record::joystickDeadZone, 0, 24, Mend::Clamp},
    // Indexes the input's joysticks.
    {&Record::joystickIndex1, 0, MAX_JOYSTICKS - 1, Mend::Reset},
    {&Record::joystickIndex2, 0, MAX_JOYSTICKS - 1, Mend::Reset},
    // Left, right or middle button.
    {&Record::mouseFireButton, 0, 2, Mend::Reset},
    {&Record::mouseAltFireButton, 0, 2, Mend::Reset},
};

constexpr bool Record::*FLAGS[] = {
    &Record::fullScreen,  &Record::allowLetterbox,    &Record::bilinearFilter,
    &Record::vsync,       &Record::showFps,           &Record::inGameMusic,
    &Record::muteAudio,   &Record::originalMusic,     &Record::allowCheats,
    &Record::sharedLives, &Record::networkConfigured, &Record::greetingOpenedNameEntry,
};

int64_t secondsSinceEpoch() {
    return static_cast<int64_t>(std::time(nullptr));
}

void applyDefaultSettings(Record& record) {
    record.detail = 1;
    record.tickRate = 30;
    record.fullScreen = true;
    record.allowLetterbox = true;
    record.bilinearFilter = true;
    record.vsync = true;
    record.showFps = false;
    record.soundQuality = 1;
    record.soundVolume = 24;
    record.musicVolume = 15;
    record.inGameMusic = true;
    record.muteAudio = false;
    record.originalMusic = false;
    record.touchSensitivity = 1;
    record.controlMethod = 1;
    record.firingMethod = 0;
    record.allowCheats = false;
    record.sharedLives = true;
    record.difficulty = 0;
    record.networkConfigured = false;
    record.masterServer.family = NetAddress::FAMILY_IPV4;
    record.masterServer.port = 0;
    record.masterServer.address = 0;
    record.reserved1 = 0;
    record.reserved2 = 2;
    record.reserved3 = 2;
    record.countryIndex = 0;
    record.countryVector[0] = 0.0f;
    record.countryVector[1] = 0.0f;
    record.countryVector[2] = -1.0f;
    record.joystickDeadZone = 5;
    std::memcpy(record.keyboardBindings, DEFAULT_KEYBOARD_BINDINGS, sizeof record.keyboardBindings);
    record.extraBinding = 20;
    record.joystickIndex1 = 0;
    record.joystickIndex2 = 1;
    std::memcpy(record.joystickBindings, DEFAULT_JOYSTICK_BINDINGS, sizeof record.joystickBindings);
    record.mouseFireButton = 0;
    record.mouseAltFireButton = 1;
    record.greetingOpenedNameEntry = true;
}

void setCountryCode(Record& record, const char* code) {
    std::memset(record.countryCode, 0, sizeof record.countryCode);
    std::memcpy(record.countryCode, code, 2);
}

bool isUpperAsciiLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

/// "--" or two capital ASCII letters, then two zero bytes: what the country list writes.
bool isCountryCode(const char (&code)[4]) {
    const bool bLetters =
        (code[0] == '-' && code[1] == '-') || (isUpperAsciiLetter(code[0]) && isUpperAsciiLetter(code[1]));
    return bLetters && code[2] == 0 && code[3] == 0;
}

/// A key code the input knows, 0 (unbound) included.
bool isKeyCode(int32_t code) {
    return isWithin(code, 0, KEY_CODE_COUNT - 1);
}

}  // namespace

GameConfiguration::GameConfiguration() {
    setDefaults();
    load();
}

WideString GameConfiguration::getFileName() {
    return stringf(u"%s.hst", BUILD_IDENTIFIER);
}

void GameConfiguration::setDefaults() {
    Record& record = *this;
    std::memset(static_cast<void*>(&record), 0, sizeof record);
    buildId.set(BUILD_IDENTIFIER);
    version.set(VERSION_TEXT);
    setCountryCode(record, "--");
    installId = 0;
    resetHighScores();
    applyDefaultSettings(record);
}

void GameConfiguration::load() {
    Record& record = *this;
    if (loadUserDataFile(&record, sizeof record, getFileName())) checkLoaded();
    // From the system's random source: seeded draws would repeat across installs.
    while (installId == 0) installId = platform::systemRandom32();
}

bool GameConfiguration::save() const {
    const Record& record = *this;
    return saveUserDataFile(&record, sizeof record, getFileName());
}

std::vector<uint8_t> GameConfiguration::makeFile() const {
    const Record& record = *this;
    return makeUserDataFile(&record, sizeof record, getFileName());
}

void GameConfiguration::checkLoaded() {
    Record& record = *this;
    Record defaults;
    std::memset(static_cast<void*>(&defaults), 0, sizeof defaults);
    applyDefaultSettings(defaults);

    // Flags are bound to check boxes by reference: they must be 0 or 1 before anything reads them.
    for (bool Record::*flag : FLAGS)
        normaliseFlag(record.*flag);
    for (const NumberRule& rule : NUMBER_RULES) {
        int32_t& value = record.*rule.field;
        if (isWithin(value, rule.low, rule.high)) continue;
        value = rule.mend == Mend::Clamp ? std::clamp(value, rule.low, rule.high) : defaults.*rule.field;
    }
    // Key names and key states are looked up by code: a code the input does not know is unbound.
    for (auto& action : keyboardBindings)
        for (int32_t& code : action)
            if (!isKeyCode(code)) code = 0;
    for (auto& action : joystickBindings)
        for (int32_t& code : action)
            if (!isKeyCode(code)) code = 0;
    if (!isKeyCode(extraBinding)) extraBinding = 0;
    // The code is shown and uploaded as text: anything but "--" or two capital letters becomes "--".
    if (!isCountryCode(countryCode)) setCountryCode(record, "--");
    // Only stored and shown, but a stored NaN or infinity would travel on with every save.
    for (float component : countryVector)
        if (!std::isfinite(component)) {
            std::memcpy(countryVector, defaults.countryVector, sizeof countryVector);
            break;
        }
    // The wizard connects to this address; only an IPv4 address can be used.
    if (masterServer.family != NetAddress::FAMILY_IPV4) masterServer = defaults.masterServer;
    // The high-score rows are shown and uploaded as they are: any number prints, and changing a
    // signed row would break its signature.
}

void GameConfiguration::resetHighScores() {
    const int64_t now = secondsSinceEpoch();
    for (int i = 0; i < HIGHSCORE_ROWS; ++i) {
        HIGHSCOREENTRY& row = highScores[i];
        std::memset(static_cast<void*>(&row), 0, sizeof row);
        row.score = HIGHEST_RESET_SCORE - RESET_SCORE_STEP * i;
        row.wave = HIGHEST_RESET_WAVE - i;
        row.statistic = 0;
        row.time = now;
    }
}

int GameConfiguration::addHighScore(int score, int wave, int statistic, bool sign, WideStringView name) {
    return addHighScore(makeHighScore(score, wave, statistic, sign, name, secondsSinceEpoch()));
}

HIGHSCOREENTRY GameConfiguration::makeHighScore(int score, int wave, int statistic, bool sign,
                                               WideStringView name, int64_t time) {
    HIGHSCOREENTRY row;
    std::memset(static_cast<void*>(&row), 0, sizeof row);
    row.name.set(name);
    row.score = score;
    row.wave = wave;
    row.statistic = statistic;
    row.time = time;
    if (sign) {
        // The digest covers the salt and the whole row while its digest field is still zero.
        Md5Context context;
        md5Update(context, &HIGHSCORE_SALT, sizeof HIGHSCORE_SALT);
        md5Update(context, &row, sizeof row);
        const Md5Digest digest = md5Final(context);
        std::memcpy(row.digest, digest.data(), digest.size());
    } else {
        row.digest[0] = 1;
    }
    return row;
}

int GameConfiguration::addHighScore(const HIGHSCOREENTRY& row) {
    int index = 0;
    while (index < HIGHSCORE_ROWS && highScores[index].score >= row.score)
        ++index;
    if (index == HIGHSCORE_ROWS) return -1;
    for (int below = HIGHSCORE_ROWS - 1; below > index; --below)
        highScores[below] = highScores[below - 1];
    highScores[index] = row;
    return index;
}

int GameConfiguration::countHighScore(const HIGHSCOREENTRY& row) const {
    return static_cast<int>(std::count_if(std::begin(highScores), std::end(highScores),
                                          [&row](const HIGHSCOREENTRY& held) { return sameRow(held, row); }));
}

bool GameConfiguration::sameRow(const HIGHSCOREENTRY& a, const HIGHSCOREENTRY& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void GameConfiguration::unbindControl(int code) {
    for (auto& action : keyboardBindings)
        for (int32_t& binding : action)
            if (binding == code) binding = 0;
    for (auto& action : joystickBindings)
        for (int32_t& binding : action)
            if (binding == code) binding = 0;
    if (extraBinding == code) extraBinding = 0;
}
