#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>
#include "core/WideString.h"

/// Which character each glyph slot of a bitmap font's pages shows, for one code page. Slots
/// count the frames of a font's pages in the order the font adds them (page 1, page 2, ...,
/// then the extra pages); a slot's character is a UTF-16 code unit.
///
/// The Windows code pages "1250", "1251", "1252", "1253" and "1255" are built in: slots 0 to
/// 255 are the code page's bytes (slots below 0x80 are ASCII and the icon units below U+0020).
/// Other code pages ("Japanese", "Korean") come from a file "<code page>.codepointLUT.bin",
/// written by the asset generator with `encode` and read by the font loader with `decode`:
///
///     offset 0   4 bytes   "CPLT"
///     offset 4   uint16    format version, 1
///     offset 6   uint16    slot count n, 1 to 65535
///     offset 8   n uint16  the code unit of slot 0, 1, ... n - 1; 0xFFFF = the slot is empty
///
/// All numbers little-endian; the file ends right after the last slot. A code unit of a
/// surrogate half is not a character and makes the file invalid.
class CodePointTable {
  public:
    static constexpr uint16_t NO_CODE = 0xFFFF;
    static constexpr uint16_t FORMAT_VERSION = 1;
    static constexpr std::size_t HEADER_SIZE = 8;

    CodePointTable() = default;
    explicit CodePointTable(std::vector<uint16_t> slotCodes) : codes(std::move(slotCodes)) {}

    /// The built-in table of a Windows code page, or nothing for any other name.
    static std::optional<CodePointTable> forWindowsCodePage(WideStringView codePage);

    /// Reads a ".codepointLUT.bin" file; nothing, with a one-line reason in `error`, when the
    /// bytes are not a valid table.
    static std::optional<CodePointTable> decode(std::span<const uint8_t> bytes, std::string& error);
    /// The file's bytes; the table must hold 1 to 65535 slots.
    std::vector<uint8_t> encode() const;

    /// The code unit of `slot`, or NO_CODE for an empty slot or one past the table.
    uint16_t codeOf(int slot) const {
        return slot >= 0 && static_cast<std::size_t>(slot) < codes.size() ? codes[slot] : NO_CODE;
    }
    std::size_t size() const { return codes.size(); }

  private:
    std::vector<uint16_t> codes;
};
