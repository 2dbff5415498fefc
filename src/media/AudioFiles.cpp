#include "media/AudioFiles.h"
#include "core/ErrorManager.h"
#include "core/FileManager.h"
#include "core/MemoryFile.h"

std::shared_ptr<const std::vector<uint8_t>> readAudioFile(WideStringView path) {
    const MemoryFile file(path, MemoryFile::MEMORYFILE_REQUIRED);
    return std::make_shared<const std::vector<uint8_t>>(file.getBytes().begin(), file.getBytes().end());
}

void verifyAudioFile(WideStringView path) {
    const FileManager* files = FileManager::get();
    if (!(files ? files->exists(path) : FileManager::existsDisk(path)))
        VEK_ERROR(u"Could not open the file %s.", FileManager::describeFile(path));
}
