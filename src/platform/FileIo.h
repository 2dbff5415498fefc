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
/// crash at any moment leaves either the old file or the new one, never a torn one.
/// False (with `error` set) when any step fails; `path` is then untouched.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         std::string& error);

/// Opens a regular file for writing, created when missing, emptied or (with `bAppend`) added to,
/// without ever waiting: a named pipe, a device or a folder in its place is refused. Null (with
/// `error` set) on failure; the caller closes the stream.
std::FILE* openForWriting(const std::filesystem::path& path, bool bAppend, std::string& error);

/// "<strerror> (errno <n>)" for the current errno.
std::string errnoText();

/// A file opened for positioned reads. Move-only; closes on destruction.
class ReadOnlyFile {
public:
    static std::optional<ReadOnlyFile> open(const std::filesystem::path& path, std::string& error);
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
