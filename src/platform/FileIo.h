#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

/// Whole-file reads, crash-safe writes and positioned reads on POSIX files.
namespace platform {

/// The whole file; nullopt (with `error` set) when it cannot be read or is larger than `maxBytes`.
std::optional<std::vector<uint8_t>> readFile(const std::filesystem::path& path, uint64_t maxBytes,
                                             std::string& error);

/// Writes `bytes` to "<path>.tmp", flushes it to the disk and renames it over `path`, so that a
/// crash at any moment leaves either the old file or the new one, never a torn one. The new file
/// keeps the permissions of a regular file at `path`; a new name gets 0644 less the umask.
/// False (with `error` set) when any step fails; `path` is then untouched.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         std::string& error);

/// Opens a regular file for writing in place (below): a new file replaces whatever file or link
/// stood at the name, or, with `bAppend`, the file there is added to (made when missing). Never
/// waits: a named pipe, a device or a folder in its place is refused. Null (with `error` set) on
/// failure; the caller closes the stream.
std::FILE* openForWriting(const std::filesystem::path& path, bool bAppend, std::string& error);

/// "<strerror> (errno <n>)" for the current errno.
std::string errnoText();

// Files of the user-data folder are opened in place: a symbolic link standing at a file's name is
// never followed, so the file it points to, wherever that is, is neither read nor changed. Only
// the last part of the path counts: a linked folder on the way is followed as usual. Only regular
// files are opened; anything else is refused without waiting (errno EINVAL). `openInPlace`,
// `createInPlace` and `copyInPlace` are safe inside a signal handler.

/// The regular file at `path` itself, opened with `flags` (O_RDONLY, O_WRONLY or O_RDWR, with
/// O_APPEND or O_CREAT as wanted); -1 on failure. With O_CREAT a symbolic link at the name is
/// replaced by a new file (the link goes, never what it points to); without, it is refused (ELOOP).
int openInPlace(const char* path, int flags);

/// A new, empty regular file at `path`, open for writing; -1 on failure. A symbolic link or a
/// regular file at the name is removed as a name first and never opened, so no file that this
/// call did not make is truncated or written through (another name of it keeps it as it was).
/// The new file keeps a replaced regular file's permissions; otherwise 0644 less the umask, as
/// every file these calls make.
int createInPlace(const char* path);

/// Copies the regular file at `from` into a new file at `to`, both in place; false when either
/// cannot be opened or the copy falls short.
bool copyInPlace(const char* from, const char* to);

/// True when a regular file stands at `path` itself (a symbolic link there does not count).
bool isRegularFileInPlace(const std::filesystem::path& path);

/// Why the last in-place call failed: "not a regular file", "a symbolic link", or `errnoText()`.
std::string inPlaceErrorText();

/// A file opened for positioned reads. Move-only; closes on destruction.
class ReadOnlyFile {
public:
    static std::optional<ReadOnlyFile> open(const std::filesystem::path& path, std::string& error);
    /// The regular file at `path` itself, a symbolic link there refused (see `openInPlace`).
    static std::optional<ReadOnlyFile> openInPlace(const std::filesystem::path& path, std::string& error);
    ~ReadOnlyFile();
    ReadOnlyFile(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    uint64_t size() const { return fileSize; }
    /// Fills `out` from `offset`; false when the file is shorter or the read fails.
    bool readAt(uint64_t offset, std::span<uint8_t> out) const;

private:
    ReadOnlyFile(int descriptor, uint64_t size) : fd(descriptor), fileSize(size) {}
    int fd = -1;
    uint64_t fileSize = 0;
};

}  // namespace platform
