// Checks the font archives the build generated: every code page's pages hold one frame per
// slot, the code-point tables read back through the engine's reader, and every character of
// every language's texts has a glyph with ink in the fonts of that language's code page.
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include "FontPages.h"
#include "core/Language.h"
#include "core/MemoryIniFile.h"
#include "core/StringUtil.h"
#include "core/WadArchive.h"
#include "media/CodePointTable.h"
#include "media/Texture.h"

namespace {


struct LoadedFont {
    std::vector<MemoryImageFile> pages;
    std::vector<Texture::Frame> frames;
    std::vector<std::size_t> pageOfFrame;

    bool hasInk(std::size_t slot) const {
        const MemoryImageFile& page = pages[pageOfFrame[slot]];
        const Rect& r = frames[slot].rect;
        for (int y = static_cast<int>(r.top); y < static_cast<int>(r.bottom); ++y)
            for (int x = static_cast<int>(r.left); x < static_cast<int>(r.right); ++x)
                if (page.at(x, y) >> 24) return true;
        return false;
    }
};

std::unique_ptr<WadArchive> openFontArchive(const std::string& codePage) {
    WideString error;
    auto archive = WadArchive::open(fromUtf8(std::string(ASSETS_DIR) + "/" + fontArchiveName(codePage)), error);
    EXPECT_TRUE(archive) << codePage << ": " << toUtf8(error);
    return archive;
}

std::optional<std::vector<uint8_t>> read(const WadArchive& archive, const std::string& name) {
    const WadArchive::Entry* entry = archive.find(fromUtf8(name));
    if (!entry) return std::nullopt;
    std::vector<uint8_t> bytes;
    WideString error;
    if (!archive.read(*entry, bytes, error)) return std::nullopt;
    return bytes;
}

// The pages "<prefix>gfx/font/<code page>/<name>-<i>.tga" from 1 on, as the loader finds them.
LoadedFont loadFont(const WadArchive& archive, const FontRecipe& font, const std::string& codePage) {
    LoadedFont loaded;
    for (int i = 1;; ++i) {
        const std::string path =
            std::string(font.prefix) + "gfx/font/" + codePage + "/" + font.name + "-" + std::to_string(i) + ".tga";
        const auto bytes = read(archive, path);
        if (!bytes) return loaded;
        std::string error;
        auto image = MemoryImageFile::decode(*bytes, error);
        EXPECT_TRUE(image) << path << ": " << error;
        if (!image) return loaded;
        const auto list = read(archive, frameListPath(path));
        EXPECT_TRUE(list) << path;
        std::vector<Texture::Frame> frames;
        WideString reason;
        EXPECT_TRUE(Texture::parseFrames(MemoryIniFile::fromUtf8Bytes(list.value_or(std::vector<uint8_t>{})), image->width,
                                         image->height, frames, reason))
            << path << ": " << toUtf8(reason);
        for (const Texture::Frame& frame : frames) {
            loaded.frames.push_back(frame);
            loaded.pageOfFrame.push_back(loaded.pages.size());
        }
        loaded.pages.push_back(std::move(*image));
    }
}

// The slot table the engine uses for the code page.
std::optional<CodePointTable> tableOf(const WadArchive& archive, const std::string& codePage) {
    if (auto builtIn = CodePointTable::forWindowsCodePage(fromUtf8(codePage))) return builtIn;
    const auto bytes = read(archive, "gfx/font/" + codePage + "/" + codePage + ".codepointLUT.bin");
    if (!bytes) return std::nullopt;
    std::string error;
    auto table = CodePointTable::decode(*bytes, error);
    EXPECT_TRUE(table) << error;
    return table;
}

}  // namespace

TEST(FontArchives, EveryFontOfEveryCodePageHasOneFrameForEachSlot) {
    for (const std::string& codePage : fontCodePages()) {
        SCOPED_TRACE(codePage);
        const auto archive = openFontArchive(codePage);
        ASSERT_TRUE(archive);
        for (const FontRecipe& font : fontRecipes()) {
            SCOPED_TRACE(font.name);
            const LoadedFont loaded = loadFont(*archive, font, codePage);
            if (font.bAsciiOnly) {
                // Only code page 1252 has the tiny font; the others fall back to it.
                EXPECT_EQ(loaded.frames.size(), codePage == "1252" ? std::size_t{0x7F - 33} : 0u);
                continue;
            }
            ASSERT_EQ(loaded.frames.size(), fontSlots(codePage).size());
        }
    }
}

TEST(FontArchives, EveryCharacterOfEveryLanguageHasAGlyphWithInk) {
    const auto language = std::make_unique<Language>();
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const std::string codePage = toUtf8(language->getRowString(row, STR_LANGUAGECODEPAGE));
        SCOPED_TRACE(codePage);
        const auto archive = openFontArchive(codePage);
        ASSERT_TRUE(archive);
        const std::optional<CodePointTable> table = tableOf(*archive, codePage);
        ASSERT_TRUE(table);
        for (const FontRecipe& font : fontRecipes()) {
            if (font.bAsciiOnly) continue;
            const LoadedFont loaded = loadFont(*archive, font, codePage);
            ASSERT_EQ(loaded.frames.size(), table->size()) << font.name;
            std::vector<int> slotOfUnit(0x10000, -1);
            for (int slot = static_cast<int>(table->size()) - 1; slot >= 0; --slot)
                if (table->codeOf(slot) != CodePointTable::NO_CODE) slotOfUnit[table->codeOf(slot)] = slot;
            for (StringId id = 0; id < STRING_ID_COUNT; ++id)
                for (const char16_t* unit = language->getRowString(row, id); unit && *unit; ++unit) {
                    if (*unit == u' ' || *unit == 0xA0) continue;
                    const int slot = slotOfUnit[*unit];
                    ASSERT_GE(slot, 0) << font.name << " lacks U+" << std::hex << int(*unit) << " of row " << row;
                    EXPECT_TRUE(loaded.hasInk(static_cast<std::size_t>(slot)))
                        << font.name << ": U+" << std::hex << int(*unit) << " has no ink";
                }
        }
    }
}

TEST(FontArchives, CodePagesWithoutBuiltInTableShipTheirTableForBothFolders) {
    for (const std::string& codePage : {std::string("Japanese"), std::string("Korean")}) {
        const auto archive = openFontArchive(codePage);
        ASSERT_TRUE(archive);
        for (const std::string prefix : {"", "brume-edition/"}) {
            const auto bytes = read(*archive, prefix + "gfx/font/" + codePage + "/" + codePage + ".codepointLUT.bin");
            ASSERT_TRUE(bytes) << prefix << codePage;
            std::string error;
            const auto table = CodePointTable::decode(*bytes, error);
            ASSERT_TRUE(table) << error;
            EXPECT_EQ(table->size(), fontSlots(codePage).size());
            EXPECT_EQ(table->codeOf('A'), u'A');
        }
    }
}

TEST(FontArchives, SlotsFollowTheCodePageAndKeepOnlyTheIconsBelowTheBlank) {
    const std::vector<uint16_t> western = fontSlots("1252"), central = fontSlots("1250");
    ASSERT_EQ(western.size(), 256u);
    ASSERT_EQ(central.size(), 256u);
    EXPECT_EQ(western['A'], u'A');
    EXPECT_EQ(western[0x80], 0x20AC);  // the euro sign
    EXPECT_EQ(western[0xE9], 0xE9);
    EXPECT_EQ(central[0xB3], 0x0142);  // l with stroke
    EXPECT_EQ(western[0x81], CodePointTable::NO_CODE);
    for (const auto* slots : {&western, &central})
        for (uint16_t unit = 0; unit < 0x20; ++unit)
            EXPECT_EQ((*slots)[unit], isIconUnit(unit) ? unit : CodePointTable::NO_CODE) << unit;
    for (const std::string codePage : {"Japanese", "Korean"}) {
        const std::vector<uint16_t> slots = fontSlots(codePage);
        ASSERT_GT(slots.size(), 0x80u + 400) << codePage;
        EXPECT_EQ(slots['~'], u'~');
        for (std::size_t i = 0x81; i < slots.size(); ++i) EXPECT_LT(slots[i - 1], slots[i]) << codePage << " slot " << i;
    }
}
