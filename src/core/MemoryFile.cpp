#include "core/MemoryFile.h"
#include "core/ErrorManager.h"
#include "core/FileManager.h"

namespace {

std::optional<std::vector<uint8_t>> readThroughEngine(WideStringView path) {
    if (const FileManager* files = FileManager::get()) return files->open(path);
    return FileManager::openDisk(path);
}

}  // namespace

MemoryFile::MemoryFile(WideStringView path, uint32_t flags) {
    auto content = readThroughEngine(path);
    if (!content) {
        if (flags & MEMORYFILE_REQUIRED)
            VEK_ERROR(u"Could not open the file %s.", FileManager::describeFile(path));
        return;
    }
    bytes = std::move(*content);
    bLoaded = true;
}
