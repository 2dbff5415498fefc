#pragma once
#include "core/MemoryIniFile.h"
#include "core/WideString.h"

/// The settings that ship with the program: an INI file in the program folder, named after the
/// build identifier, read once at start-up. The file and every key are required; anything
/// missing is fatal, so a broken installation stops at once with a clear message naming the file.
class StaticSettings {
public:
    explicit StaticSettings(const WideString& path = defaultPath());

    /// The program folder, "/", the build identifier and ".ini".
    static WideString defaultPath();

    int singleLanguage = -1;  // [Language] >= 0 forces that one language
    WideString languageMask;  // [Language] character i = '1' enables language i; empty enables all
    int hq2x = 1;             // [Graphics] 2 selects the ".hq2x" variants of the archives
    WideString webHost;       // [Online] "http://" or "https://", the host and maybe a port; no "/" at the end

private:
    WideString requireString(WideStringView section, WideStringView key) const;
    int requireInt(WideStringView section, WideStringView key) const;
    WideString requireWebHost(WideStringView section, WideStringView key) const;

    WideString path;
    MemoryIniFile ini;
};
