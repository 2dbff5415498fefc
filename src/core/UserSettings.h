#pragma once
#include "core/MemoryIniFile.h"
#include "core/WideString.h"

/// The user's engine settings: an INI file in the user-data folder, named after the build
/// identifier, with one section per engine class (its registered name). A key that is missing
/// or unreadable is set to the caller's default and read back, so the next save writes it out.
/// A missing file starts empty. A damaged one (a line that does not parse, text that is not
/// UTF-8, or over 64 KiB) is kept as "<name>.bad" and the settings start empty too, so nothing
/// of it is ever written back. Saving replaces the file atomically. Main thread only.
///
///     defaultLanguage = settings.getInt(u"Vek", u"defaultLanguage", -2);
///     ...
///     settings.setInt(u"Vek", u"defaultLanguage", defaultLanguage);
///     settings.save();
class UserSettings {
public:
    explicit UserSettings(WideString path = defaultPath());

    /// The user-data folder, "/", the build identifier and ".ini".
    static WideString defaultPath();

    int getInt(WideStringView section, WideStringView key, int defaultValue);
    /// As getInt; a number outside `lowest` to `highest` is also set to the default (logged).
    int getIntInRange(WideStringView section, WideStringView key, int defaultValue, int lowest, int highest);
    bool getBool(WideStringView section, WideStringView key, bool defaultValue);
    WideString getString(WideStringView section, WideStringView key, WideStringView defaultValue);

    void setInt(WideStringView section, WideStringView key, int value);
    void setBool(WideStringView section, WideStringView key, bool value);
    void setString(WideStringView section, WideStringView key, WideStringView value);

    /// Writes every section to the file; false, also logged, when that failed (the old file stands).
    bool save() const;
    const WideString& getPath() const { return path; }

private:
    /// The stored text of the key, after writing `defaultText` when it was missing.
    WideString storedText(WideStringView section, WideStringView key, WideStringView defaultText);

    WideString path;
    MemoryIniFile ini;
};
