#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

/// Points XDG_DATA_HOME at a fresh temporary folder for one test, and removes it afterwards.
class TempDataHome {
public:
    TempDataHome() {
        char pattern[] = "/tmp/vek-test-XXXXXX";
        folder = mkdtemp(pattern);
        const char* old = std::getenv("XDG_DATA_HOME");
        if (old) previous = old;
        bHadPrevious = old != nullptr;
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    ~TempDataHome() {
        if (bHadPrevious) setenv("XDG_DATA_HOME", previous.c_str(), 1);
        else unsetenv("XDG_DATA_HOME");
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
    std::string previous;
    bool bHadPrevious = false;
};
