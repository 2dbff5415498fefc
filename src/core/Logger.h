#pragma once
#include <cstdint>
#include <cstdio>
#include "core/Format.h"
#include "core/FunctionName.h"

/// The engine log: one file per run. Each line starts with "+<ms since the previous line>\t"
/// and is flushed at once, so a crash loses nothing. Main thread only.
class Logger {
public:
    /// Opens the file, writes the header and becomes the log that `logMessage` uses. The file
    /// is truncated, or with `bAppend` continued (an engine rebuilt within the same run).
    explicit Logger(const WideString& path, bool bAppend = false);
    ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    void write(WideStringView text);
    /// Closes the file; later writes go nowhere. Idempotent.
    void close();
    bool isOpen() const { return file != nullptr; }
    const WideString& getPath() const { return path; }

    /// The log of the running engine, or null before it exists and after it is gone.
    static Logger* get();

private:
    void writeHeader();

    WideString path;
    std::FILE* file = nullptr;
    uint64_t lastLineMs = 0;
};

/// Writes "<function>(): <message>" to the engine log, or to stderr while there is none.
void logMessage(const std::string& function, WideStringView message);

#define VEK_LOG(...) logMessage(VEK_FUNCTION, stringf(__VA_ARGS__))
