#pragma once
#include <functional>
#include "core/Format.h"
#include "core/FunctionName.h"

/// The fatal-error path: there is no recovery. Writes the text to stderr and the log, writes
/// the crash files, shows the text in a box titled "Error", logs "Forced exit.",
/// copies the log into the crash files and ends the process with status 1.
class ErrorManager {
public:
    /// Things only upper layers can do; installed by them, run on the fatal path.
    struct Hooks {
        std::function<void(const WideString& path)> saveScreenshot;
        std::function<void()> releaseGraphics;
    };

    ErrorManager();
    ~ErrorManager();
    ErrorManager(const ErrorManager&) = delete;
    ErrorManager& operator=(const ErrorManager&) = delete;

    void setHooks(Hooks newHooks) { hooks = std::move(newHooks); }

    [[noreturn]] static void error(WideStringView message, const std::string& function, const char* file, int line);
    /// Not fatal: logs `text`, writes it to stderr and shows it in a box titled "Error".
    static void tellUser(WideStringView text);
    [[noreturn]] static void assertionFailed(const char* statement, const std::string& function, const char* file,
                                             int line);

    /// The texts the fatal path shows, exposed for tests.
    static WideString errorText(WideStringView message, const std::string& function, const char* file, int line);
    static WideString assertionText(const char* statement, const std::string& function, const char* file, int line);

private:
    [[noreturn]] static void die(const WideString& text);

    Hooks hooks;
};

#define VEK_ERROR(...) ErrorManager::error(stringf(__VA_ARGS__), VEK_FUNCTION, __FILE__, __LINE__)
#define VEK_ASSERT(expr) \
    ((expr) ? static_cast<void>(0) : ErrorManager::assertionFailed(#expr, VEK_FUNCTION, __FILE__, __LINE__))
