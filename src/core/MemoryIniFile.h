#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>
#include "core/WideString.h"

/// Settings text in INI syntax, held in memory: "[section]" lines open a section, "key=value"
/// lines set a key; the unnamed section "" holds the keys before the first section line.
/// Lines end in LF or CRLF; names and values are trimmed of " \t\r\n"; lines starting with ';'
/// or '#' and lines without '=' are ignored. Section and key names match without regard to
/// ASCII case; the first of two equal keys in a section wins. Writing keeps the order of the
/// text and appends new sections and keys at the end.
class MemoryIniFile {
public:
    MemoryIniFile() = default;
    explicit MemoryIniFile(WideStringView text);
    /// From the bytes of a settings file: UTF-8, with or without a byte-order mark.
    static MemoryIniFile fromUtf8Bytes(std::span<const uint8_t> bytes);
    /// The same, only when the whole text is well formed: valid UTF-8 without control
    /// characters, every line blank, a comment, "[name]" or "name=value". Nullopt otherwise,
    /// with the number of the first bad line (1 = the first) in `badLine`.
    static std::optional<MemoryIniFile> fromWellFormedUtf8Bytes(std::span<const uint8_t> bytes, int& badLine);

    bool hasKey(WideStringView section, WideStringView key) const;
    /// The value, or "" when the key is absent.
    WideString getString(WideStringView section, WideStringView key) const;
    std::optional<WideString> findString(WideStringView section, WideStringView key) const;
    /// Line breaks in `value` become spaces, so that a value always stays one line.
    void setString(WideStringView section, WideStringView key, WideStringView value);

    /// The whole content as INI text with LF line ends; the unnamed section comes first.
    WideString toText() const;

private:
    struct Key {
        WideString name;
        WideString value;
    };
    struct Section {
        WideString name;
        std::vector<Key> keys;
    };

    const Section* findSection(WideStringView name) const;
    Section& sectionFor(WideStringView name);
    static std::string_view withoutByteOrderMark(std::span<const uint8_t> bytes);
    static bool isCleanText(std::string_view line);
    /// Takes what the line says; false when it is not well formed.
    bool parseLine(WideStringView line, Section*& current);

    std::vector<Section> sections{Section{}};  // the unnamed section is always the first
};
