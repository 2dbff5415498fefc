#include "core/Logger.h"
#include <chrono>
#include <ctime>
#include "core/AppEnvironment.h"
#include "core/StringUtil.h"
#include "platform/CrashHandler.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

namespace {

Logger* activeLogger = nullptr;

uint64_t nowMs() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

WideString utcDate() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts);
    return fromUtf8(text);
}

}  // namespace

Logger::Logger(const WideString& logPath, bool bAppend) : path(logPath), lastLineMs(nowMs()) {
    std::string error;
    file = platform::openForWriting(toFileName(path), bAppend, error);
    if (!file) std::fprintf(stderr, "No log: %s\n", error.c_str());
    activeLogger = this;
    writeHeader();
}

Logger::~Logger() {
    close();
    if (activeLogger == this) activeLogger = nullptr;
}

Logger* Logger::get() { return activeLogger; }

void Logger::writeHeader() {
    write(stringf(u"Application: %s", getVersionString()));
    write(stringf(u"Computer: %s", fromUtf8(platform::computerName())));
    write(stringf(u"User: %s", fromUtf8(platform::userName())));
    write(stringf(u"Program: %s", getProgramPath()));
    write(stringf(u"Current directory: %s", fromUtf8(platform::currentFolder())));
    const auto& arguments = getProgramArguments();
    for (std::size_t i = 0; i < arguments.size(); ++i)
        write(stringf(u"Parameter %d: %s", static_cast<int>(i + 1), arguments[i]));
    write(stringf(u"Log file: %s", path));
    write(stringf(u"Date: %s", utcDate()));
}

void Logger::write(WideStringView text) {
    if (!file) return;
    const uint64_t now = nowMs();
    std::fprintf(file, "+%lu\t%s\n", static_cast<unsigned long>(now - lastLineMs), toUtf8(text).c_str());
    std::fflush(file);
    lastLineMs = now;
    platform::noteLogLine();
}

void Logger::close() {
    if (file) std::fclose(file);
    file = nullptr;
}

void logMessage(const std::string& function, WideStringView message) {
    const WideString line = stringf(u"%s(): %s", fromUtf8(function), message);
    if (activeLogger && activeLogger->isOpen()) activeLogger->write(line);
    else std::fprintf(stderr, "%s\n", toUtf8(line).c_str());
}
