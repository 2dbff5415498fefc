#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

/// Whether `address` may be handed to the desktop to open: an "http://" or "https://"
/// address without blanks or control characters, or an existing regular file inside
/// `programFolder` (a relative path is taken from there; links are resolved first).
bool isOpenableAddress(std::string_view address, const std::filesystem::path& programFolder);

/// Starts `opener` (the desktop's "xdg-open") with the address as its one argument, never
/// through a shell, and does not wait for it. False when the address is refused or the
/// opener could not be started.
bool openAddress(const std::string& address, const std::filesystem::path& programFolder,
                 const char* opener = "xdg-open");

}  // namespace platform
