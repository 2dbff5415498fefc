#include "game/UserDataFile.h"
#include "core/AppEnvironment.h"
#include "core/FileManager.h"
#include "core/Format.h"
#include "core/SignedBlock.h"

bool loadUserDataFile(void* data, std::size_t size, WideStringView fileName) {
    const WideString folder = getUserFilesFolder();
    if (FileManager::loadSignedBlock(data, size, folder, fileName, VERSION_TEXT)) return true;
    const WideString path = stringf(u"%s/%s", folder, fileName);
    if (FileManager::existsDisk(path)) FileManager::keepAsBad(path);
    return false;
}

bool saveUserDataFile(const void* data, std::size_t size, WideStringView fileName) {
    return FileManager::saveSignedBlock(data, size, getUserFilesFolder(), fileName, VERSION_TEXT);
}

std::vector<uint8_t> makeUserDataFile(const void* data, std::size_t size, WideStringView fileName) {
    return encodeSignedBlock({static_cast<const uint8_t*>(data), size}, fileName, VERSION_TEXT);
}
