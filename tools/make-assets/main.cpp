// Makes the game's archives: make-assets OUTPUT_FOLDER [CONTACT_SHEET_FOLDER]
#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include "AssetArchives.h"
#include "ContactSheets.h"
#include "Paint.h"

namespace {

int run(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make-assets OUTPUT_FOLDER [CONTACT_SHEET_FOLDER]\n");
        return 2;
    }
    if (argc == 3) {
        std::string error;
        if (!writeContactSheets(argv[2], error)) {
            std::fprintf(stderr, "make-assets: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    std::string error;
    if (!writeArchives(argv[1], threads, 1, error)) {
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
