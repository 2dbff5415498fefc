#include "core/SignedBlock.h"
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/FileManager.h"
#include "core/StringUtil.h"

namespace {

constexpr char16_t FILE_NAME[] = u"ZV2rmBrumedemo.hst";
constexpr char16_t KEY[] = u"3.07";

std::vector<uint8_t> record(std::size_t size, uint8_t seed) {
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7 + i / 13);
    return bytes;
}

/// From now on this process may not write files past 4 KiB, like a disk that fills up; the
/// kernel then kills it with SIGXFSZ, unless `bSurvive` turns that into a failed write.
void limitFileSize(bool bSurvive) {
    std::signal(SIGXFSZ, bSurvive ? SIG_IGN : SIG_DFL);
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = 4096;
    setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

TEST(SignedBlock, RoundTripsCarriesTheBuildIdentityAndIsBoundToFileNameKeyAndSize) {
    for (std::size_t size : {0u, 1u, 3280u}) {
        const auto payload = record(size, 5);
        const auto file = encodeSignedBlock(payload, FILE_NAME, KEY);
        SignedBlockHeader header;
        std::memcpy(&header, file.data(), sizeof header);
        EXPECT_EQ(header.buildId.get(), u"ZV2rmBrumedemo");
        EXPECT_EQ(header.version.get(), u"3.07");
        EXPECT_EQ(header.payloadSize, size);
        std::vector<uint8_t> out(size, 0xAA);
        WideString error;
        ASSERT_TRUE(decodeSignedBlock(file, out, FILE_NAME, KEY, error)) << toUtf8(error);
        EXPECT_EQ(out, payload);
    }
    const auto file = encodeSignedBlock(record(3280, 1), FILE_NAME, KEY);
    WideString error;
    std::vector<uint8_t> out(3280), shorter(3279), longer(3281);
    EXPECT_FALSE(decodeSignedBlock(file, out, u"ZV2rmBrumedemo.pro", KEY, error));
    EXPECT_FALSE(decodeSignedBlock(file, out, FILE_NAME, u"3.08", error));
    EXPECT_FALSE(decodeSignedBlock(file, shorter, FILE_NAME, KEY, error));
    EXPECT_FALSE(decodeSignedBlock(file, longer, FILE_NAME, KEY, error));
}

TEST(SignedBlock, RefusesEveryDamageAndLeavesTheDataUntouched) {
    const auto good = encodeSignedBlock(record(3280, 9), FILE_NAME, KEY);
    const auto other = encodeSignedBlock(record(3280, 10), FILE_NAME, KEY);
    const std::pair<const char*, std::function<void(std::vector<uint8_t>&)>> damages[] = {
        {"empty file", [](auto& f) { f.clear(); }},
        {"header cut short", [](auto& f) { f.resize(67); }},
        {"stream cut short", [](auto& f) { f.resize(f.size() - 5); }},
        {"bytes after the stream", [](auto& f) { f.push_back(0); }},
        {"build identifier edited", [](auto& f) { f[0] ^= 0x20; }},
        {"version edited", [](auto& f) { f[33] ^= 1; }},
        {"digest edited", [](auto& f) { f[50] ^= 1; }},
        {"size one smaller", [](auto& f) { f[64] -= 1; }},
        {"size one larger", [](auto& f) { f[64] += 1; }},
        {"size enormous", [](auto& f) { f[67] = 0x7F; }},
        {"stream bit flipped", [](auto& f) { f[f.size() / 2] ^= 0x10; }},
        {"checksum of stream edited", [](auto& f) { f.back() ^= 1; }},
        {"other record's stream", [&](auto& f) {
             f.resize(68);
             f.insert(f.end(), other.begin() + 68, other.end());
         }},
        {"stream longer than the size allows", [](auto& f) { f.resize(68 + 5000, 0); }},
    };
    for (const auto& [what, apply] : damages) {
        auto file = good;
        apply(file);
        std::vector<uint8_t> out(3280, 0xAA);
        WideString error;
        EXPECT_FALSE(decodeSignedBlock(file, out, FILE_NAME, KEY, error)) << what;
        EXPECT_FALSE(error.empty()) << what;
        EXPECT_EQ(out, std::vector<uint8_t>(3280, 0xAA)) << what;
    }
}

TEST(SignedDataFile, SavesAndLoadsThroughTheFileManager) {
    TempDataHome home;
    const WideString folder = fromUtf8(home.path().string());
    const auto payload = record(4808, 3);
    ASSERT_TRUE(FileManager::saveSignedBlock(payload.data(), payload.size(), folder, FILE_NAME, KEY));
    EXPECT_FALSE(std::filesystem::exists(home.path() / "ZV2rmBrumedemo.hst.tmp"));
    std::vector<uint8_t> out(4808);
    EXPECT_TRUE(FileManager::loadSignedBlock(out.data(), out.size(), folder, FILE_NAME, KEY));
    EXPECT_EQ(out, payload);

    std::vector<uint8_t> untouched(4808, 0x55);
    EXPECT_FALSE(
        FileManager::loadSignedBlock(untouched.data(), untouched.size(), folder, u"missing.pro", KEY));
    writeBytes(home.path() / "huge.hst", std::vector<uint8_t>(1 << 20, 0x78));
    EXPECT_FALSE(FileManager::loadSignedBlock(untouched.data(), untouched.size(), folder, u"huge.hst", KEY));
    EXPECT_EQ(untouched, std::vector<uint8_t>(4808, 0x55));
}

TEST(SignedDataFileDeathTest, ReportsAFailedSaveAndKeepsTheOldFile) {
    TempDataHome home;
    const WideString folder = fromUtf8(home.path().string());
    const auto old = record(100, 1);
    ASSERT_TRUE(FileManager::saveSignedBlock(old.data(), old.size(), folder, FILE_NAME, KEY));
    const auto before = readBytes(home.path() / "ZV2rmBrumedemo.hst");

    EXPECT_FALSE(
        FileManager::saveSignedBlock(old.data(), old.size(), folder + u"/no/such/folder", FILE_NAME, KEY));

    // The disk fills up half-way through the write.
    const auto big = noiseBytes(64 * 1024, 7);
    EXPECT_EXIT(
        {
            limitFileSize(true);
            const bool bSaved = FileManager::saveSignedBlock(big.data(), big.size(), folder, FILE_NAME, KEY);
            std::_Exit(bSaved ? 2 : 0);
        },
        testing::ExitedWithCode(0), "Could not save");
    EXPECT_EQ(readBytes(home.path() / "ZV2rmBrumedemo.hst"), before);
    EXPECT_FALSE(std::filesystem::exists(home.path() / "ZV2rmBrumedemo.hst.tmp"));
}

TEST(SignedDataFileDeathTest, AProcessKilledWhileSavingLeavesTheOldFileIntact) {
    TempDataHome home;
    const WideString folder = fromUtf8(home.path().string());
    const auto old = record(3280, 4);
    ASSERT_TRUE(FileManager::saveSignedBlock(old.data(), old.size(), folder, FILE_NAME, KEY));
    const auto before = readBytes(home.path() / "ZV2rmBrumedemo.hst");

    // The kernel kills the writer once its file passes 4 KiB: a crash in the middle of the write.
    const auto big = noiseBytes(64 * 1024, 11);
    EXPECT_EXIT(
        {
            limitFileSize(false);
            FileManager::saveSignedBlock(big.data(), big.size(), folder, FILE_NAME, KEY);
            std::_Exit(0);
        },
        testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(readBytes(home.path() / "ZV2rmBrumedemo.hst"), before);
    EXPECT_EQ(std::filesystem::file_size(home.path() / "ZV2rmBrumedemo.hst.tmp"), 4096u);  // the torn write

    std::vector<uint8_t> out(3280);
    EXPECT_TRUE(FileManager::loadSignedBlock(out.data(), out.size(), folder, FILE_NAME, KEY));
    EXPECT_EQ(out, old);
    // The next save replaces the leftover.
    EXPECT_TRUE(FileManager::saveSignedBlock(old.data(), old.size(), folder, FILE_NAME, KEY));
    EXPECT_FALSE(std::filesystem::exists(home.path() / "ZV2rmBrumedemo.hst.tmp"));
}
