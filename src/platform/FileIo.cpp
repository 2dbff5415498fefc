#include "platform/FileIo.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

struct Descriptor {
    int fd = -1;
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int release() { return std::exchange(fd, -1); }
};

std::string failure(const char* what, const std::filesystem::path& path) {
    return std::string(what) + " " + path.string() + ": " + errnoText();
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// What every in-place open adds: the name itself, never a wait, nothing inherited by a child.
constexpr int IN_PLACE_FLAGS = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
// A new name's file: never writable by others, and the umask may take more.
constexpr mode_t NEW_FILE_MODE = 0644;
constexpr mode_t PERMISSION_BITS = 0777;

/// The mode a file made to replace `replaced` (as lstat saw the name; zeroed when nothing stood
/// there) is created with: a regular file's own, so that a mode the user chose outlives the save
/// and the new file is never open to more readers than the old one meanwhile.
mode_t creationMode(const struct stat& replaced) {
    return S_ISREG(replaced.st_mode) ? replaced.st_mode & PERMISSION_BITS : NEW_FILE_MODE;
}

/// Gives the new file `fd` a replaced regular file's mode exactly, whatever the umask took from
/// it; not being allowed to is no failure of the write.
void keepModeOf(const struct stat& replaced, int fd) {
    if (S_ISREG(replaced.st_mode)) ::fchmod(fd, creationMode(replaced));
}

bool isLinkAt(const char* path) {
    struct stat info {};
    return ::lstat(path, &info) == 0 && S_ISLNK(info.st_mode);
}

/// The descriptor when it is a regular file; else it is closed and the result is -1.
int keepIfRegular(int fd) {
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    ::close(fd);
    errno = EINVAL;
    return -1;
}

/// Makes the rename itself durable; a folder that cannot be synced is not an error.
void syncFolder(const std::filesystem::path& folder) {
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) ::fsync(dir.fd);
}

}  // namespace

std::string errnoText() {
    const int code = errno;
    return std::string(std::strerror(code)) + " (errno " + std::to_string(code) + ")";
}

std::optional<std::vector<uint8_t>> readFile(const std::filesystem::path& path, uint64_t maxBytes,
                                             std::string& error) {
    auto file = ReadOnlyFile::open(path, error);
    if (!file) return std::nullopt;
    if (file->size() > maxBytes) {
        error = "File " + path.string() + " is too large (" + std::to_string(file->size()) + " bytes)";
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(static_cast<std::size_t>(file->size()));
    if (!file->readAt(0, bytes)) {
        error = failure("Could not read", path);
        return std::nullopt;
    }
    return bytes;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         std::string& error) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    // A fresh file of our own: whatever an earlier run left under that name (a pipe would block
    // the open) goes first.
    ::unlink(temp.c_str());
    struct stat replaced {};
    if (::lstat(path.c_str(), &replaced) != 0) replaced = {};
    Descriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, creationMode(replaced)));
    if (file.fd < 0) {
        error = failure("Could not create", temp);
        return false;
    }
    keepModeOf(replaced, file.fd);
    bool bDone = writeAll(file.fd, bytes) && ::fsync(file.fd) == 0;
    if (!bDone) error = failure("Could not write", temp);
    const bool bClosed = ::close(file.release()) == 0;
    if (bDone && !bClosed) {
        bDone = false;
        error = failure("Could not close", temp);
    }
    if (bDone && std::rename(temp.c_str(), path.c_str()) != 0) {
        bDone = false;
        error = failure("Could not replace", path);
    }
    if (!bDone) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(path.parent_path());
    return true;
}

std::FILE* openForWriting(const std::filesystem::path& path, bool bAppend, std::string& error) {
    Descriptor file(bAppend ? openInPlace(path.c_str(), O_WRONLY | O_APPEND | O_CREAT)
                            : createInPlace(path.c_str()));
    if (file.fd < 0) {
        error = "Could not open " + path.string() + ": " + inPlaceErrorText();
        return nullptr;
    }
    // Writes that wait, as a stream expects; the open itself must not have waited.
    if (::fcntl(file.fd, F_SETFL, bAppend ? O_APPEND : 0) != 0) {
        error = failure("Could not prepare", path);
        return nullptr;
    }
    std::FILE* stream = ::fdopen(file.fd, bAppend ? "ab" : "wb");
    if (!stream) {
        error = failure("Could not open", path);
        return nullptr;
    }
    file.release();
    return stream;
}

int openInPlace(const char* path, int flags) {
    int fd = ::open(path, flags | IN_PLACE_FLAGS, NEW_FILE_MODE);
    // One more try once the link is gone: a link planted again meanwhile is refused, not chased.
    if (fd < 0 && errno == ELOOP && (flags & O_CREAT) && isLinkAt(path) && ::unlink(path) == 0)
        fd = ::open(path, flags | IN_PLACE_FLAGS, NEW_FILE_MODE);
    return keepIfRegular(fd);
}

int createInPlace(const char* path) {
    constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | IN_PLACE_FLAGS;
    int fd = ::open(path, flags, NEW_FILE_MODE);
    if (fd >= 0 || errno != EEXIST) return fd;
    struct stat info {};
    if (::lstat(path, &info) != 0) return -1;
    if (!S_ISLNK(info.st_mode) && !S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    if (::unlink(path) != 0) return -1;
    fd = ::open(path, flags, creationMode(info));
    if (fd >= 0) keepModeOf(info, fd);
    return fd;
}

bool copyInPlace(const char* from, const char* to) {
    const int source = openInPlace(from, O_RDONLY);
    if (source < 0) return false;
    const int target = createInPlace(to);
    bool bCopied = target >= 0;
    uint8_t buffer[4096];
    while (bCopied) {
        const ssize_t got = ::read(source, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            bCopied = got == 0;
            break;
        }
        bCopied = writeAll(target, std::span<const uint8_t>(buffer, static_cast<std::size_t>(got)));
    }
    if (target >= 0 && ::close(target) != 0) bCopied = false;
    ::close(source);
    return bCopied;
}

bool isRegularFileInPlace(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string inPlaceErrorText() {
    if (errno == EINVAL) return "not a regular file";
    if (errno == ELOOP) return "a symbolic link";
    return errnoText();
}

std::optional<ReadOnlyFile> ReadOnlyFile::openInPlace(const std::filesystem::path& path, std::string& error) {
    Descriptor file(platform::openInPlace(path.c_str(), O_RDONLY));
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        error = "Could not open " + path.string() + ": " + inPlaceErrorText();
        return std::nullopt;
    }
    return ReadOnlyFile(file.release(), static_cast<uint64_t>(info.st_size));
}

std::optional<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path, std::string& error) {
    // O_NONBLOCK: a named pipe in the file's place opens at once and is then refused below.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        error = failure("Could not open", path);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "Could not open " + path.string() + ": not a regular file";
        return std::nullopt;
    }
    return ReadOnlyFile(file.release(), static_cast<uint64_t>(info.st_size));
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd >= 0) ::close(fd);
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : fd(std::exchange(other.fd, -1)), fileSize(other.fileSize) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        if (fd >= 0) ::close(fd);
        fd = std::exchange(other.fd, -1);
        fileSize = other.fileSize;
    }
    return *this;
}

bool ReadOnlyFile::readAt(uint64_t offset, std::span<uint8_t> out) const {
    if (offset > fileSize || out.size() > fileSize - offset) return false;
    while (!out.empty()) {
        const ssize_t got = ::pread(fd, out.data(), out.size(), static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        out = out.subspan(static_cast<std::size_t>(got));
        offset += static_cast<uint64_t>(got);
    }
    return true;
}

}  // namespace platform
