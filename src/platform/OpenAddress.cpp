#include "platform/OpenAddress.h"
#include <algorithm>
#include <optional>
#include <spawn.h>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
    });
}

bool isWebAddress(std::string_view address) {
    std::size_t schemeLength = 0;
    if (startsWithNoCase(address, "http://")) schemeLength = 7;
    else if (startsWithNoCase(address, "https://")) schemeLength = 8;
    else return false;
    if (address.size() == schemeLength) return false;
    return std::none_of(address.begin(), address.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F;
    });
}

/// The file's resolved path when it is a regular file inside the folder.
std::optional<std::filesystem::path> fileOfFolder(std::string_view address, const std::filesystem::path& folder) {
    if (address.empty() || address.find('\0') != std::string_view::npos) return std::nullopt;
    std::error_code error;
    const std::filesystem::path requested(address);
    const auto file = std::filesystem::canonical(requested.is_absolute() ? requested : folder / requested, error);
    if (error || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto root = std::filesystem::canonical(folder, error);
    if (error) return std::nullopt;
    const auto [rootEnd, fileAt] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
    if (rootEnd != root.end()) return std::nullopt;
    return file;
}

}  // namespace

bool isOpenableAddress(std::string_view address, const std::filesystem::path& programFolder) {
    return isWebAddress(address) || fileOfFolder(address, programFolder).has_value();
}

bool openAddress(const std::string& address, const std::filesystem::path& programFolder, const char* opener) {
    std::string target = address;
    if (!isWebAddress(address)) {
        // The resolved path starts with '/', so the opener can never mistake it for an option.
        const auto file = fileOfFolder(address, programFolder);
        if (!file) return false;
        target = file->string();
    }
    std::string program = opener;
    char* const arguments[] = {program.data(), target.data(), nullptr};
    pid_t child = 0;
    return posix_spawnp(&child, opener, nullptr, nullptr, arguments, environ) == 0;
}

}  // namespace platform
