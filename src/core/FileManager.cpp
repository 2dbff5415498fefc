#include "core/FileManager.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <span>
#include <sys/stat.h>
#include "core/AppEnvironment.h"
#include "core/ErrorManager.h"
#include "core/Logger.h"
#include "core/SignedBlock.h"
#include "core/StringUtil.h"
#include "core/WadArchive.h"
#include "platform/Compression.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

namespace {

FileManager* activeFileManager = nullptr;

/// Larger disk files are refused rather than read into memory.
constexpr uint64_t MAX_DISK_FILE_BYTES = uint64_t(1) << 30;

WideString joinPath(WideStringView folder, WideStringView fileName) {
    return stringf(u"%s/%s", folder, fileName);
}

}  // namespace

FileManager::FileManager() { activeFileManager = this; }

FileManager::~FileManager() {
    if (activeFileManager == this) activeFileManager = nullptr;
}

FileManager* FileManager::get() { return activeFileManager; }

WideString FileManager::diskPath(WideStringView path) {
    if (!path.empty() && path.front() == u'/') return WideString(path);
    return joinPath(getProgramFolder(), path);
}

void FileManager::useWad(WideStringView path) {
    WideString fullPath(path);
    if (hq2x == 2) fullPath += u".hq2x";
    const auto mounted = std::find_if(archives.begin(), archives.end(),
                                      [&](const auto& archive) { return archive->getPath() == fullPath; });
    if (mounted != archives.end()) {
        std::rotate(archives.begin(), mounted, mounted + 1);
        return;
    }
    WideString error;
    std::unique_ptr<WadArchive> archive = WadArchive::open(fullPath, error);
    if (!archive) VEK_ERROR(u"Could not use the archive '%s': %s.", fullPath, error);
    VEK_LOG(u"Using archive '%s' (%d entries).", fullPath, static_cast<int>(archive->getEntries().size()));
    archives.insert(archives.begin(), std::move(archive));
}

std::optional<std::vector<uint8_t>> FileManager::open(WideStringView path) const {
    if (!readsArchives()) return openDisk(path);
    const WadArchive* archive = findArchive(path);
    if (!archive) return std::nullopt;
    return openIn(archive, path);
}

const WadArchive* FileManager::findArchive(WideStringView path) const {
    if (!readsArchives()) return nullptr;
    const auto found = std::find_if(archives.begin(), archives.end(),
                                    [&](const auto& archive) { return archive->find(path) != nullptr; });
    return found == archives.end() ? nullptr : found->get();
}

std::optional<std::vector<uint8_t>> FileManager::openIn(const WadArchive* archive, WideStringView path) {
    if (!archive) return openDisk(path);
    const auto* entry = archive->find(path);
    if (!entry) return std::nullopt;
    std::vector<uint8_t> bytes;
    WideString error;
    if (!archive->read(*entry, bytes, error))
        VEK_ERROR(u"Could not read from the archive '%s': %s.", archive->getPath(), error);
    return bytes;
}

std::optional<std::vector<uint8_t>> FileManager::openDisk(WideStringView path) {
    std::string error;
    return platform::readFile(toFileName(diskPath(path)), MAX_DISK_FILE_BYTES, error);
}

WideString FileManager::describe(WideStringView path) const {
    if (!readsArchives()) return stringf(u"'%s'", diskPath(path));
    if (const WadArchive* archive = findArchive(path))
        return stringf(u"'%s' in the archive '%s'", path, archive->getPath());
    WideString searched;
    for (const auto& archive : archives)
        searched += stringf(searched.empty() ? u"'%s'" : u", '%s'", archive->getPath());
    return stringf(u"'%s' (in none of the archives %s)", path, searched);
}

WideString FileManager::describeFile(WideStringView path) {
    if (const FileManager* files = get()) return files->describe(path);
    return stringf(u"'%s'", diskPath(path));
}

void FileManager::keepAsBad(WideStringView path) {
    const WideString badPath = WideString(path) + u".bad";
    std::error_code error;
    std::filesystem::rename(toFileName(path), toFileName(badPath), error);
    if (error)
        VEK_LOG(u"Could not keep '%s' as '%s': %s.", path, badPath, fromUtf8(error.message()));
    else
        VEK_LOG(u"Kept the unreadable '%s' as '%s'; using defaults.", path, badPath);
}

bool FileManager::exists(WideStringView path) const {
    return readsArchives() ? findArchive(path) != nullptr : existsDisk(path);
}

bool FileManager::existsDisk(WideStringView path) {
    struct stat info {};
    return ::stat(toFileName(diskPath(path)).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void FileManager::verifyFileDisk(WideStringView path) {
    struct stat info {};
    if (::stat(toFileName(diskPath(path)).c_str(), &info) == 0) return;
    const int code = errno;
    VEK_ERROR(u"File %s verification failed (errno %d:%s, cwd %s)", path, code, fromUtf8(std::strerror(code)),
              fromUtf8(platform::currentFolder()));
}

bool FileManager::saveSignedBlock(const void* data, std::size_t size, WideStringView folder,
                                  WideStringView fileName, WideStringView keyText) {
    const std::vector<uint8_t> file =
        encodeSignedBlock({static_cast<const uint8_t*>(data), size}, fileName, keyText);
    const WideString path = joinPath(folder, fileName);
    std::string error;
    if (platform::writeFileAtomically(toFileName(path), file, error)) return true;
    logFailedSave(path, error);
    return false;
}

void FileManager::logFailedSave(WideStringView path, std::string_view error) {
    VEK_LOG(u"Could not save '%s': %s.", path, fromUtf8(error));
}

bool FileManager::loadSignedBlock(void* data, std::size_t size, WideStringView folder,
                                  WideStringView fileName, WideStringView keyText) {
    const WideString path = joinPath(folder, fileName);
    std::string reason;
    // A valid file is never larger than its header and the longest zlib stream for `size`.
    const uint64_t maxBytes = sizeof(SignedBlockHeader) + platform::zlibCompressBound(size);
    const auto file = platform::readFile(toFileName(path), maxBytes, reason);
    if (!file) {
        VEK_LOG(u"Not loading '%s': %s.", path, fromUtf8(reason));
        return false;
    }
    WideString error;
    if (decodeSignedBlock(*file, {static_cast<uint8_t*>(data), size}, fileName, keyText, error)) return true;
    VEK_LOG(u"Not loading '%s': %s.", path, error);
    return false;
}
