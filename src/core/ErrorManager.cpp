#include "core/ErrorManager.h"
#include <cstdio>
#include <cstdlib>
#include "core/AppEnvironment.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"

namespace {

ErrorManager* activeManager = nullptr;
const ErrorManager::Hooks* activeHooks = nullptr;
bool bDying = false;

WideString sourceFileName(const char* file) { return fromUtf8(fileNamePart(std::string_view(file))); }

/// As the crash handler does: a link at either name is not followed.
void copyLogToCrashFiles(const WideString& logPath) {
    platform::copyInPlace(toFileName(logPath).c_str(), toFileName(getCrashLogPath()).c_str());
}

}  // namespace

ErrorManager::ErrorManager() {
    activeManager = this;
    activeHooks = &hooks;
}

ErrorManager::~ErrorManager() {
    if (activeManager == this) {
        activeManager = nullptr;
        activeHooks = nullptr;
    }
}

WideString ErrorManager::errorText(WideStringView message, const std::string& function, const char* file, int line) {
    return stringf(u"Error: %s\n Function: %s()\n File: %s\n Line: %d", message, fromUtf8(function),
                   sourceFileName(file), line);
}

WideString ErrorManager::assertionText(const char* statement, const std::string& function, const char* file,
                                       int line) {
    return stringf(u"Error: %s\n Statement: %s\n Function: %s()\n File: %s\n Line: %d", u"Assertion failed.",
                   fromUtf8(statement), fromUtf8(function), sourceFileName(file), line);
}

void ErrorManager::error(WideStringView message, const std::string& function, const char* file, int line) {
    die(errorText(message, function, file, line));
}

void ErrorManager::tellUser(WideStringView text) {
    VEK_LOG(u"Telling the user: %s", text);
    const std::string utf8 = toUtf8(text);
    // Also where no box shows, or nobody reads it.
    std::fprintf(stderr, "%s\n", utf8.c_str());
    platform::showErrorBox("Error", utf8);
}

void ErrorManager::assertionFailed(const char* statement, const std::string& function, const char* file, int line) {
    die(assertionText(statement, function, file, line));
}

void ErrorManager::die(const WideString& text) {
    const std::string utf8 = toUtf8(text);
    std::fprintf(stderr, "%s\n", utf8.c_str());
    if (bDying) std::_Exit(1);  // a fault while handling a fault: nothing more is safe
    bDying = true;

    Logger* logger = Logger::get();
    if (logger) logger->write(text);
    if (activeHooks && activeHooks->saveScreenshot) activeHooks->saveScreenshot(getCrashScreenshotPath());
    if (activeHooks && activeHooks->releaseGraphics) activeHooks->releaseGraphics();
    // Complete on disk before the box waits for a reader, who may never come (a kill, a lost display).
    if (logger) copyLogToCrashFiles(logger->getPath());
    platform::showErrorBox("Error", utf8);
    if (logger) {
        logger->write(u"Forced exit.");
        logger->close();
        copyLogToCrashFiles(logger->getPath());
    }
    std::_Exit(1);
}
