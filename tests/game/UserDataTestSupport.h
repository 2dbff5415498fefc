#pragma once
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <vector>
#include "FileTestSupport.h"
#include "core/AppEnvironment.h"
#include "core/SignedBlock.h"
#include "core/StringUtil.h"

/// Files of the user-data folder (tests run under a TempDataHome).

inline std::filesystem::path userFilePath(WideStringView fileName) {
    return std::filesystem::path(toUtf8(getUserFilesFolder())) / toUtf8(fileName);
}

template <class Record> std::vector<uint8_t> bytesOf(const Record& record) {
    std::vector<uint8_t> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

/// Writes `payload` as a correctly signed user-data file.
inline void writeSignedUserFile(WideStringView fileName, const std::vector<uint8_t>& payload) {
    writeBytes(userFilePath(fileName), encodeSignedBlock(payload, fileName, VERSION_TEXT));
}

/// The payload of a signed user-data file of `size` bytes; empty when it does not load.
inline std::vector<uint8_t> readSignedUserFile(WideStringView fileName, std::size_t size) {
    std::vector<uint8_t> payload(size);
    WideString error;
    if (!decodeSignedBlock(readBytes(userFilePath(fileName)), payload, fileName, VERSION_TEXT, error))
        return {};
    return payload;
}

/// The generator state after `steps` draws from `state`, computed here without `GameRandom`.
inline uint32_t lcgAfter(uint32_t state, int steps) {
    for (int i = 0; i < steps; ++i)
        state = state * 214013u + 2531011u;
    return state;
}

/// The identifier two draws from `state` make: (second state, low half cleared) | (first state >> 16).
inline uint32_t identifierFrom(uint32_t state) {
    const uint32_t first = lcgAfter(state, 1);
    const uint32_t second = lcgAfter(state, 2);
    return (second & 0xFFFF0000u) | (first >> 16);
}

/// Damaged forms of a good file, each of which must fail to load.
struct FileDamage {
    const char* what;
    std::vector<uint8_t> (*apply)(std::vector<uint8_t> file);
};

inline const FileDamage FILE_DAMAGES[] = {
    {"empty", [](std::vector<uint8_t>) { return std::vector<uint8_t>(); }},
    {"header cut short",
     [](std::vector<uint8_t> f) {
         f.resize(40);
         return f;
     }},
    {"header only",
     [](std::vector<uint8_t> f) {
         f.resize(68);
         return f;
     }},
    {"stream cut in half",
     [](std::vector<uint8_t> f) {
         f.resize(68 + (f.size() - 68) / 2);
         return f;
     }},
    {"last byte missing",
     [](std::vector<uint8_t> f) {
         f.pop_back();
         return f;
     }},
    // Not a byte in the middle: a changed match distance over zeros can inflate to the same record.
    {"stream checksum byte flipped",
     [](std::vector<uint8_t> f) {
         f[f.size() - 2] ^= 0x40;
         return f;
     }},
    {"digest edited",
     [](std::vector<uint8_t> f) {
         f[56] ^= 1;
         return f;
     }},
    {"noise", [](std::vector<uint8_t> f) { return noiseBytes(f.size(), 3); }},
};
