#include "menus/ScoreUploadData.h"
#include <cstring>

ScoreUploadData ScoreUploadData::fromConfiguration(const GameConfigurationRecord& configuration) {
    ScoreUploadData record{};
    std::memcpy(reinterpret_cast<uint8_t*>(&record) + offsetof(ScoreUploadData, buildId), &configuration,
                COPIED_BYTES);
    const Md5Digest digest = record.computeDigest();
    std::memcpy(record.digest, digest.data(), digest.size());
    return record;
}

Md5Digest ScoreUploadData::computeDigest() const {
    ScoreUploadData blank = *this;
    std::memset(blank.digest, 0, sizeof blank.digest);
    constexpr uint32_t SALT = GameConfiguration::HIGHSCORE_SALT;
    const uint8_t salt[4] = {SALT & 0xFF, (SALT >> 8) & 0xFF, (SALT >> 16) & 0xFF, SALT >> 24};
    Md5Context context;
    md5Update(context, salt, sizeof salt);
    md5Update(context, &blank, sizeof blank);
    return md5Final(context);
}
