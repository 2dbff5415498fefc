#include "platform/Paths.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include "platform/FileIo.h"

namespace platform {

namespace {

// The owner's alone, as the base-directory rules ask of a data folder made when missing: the
// profiles and the high scores are nobody else's to replace, under any umask.
constexpr mode_t NEW_FOLDER_MODE = 0700;

// A relative path in these variables would put the user data below whatever folder the program
// was started from; XDG calls such a path invalid and has it ignored.
const char* absoluteOrNull(const char* path) { return path && path[0] == '/' ? path : nullptr; }

// $HOME, or the home the password database names when HOME is unset, empty or relative: the
// user's own home either way, so every start finds the same data.
std::filesystem::path homeFolder() {
    if (const char* home = absoluteOrNull(std::getenv("HOME"))) return home;
    const passwd* entry = getpwuid(getuid());
    if (const char* home = absoluteOrNull(entry ? entry->pw_dir : nullptr)) return home;
    return "/tmp";
}

}  // namespace

std::filesystem::path executableFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error);
    return self.parent_path();
}

std::filesystem::path dataHome() {
    if (const char* xdg = absoluteOrNull(std::getenv("XDG_DATA_HOME"))) return xdg;
    return homeFolder() / ".local" / "share";
}

bool ensureFolder(const std::filesystem::path& folder, std::string& error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(folder, ignored)) return true;
    const std::filesystem::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder && !ensureFolder(parent, error)) return false;
    if (::mkdir(folder.c_str(), NEW_FOLDER_MODE) == 0) return true;
    const int cause = errno;
    // Another process making it meanwhile is as good; anything else standing there is in the way.
    if (std::filesystem::is_directory(folder, ignored)) return true;
    errno = cause == EEXIST ? ENOTDIR : cause;
    error = "Could not make the folder " + folder.string() + ": " + errnoText();
    return false;
}

std::string computerName() {
    char name[HOST_NAME_MAX + 1] = {};
    return gethostname(name, sizeof name - 1) == 0 ? name : "unknown";
}

std::string userName() {
    const passwd* entry = getpwuid(getuid());
    if (entry && entry->pw_name) return entry->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "unknown";
}

std::string currentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

}  // namespace platform
