// Makes the game's archives, or contact sheets of its pictures:
//   make-assets OUTPUT_FOLDER
//   make-assets --contact-sheets FOLDER
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include "AssetArchives.h"
#include "ContactSheets.h"
#include "Paint.h"

namespace {

int run(int argc, char** argv) {
    const bool bSheets = argc == 3 && std::string_view(argv[1]) == "--contact-sheets";
    if (argc != 2 && !bSheets) {
        std::fprintf(stderr, "usage: make-assets OUTPUT_FOLDER | make-assets --contact-sheets FOLDER\n");
        return 2;
    }
    const char* folder = argv[bSheets ? 2 : 1];
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) {
        std::fprintf(stderr, "make-assets: '%s' is not a folder\n", folder);
        return 1;
    }
    std::string error;
    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    const bool bDone = bSheets ? writeContactSheets(folder, error) : writeArchives(folder, threads, 1, error);
    if (!bDone) {
        std::fprintf(stderr, "make-assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int result = run(argc, argv);
    releaseFontCaches();
    return result;
}
