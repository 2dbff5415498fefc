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
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return MemoryIniFile(fromUtf8(text));
}

void MemoryIniFile::parseLine(WideStringView rawLine, Section*& current) {
    const WideString line = trim(rawLine);
    if (line.empty() || line[0] == u';' || line[0] == u'#') return;
    if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
        current = &sectionFor(trim(WideStringView(line).substr(1, line.size() - 2)));
        return;
    }
    const std::size_t equals = line.find(u'=');
    if (equals == WideString::npos) return;
    const WideString name = trim(WideStringView(line).substr(0, equals));
    if (name.empty()) return;
    const auto existing = std::find_if(current->keys.begin(), current->keys.end(),
                                       [&](const Key& key) { return sameName(key.name, name); });
    if (existing == current->keys.end())
        current->keys.push_back(Key{name, trim(WideStringView(line).substr(equals + 1))});
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
