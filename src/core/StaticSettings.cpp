#include "core/StaticSettings.h"
#include "core/AppEnvironment.h"
#include "core/ErrorManager.h"
#include "core/FileManager.h"
#include "core/SettingsValue.h"

StaticSettings::StaticSettings(const WideString& settingsPath) : path(settingsPath) {
    FileManager::verifyFileDisk(path);
    const auto bytes = FileManager::openDisk(path);
    if (!bytes) VEK_ERROR(u"Could not read the settings file '%s'.", path);
    ini = MemoryIniFile::fromUtf8Bytes(*bytes);
    singleLanguage = requireInt(u"Language", u"singleLanguage");
    languageMask = requireString(u"Language", u"languageMask");
    hq2x = requireInt(u"Graphics", u"hq2x");
    webHost = requireWebHost(u"Online", u"host");
}

WideString StaticSettings::defaultPath() {
    return stringf(u"%s/%s.ini", getProgramFolder(), BUILD_IDENTIFIER);
}

WideString StaticSettings::requireString(WideStringView section, WideStringView key) const {
    const auto value = ini.findString(section, key);
    if (!value)
        VEK_ERROR(u"Key '%s' could not be found in section '%s'.\n Settings file: %s", key, section, path);
    return *value;
}

int StaticSettings::requireInt(WideStringView section, WideStringView key) const {
    const WideString text = requireString(section, key);
    const auto value = parseSettingInt(text);
    if (!value)
        VEK_ERROR(u"Key '%s' in section '%s' is not a whole number: '%s'.\n Settings file: %s", key, section,
                  text, path);
    return *value;
}

WideString StaticSettings::requireWebHost(WideStringView section, WideStringView key) const {
    WideString text = requireString(section, key);
    const bool bWeb = text.starts_with(u"http://") || text.starts_with(u"https://");
    if (!bWeb || text.find_first_of(u" \t") != WideString::npos)
        VEK_ERROR(u"Key '%s' in section '%s' is not a web address: '%s'.\n Settings file: %s", key, section, text,
                  path);
    while (text.ends_with(u'/')) text.pop_back();
    return text;
}
