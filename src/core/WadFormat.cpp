#include "core/WadFormat.h"
#include <algorithm>

bool isValidWadName(std::string_view name) {
    if (name.empty() || name.size() >= sizeof(WadEntryRecord::name)) return false;
    if (name.find('\0') != std::string_view::npos || name.find('\\') != std::string_view::npos) return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t slash = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = slash + 1;
    }
    return true;
}

std::string wadLookupKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '\\') c = '/';
    }
    return key;
}
