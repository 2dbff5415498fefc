#pragma once
#include <filesystem>
#include <string>

/// Where the program and its user data live, and facts about the machine for the log header.
namespace platform {

/// The folder of the running executable.
std::filesystem::path executableFolder();
/// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute; ~ is $HOME when that is
/// absolute, else the password database's home for the user (/tmp when that is not absolute either).
std::filesystem::path dataHome();
/// Creates the folder and its missing parents, each for its owner alone (0700); folders that
/// stand keep their modes. False when one cannot be made: `error` then names that one and why.
bool ensureFolder(const std::filesystem::path& folder, std::string& error);
std::string computerName();
std::string userName();
std::string currentFolder();

}  // namespace platform
