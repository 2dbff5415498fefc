#pragma once
#include <string>
#include <vector>
#include "AssetArchives.h"

/// One bitmap font of the game: its page file name, folder prefix and look.
struct FontRecipe {
    const char* name;    // "font-small": pages "<prefix>gfx/font/<code page>/font-small-<i>.tga"
    const char* prefix;  // "" or "brume-edition/"
    int pixelSize;
    bool bBold;
    bool bAsciiOnly;     // the tiny font: glyphs of the codes from 33 on, no code-page table
};

/// The code pages the eight languages use, each with a font archive of its own.
std::vector<std::string> fontCodePages();
const std::vector<FontRecipe>& fontRecipes();

/// The slots of a code page's glyph pages: the code unit each one shows (CodePointTable's
/// NO_CODE for none). For Windows code pages the 256 bytes; for "Japanese" and "Korean" the
/// icon units and ASCII, then every other character that language's texts use.
std::vector<uint16_t> fontSlots(const std::string& codePage);

/// The files of the font archive of one code page: pages with frame lists and, where the code
/// page needs one, its code-point table.
std::vector<ArchiveEntry> fontArchiveEntries(const std::string& codePage);
/// "ZV2rmBrumedemo.dat.<code page>".
std::string fontArchiveName(const std::string& codePage);
/// The code units below U+0020 that the font pages show as icons.
bool isIconUnit(uint16_t unit);
