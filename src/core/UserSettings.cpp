#include "core/UserSettings.h"
#include "core/AppEnvironment.h"
#include "core/FileManager.h"
#include "core/Logger.h"
#include "core/SettingsValue.h"
#include "core/StringUtil.h"
#include "platform/FileIo.h"

namespace {

// The file holds a few hundred bytes; anything much larger is damage, not settings.
constexpr uint64_t MAX_SETTINGS_BYTES = 64 * 1024;

WideString intText(int value) { return stringf(u"%d", value); }

}  // namespace

UserSettings::UserSettings(WideString settingsPath) : path(std::move(settingsPath)) {
    if (!FileManager::existsDisk(path)) {
        VEK_LOG(u"No user settings in '%s'; using defaults.", path);
        return;
    }
    std::string reason;
    const auto bytes = platform::readFile(toFileName(path), MAX_SETTINGS_BYTES, reason);
    int badLine = 0;
    std::optional<MemoryIniFile> read;
    if (bytes) read = MemoryIniFile::fromWellFormedUtf8Bytes(*bytes, badLine);
    if (read) {
        ini = std::move(*read);
        return;
    }
    VEK_LOG(u"The user settings '%s' are damaged (%s).", path,
            bytes ? stringf(u"line %d", badLine) : fromUtf8(reason));
    FileManager::keepAsBad(path);
}

WideString UserSettings::defaultPath() {
    return stringf(u"%s/%s.ini", getUserFilesFolder(), BUILD_IDENTIFIER);
}

WideString UserSettings::storedText(WideStringView section, WideStringView key, WideStringView defaultText) {
    if (!ini.hasKey(section, key)) ini.setString(section, key, defaultText);
    return ini.getString(section, key);
}

int UserSettings::getInt(WideStringView section, WideStringView key, int defaultValue) {
    const WideString text = storedText(section, key, intText(defaultValue));
    if (const auto value = parseSettingInt(text)) return *value;
    VEK_LOG(u"Setting %s/%s '%s' is not a whole number; using %d.", section, key, text, defaultValue);
    setInt(section, key, defaultValue);
    return defaultValue;
}

int UserSettings::getIntInRange(WideStringView section, WideStringView key, int defaultValue, int lowest,
                                int highest) {
    const int value = getInt(section, key, defaultValue);
    if (value >= lowest && value <= highest) return value;
    VEK_LOG(u"Setting %s/%s '%d' lies outside %d to %d; using %d.", section, key, value, lowest, highest,
            defaultValue);
    setInt(section, key, defaultValue);
    return defaultValue;
}

bool UserSettings::getBool(WideStringView section, WideStringView key, bool defaultValue) {
    const WideString text = storedText(section, key, intText(defaultValue ? 1 : 0));
    if (const auto value = parseSettingBool(text)) return *value;
    VEK_LOG(u"Setting %s/%s '%s' is not a truth value; using %d.", section, key, text, defaultValue ? 1 : 0);
    setBool(section, key, defaultValue);
    return defaultValue;
}

WideString UserSettings::getString(WideStringView section, WideStringView key, WideStringView defaultValue) {
    return storedText(section, key, defaultValue);
}

void UserSettings::setInt(WideStringView section, WideStringView key, int value) {
    ini.setString(section, key, intText(value));
}

void UserSettings::setBool(WideStringView section, WideStringView key, bool value) {
    ini.setString(section, key, intText(value ? 1 : 0));
}

void UserSettings::setString(WideStringView section, WideStringView key, WideStringView value) {
    ini.setString(section, key, value);
}

bool UserSettings::save() const {
    const std::string text = toUtf8(ini.toText());
    std::string error;
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (platform::writeFileAtomically(toFileName(path), bytes, error)) return true;
    VEK_LOG(u"Could not save the user settings: %s.", fromUtf8(error));
    return false;
}
