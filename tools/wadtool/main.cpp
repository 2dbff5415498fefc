// wadtool: packs a folder into a WAD archive, lists, extracts and verifies archives.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>
#include "core/StringUtil.h"
#include "core/WadArchive.h"
#include "core/WadWriter.h"
#include "platform/FileIo.h"

namespace {

namespace fs = std::filesystem;

constexpr uint64_t MAX_INPUT_FILE_BYTES = uint64_t(1) << 30;

/// One line on stderr naming the file, and the failure status.
int fail(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "wadtool: %s: %s\n", file.c_str(), message.c_str());
    return 1;
}

int usage() {
    std::fprintf(stderr,
                 "usage: wadtool pack OUT.dat DIR\n"
                 "       wadtool list FILE\n"
                 "       wadtool extract FILE DIR\n"
                 "       wadtool verify FILE\n");
    return 2;
}

/// Every regular file under `folder`, as archive names ('/' separators), sorted so that the
/// same folder always packs into the same archive.
std::vector<std::string> filesUnder(const fs::path& folder, std::error_code& error) {
    std::vector<std::string> names;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file()) names.push_back(it->path().lexically_relative(folder).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

int pack(const std::string& out, const std::string& folder) {
    std::error_code walkError;
    const std::vector<std::string> names = filesUnder(folder, walkError);
    if (walkError) return fail(folder, walkError.message());
    WadWriter writer;
    for (const std::string& name : names) {
        std::string reason;
        auto bytes = platform::readFile(fs::path(folder) / name, MAX_INPUT_FILE_BYTES, reason);
        if (!bytes) return fail(name, reason);
        WideString error;
        if (!writer.addEntry(fromUtf8(name), std::move(*bytes), error)) return fail(name, toUtf8(error));
    }
    WideString error;
    if (!writer.write(fromUtf8(out), error)) return fail(out, toUtf8(error));
    std::printf("%s: %zu entries\n", out.c_str(), names.size());
    return 0;
}

std::unique_ptr<WadArchive> openArchive(const std::string& file, std::string& error) {
    WideString reason;
    auto archive = WadArchive::open(fromUtf8(file), reason);
    if (!archive) error = toUtf8(reason);
    return archive;
}

int list(const std::string& file) {
    std::string error;
    const auto archive = openArchive(file, error);
    if (!archive) return fail(file, error);
    for (const auto& entry : archive->getEntries())
        std::printf("%10u %10u %s\n", entry.size, entry.compressedSize, entry.name.c_str());
    return 0;
}

/// Reads every entry; `store`, when given, receives each one.
template <class Store>
int forEachEntry(const std::string& file, Store store) {
    std::string error;
    const auto archive = openArchive(file, error);
    if (!archive) return fail(file, error);
    for (const auto& entry : archive->getEntries()) {
        std::vector<uint8_t> bytes;
        WideString reason;
        if (!archive->read(entry, bytes, reason)) return fail(file, toUtf8(reason));
        if (!store(entry.name, bytes, error)) return fail(entry.name, error);
    }
    std::printf("%s: %zu entries OK\n", file.c_str(), archive->getEntries().size());
    return 0;
}

int extract(const std::string& file, const std::string& folder) {
    return forEachEntry(file,
                        [&](const std::string& name, const std::vector<uint8_t>& bytes, std::string& error) {
                            // Archive names are relative and free of ".." (the reader checks), so this stays
                            // inside `folder`.
                            const fs::path target = fs::path(folder) / name;
                            std::error_code made;
                            fs::create_directories(target.parent_path(), made);
                            return platform::writeFileAtomically(target, bytes, error);
                        });
}

int verify(const std::string& file) {
    return forEachEntry(file,
                        [](const std::string&, const std::vector<uint8_t>&, std::string&) { return true; });
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "pack") return pack(args[1], args[2]);
    if (args.size() == 2 && args[0] == "list") return list(args[1]);
    if (args.size() == 3 && args[0] == "extract") return extract(args[1], args[2]);
    if (args.size() == 2 && args[0] == "verify") return verify(args[1]);
    return usage();
}
