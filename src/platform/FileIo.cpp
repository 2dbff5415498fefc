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
    Descriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (file.fd < 0) {
        error = failure("Could not create", temp);
        return false;
    }
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
    // Without O_NONBLOCK, opening a named pipe waits for a reader that may never come.
    Descriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | (bAppend ? O_APPEND : 0), 0644));
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        error = failure("Could not open", path);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "Could not open " + path.string() + ": not a regular file";
        return nullptr;
    }
    if ((!bAppend && ::ftruncate(file.fd, 0) != 0) ||
        ::fcntl(file.fd, F_SETFL, bAppend ? O_APPEND : 0) != 0) {
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
