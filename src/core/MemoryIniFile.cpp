#include "core/MemoryIniFile.h"
#include <algorithm>
#include "core/StringUtil.h"

namespace {

bool sameName(WideStringView a, WideStringView b) {
    return a.size() == b.size() && toLowerAscii(a) == toLowerAscii(b);
}

}  // namespace

MemoryIniFile::MemoryIniFile(WideStringView text) {
    Section* current = &sections.front();
    for (const WideString& line : splitLines(text)) parseLine(line, current);
}

MemoryIniFile MemoryIniFile::fromUtf8Bytes(std::span<const uint8_t> bytes) {
    return MemoryIniFile(fromUtf8(withoutByteOrderMark(bytes)));
}

std::optional<MemoryIniFile> MemoryIniFile::fromWellFormedUtf8Bytes(std::span<const uint8_t> bytes,
                                                                    int& badLine) {
    std::string_view text = withoutByteOrderMark(bytes);
    MemoryIniFile ini;
    Section* current = &ini.sections.front();
    for (badLine = 1;; ++badLine) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        if (!isCleanText(line) || !ini.parseLine(fromUtf8(line), current)) return std::nullopt;
        if (end == text.size()) return ini;
        text.remove_prefix(end + 1);
    }
}

std::string_view MemoryIniFile::withoutByteOrderMark(std::span<const uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

bool MemoryIniFile::isCleanText(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    const bool bControl = std::any_of(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
    });
    // Decoding replaces every malformed sequence, so only valid UTF-8 comes back the same.
    return !bControl && toUtf8(fromUtf8(line)) == line;
}

bool MemoryIniFile::parseLine(WideStringView rawLine, Section*& current) {
    const WideString line = trim(rawLine);
    if (line.empty() || line[0] == u';' || line[0] == u'#') return true;
    if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
        const WideString name = trim(WideStringView(line).substr(1, line.size() - 2));
        current = &sectionFor(name);
        return !name.empty();
    }
    const std::size_t equals = line.find(u'=');
    if (equals == WideString::npos) return false;
    const WideString name = trim(WideStringView(line).substr(0, equals));
    if (name.empty()) return false;
    const auto existing = std::find_if(current->keys.begin(), current->keys.end(),
                                       [&](const Key& key) { return sameName(key.name, name); });
    if (existing == current->keys.end())
        current->keys.push_back(Key{name, trim(WideStringView(line).substr(equals + 1))});
    return true;
}

const MemoryIniFile::Section* MemoryIniFile::findSection(WideStringView name) const {
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [&](const Section& s) { return sameName(s.name, name); });
    return found == sections.end() ? nullptr : &*found;
}

MemoryIniFile::Section& MemoryIniFile::sectionFor(WideStringView name) {
    if (const Section* found = findSection(name)) return const_cast<Section&>(*found);
    sections.push_back(Section{WideString(name), {}});
    return sections.back();
}

std::optional<WideString> MemoryIniFile::findString(WideStringView section, WideStringView key) const {
    const Section* found = findSection(section);
    if (!found) return std::nullopt;
    for (const Key& each : found->keys)
        if (sameName(each.name, key)) return each.value;
    return std::nullopt;
}

bool MemoryIniFile::hasKey(WideStringView section, WideStringView key) const {
    return findString(section, key).has_value();
}

WideString MemoryIniFile::getString(WideStringView section, WideStringView key) const {
    return findString(section, key).value_or(WideString());
}

void MemoryIniFile::setString(WideStringView section, WideStringView key, WideStringView rawValue) {
    // A line break would turn the rest of the value into lines of their own.
    WideString value(rawValue);
    std::replace_if(value.begin(), value.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
    Section& target = sectionFor(section);
    for (Key& each : target.keys)
        if (sameName(each.name, key)) {
            each.value = value;
            return;
        }
    target.keys.push_back(Key{WideString(key), WideString(value)});
}

WideString MemoryIniFile::toText() const {
    WideString text;
    for (const Section& section : sections) {
        if (&section != &sections.front()) {
            if (!text.empty()) text += u"\n";
            text += u"[" + section.name + u"]\n";
        }
        for (const Key& key : section.keys) text += key.name + u"=" + key.value + u"\n";
    }
    return text;
}
