#pragma once
#include <cstddef>
#include <cstdint>
#include "core/FixedUtf8String.h"
#include "core/Md5.h"
#include "game/GameConfiguration.h"

/// The high-score table as the score-upload page receives it (little-endian, 3,072 bytes):
/// a salted MD5 digest, then the first 3,048 bytes of the settings record, then 8 zero bytes.
struct ScoreUploadData {
    static constexpr std::size_t COPIED_BYTES = 3048;  // the settings record up to its table's end

    uint8_t digest[16];  // MD5 of the salt and the whole record with these 16 bytes zero
    FixedUtf8String<32> buildId;
    FixedUtf8String<16> version;
    FixedUtf8String<32> reservedText;
    uint32_t installId;
    char countryCode[4];
    HIGHSCOREENTRY highScores[GameConfigurationRecord::HIGHSCORE_ROWS];
    uint8_t zero[8];

    /// The record of `configuration` as it is now, signed.
    static ScoreUploadData fromConfiguration(const GameConfigurationRecord& configuration);
    /// The digest the record must carry: MD5 of the salt (little-endian) and the record with
    /// its digest bytes zero.
    Md5Digest computeDigest() const;
};
static_assert(sizeof(ScoreUploadData) == 3072);
static_assert(offsetof(ScoreUploadData, buildId) == 16);
static_assert(offsetof(ScoreUploadData, installId) == 96);
static_assert(offsetof(ScoreUploadData, countryCode) == 100);
static_assert(offsetof(ScoreUploadData, highScores) == 104);
static_assert(offsetof(ScoreUploadData, zero) == 3064);
static_assert(offsetof(GameConfigurationRecord, highScores) + sizeof(GameConfigurationRecord::highScores) ==
              ScoreUploadData::COPIED_BYTES);
