#include "core/WadArchive.h"
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/StringUtil.h"
#include "core/WadFormat.h"
#include "core/WadWriter.h"

namespace {

const std::pair<const char16_t*, std::vector<uint8_t>> CONTENT[] = {{u"gfx/system/Flags.tga", noiseBytes(3000, 1)},
                                                                    {u"sfx/click.wav", std::vector<uint8_t>(5000, 0x42)},
                                                                    {u"empty.bin", {}},
                                                                    {u"readme.txt", {'h', 'i'}}};

std::vector<uint8_t> buildArchive(int threads = 1) {
    WadWriter writer(1, threads);
    WideString error;
    for (const auto& [name, bytes] : CONTENT) EXPECT_TRUE(writer.addEntry(name, bytes, error)) << toUtf8(error);
    return writer.build(error);
}

WadEntryRecord recordAt(const std::vector<uint8_t>& archive, std::size_t index) {
    WadEntryRecord record;
    std::memcpy(&record, archive.data() + sizeof(WadHeader) + index * sizeof record, sizeof record);
    return record;
}

/// Changes the table record `index` of `archive` in place.
void editRecord(std::vector<uint8_t>& archive, std::size_t index, const std::function<void(WadEntryRecord&)>& edit) {
    WadEntryRecord record = recordAt(archive, index);
    edit(record);
    std::memcpy(archive.data() + sizeof(WadHeader) + index * sizeof record, &record, sizeof record);
}

std::unique_ptr<WadArchive> openBytes(const TempDataHome& home, const std::vector<uint8_t>& bytes, WideString& error) {
    writeBytes(home.path() / "test.dat", bytes);
    return WadArchive::open(fromUtf8((home.path() / "test.dat").string()), error);
}

struct Corruption {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> apply;
    const char16_t* reason;  // a part of the error text
};

}  // namespace

TEST(WadArchive, ReadsBackEveryEntryAndFindsNamesWithoutRegardToAsciiCaseOrSlashKind) {
    TempDataHome home;
    WideString error;
    const auto bytes = buildArchive();
    EXPECT_LT(bytes.size(), 3000u + 5000u);  // the repeats were squeezed
    const auto archive = openBytes(home, bytes, error);
    ASSERT_TRUE(archive) << toUtf8(error);
    ASSERT_EQ(archive->getEntries().size(), std::size(CONTENT));
    for (std::size_t i = 0; i < std::size(CONTENT); ++i) {
        const auto& entry = archive->getEntries()[i];
        EXPECT_EQ(fromUtf8(entry.name), CONTENT[i].first);  // stored order and case kept
        std::vector<uint8_t> read;
        ASSERT_TRUE(archive->read(entry, read, error)) << toUtf8(error);
        EXPECT_EQ(read, CONTENT[i].second);
    }
    for (const char16_t* name : {u"gfx/system/Flags.tga", u"GFX/SYSTEM/flags.TGA", u"gfx\\system\\flags.tga"}) {
        const auto* entry = archive->find(name);
        ASSERT_NE(entry, nullptr) << toUtf8(name);
        EXPECT_EQ(entry->name, "gfx/system/Flags.tga");
    }
    for (const char16_t* name : {u"gfx/system", u"flags.tga", u"", u"gfx/system/Flags.tga "})
        EXPECT_EQ(archive->find(name), nullptr) << toUtf8(name);
    // The writer's bytes do not depend on its number of threads.
    for (int threads : {2, 3, 16}) EXPECT_EQ(buildArchive(threads), bytes) << threads << " threads";
}

TEST(WadWriter, RefusesNamesTheFormatCannotHoldOrThatCollide) {
    WadWriter writer(1);
    WideString error;
    ASSERT_TRUE(writer.addEntry(u"gfx/a.tga", {}, error));
    const WideString tooLong(80, u'x');
    for (WideStringView name : {WideStringView(u""), WideStringView(u"/abs"), WideStringView(u"a/../b"),
                                WideStringView(u"./a"), WideStringView(u"a//b"), WideStringView(u"a/"),
                                WideStringView(u"win\\path"), WideStringView(u"GFX/A.TGA"), WideStringView(tooLong)}) {
        error.clear();
        EXPECT_FALSE(writer.addEntry(name, {}, error)) << toUtf8(name);
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(writer.addEntry(WideString(79, u'x'), {}, error));
}

TEST(WadArchive, RefusesEveryDamagedTableWithAReason) {
    TempDataHome home;
    const auto good = buildArchive();
    const auto setCount = [](std::vector<uint8_t>& a, uint32_t count) {
        std::memcpy(a.data() + offsetof(WadHeader, entryCount), &count, sizeof count);
    };
    const Corruption corruptions[] = {
        {"empty file", [](auto& a) { a.clear(); }, u"too short"},
        {"header cut short", [](auto& a) { a.resize(11); }, u"too short"},
        {"wrong magic", [](auto& a) { a[0] = 'X'; }, u"not a WAD"},
        {"version 1", [](auto& a) { a[4] = 1; }, u"version 1"},
        {"table past the end", [&](auto& a) { setCount(a, 0xFFFFFFFFu); }, u"do not fit"},
        {"table cut short", [](auto& a) { a.resize(sizeof(WadHeader) + 3 * sizeof(WadEntryRecord)); }, u"do not fit"},
        {"unterminated name", [](auto& a) { editRecord(a, 1, [](auto& r) { std::memset(r.name, 'n', 80); }); },
         u"unterminated"},
        {"escaping name", [](auto& a) { editRecord(a, 0, [](auto& r) { std::strcpy(r.name, "../../etc/x"); }); },
         u"invalid name"},
        {"empty name", [](auto& a) { editRecord(a, 2, [](auto& r) { r.name[0] = 0; }); }, u"invalid name"},
        {"duplicate name", [](auto& a) { editRecord(a, 3, [](auto& r) { std::strcpy(r.name, "SFX/click.wav"); }); },
         u"twice"},
        {"data past the end", [](auto& a) { editRecord(a, 0, [](auto& r) { r.compressedSize += 100000; }); },
         u"outside"},
        {"offset past the end", [](auto& a) { editRecord(a, 1, [](auto& r) { r.offset = 0xFFFFFFF0u; }); }, u"outside"},
        {"offset inside the table", [](auto& a) { editRecord(a, 1, [](auto& r) { r.offset = 20; }); }, u"outside"},
        {"impossible inflation", [](auto& a) { editRecord(a, 3, [](auto& r) { r.size = 0x7FFFFFFF; }); }, u"claims"},
    };
    for (const Corruption& corruption : corruptions) {
        auto bytes = good;
        corruption.apply(bytes);
        WideString error;
        EXPECT_EQ(openBytes(home, bytes, error), nullptr) << corruption.what;
        EXPECT_NE(error.find(corruption.reason), WideString::npos) << corruption.what << ": " << toUtf8(error);
    }
    WideString error;
    EXPECT_EQ(WadArchive::open(fromUtf8((home.path() / "missing.dat").string()), error), nullptr);
    EXPECT_NE(error.find(u"missing.dat"), WideString::npos);
}

TEST(WadArchive, RefusesEntryDataThatDoesNotInflateToItsSize) {
    TempDataHome home;
    const auto good = buildArchive();
    const WadEntryRecord other = recordAt(good, 3);
    const std::pair<const char*, std::function<void(std::vector<uint8_t>&)>> corruptions[] = {
        {"stream damaged", [](auto& a) { a[recordAt(a, 1).offset + 4] ^= 0xFF; }},
        {"size one larger", [](auto& a) { editRecord(a, 1, [](auto& r) { r.size += 1; }); }},
        {"size one smaller", [](auto& a) { editRecord(a, 1, [](auto& r) { r.size -= 1; }); }},
        {"stream cut short", [](auto& a) { editRecord(a, 1, [](auto& r) { r.compressedSize -= 2; }); }},
        {"other entry's stream", [&](auto& a) {
             editRecord(a, 1, [&](auto& r) { r.offset = other.offset, r.compressedSize = other.compressedSize; });
         }},
    };
    for (const auto& [what, apply] : corruptions) {
        auto bytes = good;
        apply(bytes);
        WideString error;
        const auto archive = openBytes(home, bytes, error);
        ASSERT_TRUE(archive) << what << ": " << toUtf8(error);
        std::vector<uint8_t> out = {1, 2, 3};
        EXPECT_FALSE(archive->read(archive->getEntries()[1], out, error)) << what;
        EXPECT_NE(error.find(u"does not inflate"), WideString::npos) << what << ": " << toUtf8(error);
        EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3})) << what;
    }
}
