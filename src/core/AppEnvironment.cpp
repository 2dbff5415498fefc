#include "core/AppEnvironment.h"
#include <filesystem>
#include "core/Format.h"
#include "core/StringUtil.h"
#include "platform/Paths.h"

namespace {

std::vector<WideString> programArguments;
WideString programPath;

std::filesystem::path userFilesFolder() {
    return platform::dataHome() / toUtf8(BUILD_IDENTIFIER) / toUtf8(VERSION_TEXT);
}

WideString crashPath(const char16_t* extension) {
    return stringf(u"%s/crash.%s%s", getUserFilesFolder(), BUILD_IDENTIFIER, extension);
}

}  // namespace

WideString getVersionString() {
#ifdef NDEBUG
    const char16_t* configuration = u"release";
#else
    const char16_t* configuration = u"debug";
#endif
    const char16_t* pointerSize = sizeof(void*) == 8 ? u"64bit" : u"32bit";
    return stringf(u"%s v%s.%s %s %s", BUILD_IDENTIFIER, VERSION_TEXT, PATCH_LETTER, configuration, pointerSize);
}

void setProgramArguments(int argc, const char* const* argv) {
    programArguments.clear();
    programPath = argc > 0 && argv[0] ? fromUtf8(argv[0]) : WideString();
    for (int i = 1; i < argc; ++i) programArguments.push_back(fromUtf8(argv[i]));
}

const std::vector<WideString>& getProgramArguments() { return programArguments; }

bool hasProgramArgument(WideStringView argument) {
    for (const WideString& each : programArguments)
        if (each == argument) return true;
    return false;
}

const WideString& getProgramPath() { return programPath; }

WideString getProgramFolder() { return fromFileName(platform::executableFolder().string()); }

WideString getWadPath() { return stringf(u"%s/%s.dat", getProgramFolder(), BUILD_IDENTIFIER); }

WideString getUserFilesFolder() {
    const std::filesystem::path folder = userFilesFolder();
    // One that cannot be made stops the start (makeUserFilesFolder); one removed later is made
    // again, and a file that cannot be written in it says so itself.
    std::string ignored;
    platform::ensureFolder(folder, ignored);
    return fromFileName(folder.string());
}

bool makeUserFilesFolder(std::string& error) {
    const std::filesystem::path folder = userFilesFolder();
    if (platform::ensureFolder(folder, error)) return true;
    error = toUtf8(fromFileName("Could not use the user-data folder " + folder.string() + ": " + error));
    return false;
}

WideString getLogPath() { return stringf(u"%s/%s.log", getUserFilesFolder(), BUILD_IDENTIFIER); }

WideString getCrashLogPath() { return crashPath(u".log"); }
WideString getCrashMiniDumpPath() { return crashPath(u".mdmp"); }
WideString getCrashScreenshotPath() { return crashPath(u".jpg"); }
WideString getCrashNetTrafficPath() { return crashPath(u".net"); }
