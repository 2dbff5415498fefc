#include "game/UserDataFile.h"
#include <filesystem>
#include <system_error>
#include "core/AppEnvironment.h"
#include "core/FileManager.h"
#include "core/Logger.h"
#include "core/StringUtil.h"

namespace {

void setAside(const WideString& path) {
    const WideString badPath = path + u".bad";
    std::error_code error;
    std::filesystem::rename(toUtf8(path), toUtf8(badPath), error);
    if (error)
        VEK_LOG(u"Could not keep '%s' as '%s': %s.", path, badPath, fromUtf8(error.message()));
    else
        VEK_LOG(u"Kept the unreadable '%s' as '%s'; using defaults.", path, badPath);
}

}  // namespace

bool loadUserDataFile(void* data, std::size_t size, WideStringView fileName) {
    const WideString folder = getUserFilesFolder();
    if (FileManager::loadSignedBlock(data, size, folder, fileName, VERSION_TEXT)) return true;
    const WideString path = stringf(u"%s/%s", folder, fileName);
    if (FileManager::existsDisk(path)) setAside(path);
    return false;
}

bool saveUserDataFile(const void* data, std::size_t size, WideStringView fileName) {
    return FileManager::saveSignedBlock(data, size, getUserFilesFolder(), fileName, VERSION_TEXT);
}
