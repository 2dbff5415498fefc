#pragma once
#include <string>
#include <vector>
#include "core/WideString.h"

/// The build's identity and the places the program reads and writes.
constexpr char16_t BUILD_IDENTIFIER[] = u"ZV2rmBrumedemo";
constexpr char16_t VERSION_TEXT[] = u"3.07";
constexpr char16_t PATCH_LETTER[] = u"g";

/// "<build> v<version>.<patch> <configuration> <32bit|64bit>".
WideString getVersionString();

/// The process's command-line arguments, without the program name; set once at start-up.
void setProgramArguments(int argc, const char* const* argv);
const std::vector<WideString>& getProgramArguments();
bool hasProgramArgument(WideStringView argument);
/// The program's own path, as started.
const WideString& getProgramPath();

/// The executable's folder, no trailing slash.
WideString getProgramFolder();
/// The program folder, "/", the build identifier and ".dat".
WideString getWadPath();
/// $XDG_DATA_HOME/<build identifier>/<version>, created on first use.
WideString getUserFilesFolder();
/// Makes the user-data folder, with the folders on the way, unless it stands. False when it
/// cannot: `error` then says so, naming the folder that could not be made and why.
bool makeUserFilesFolder(std::string& error);
/// The run's log: the user-data folder, "/", the build identifier and ".log".
WideString getLogPath();
WideString getCrashLogPath();
WideString getCrashMiniDumpPath();
WideString getCrashScreenshotPath();
WideString getCrashNetTrafficPath();
