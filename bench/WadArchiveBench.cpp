#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include "core/FileManager.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/WadArchive.h"
#include "core/WadWriter.h"
#include "platform/Compression.h"

namespace {

constexpr int ENTRY_COUNT = 500;
constexpr std::size_t ENTRY_BYTES = 16 * 1024;

/// Picture-like content: gradients with sparse noise.
std::vector<uint8_t> entryContent(int index) {
    std::vector<uint8_t> bytes(ENTRY_BYTES);
    uint32_t noise = 0x9E3779B9u * static_cast<uint32_t>(index + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        noise = noise * 1664525u + 1013904223u;
        const uint8_t gradient = static_cast<uint8_t>((i / 64 + static_cast<std::size_t>(index)) & 0xFF);
        bytes[i] = (noise >> 28) == 0 ? static_cast<uint8_t>(noise >> 20) : gradient;
    }
    return bytes;
}

/// One archive of 500 entries written once per run, in a temporary folder, plus its raw streams.
struct Fixture {
    std::filesystem::path folder;
    WideString archivePath;
    std::vector<WideString> names;
    std::vector<std::vector<uint8_t>> streams;  // each entry's zlib stream, for the plain inflate
    std::unique_ptr<Logger> log;                // keeps the mount lines off the console

    Fixture() {
        char pattern[] = "/tmp/vek-bench-XXXXXX";
        folder = mkdtemp(pattern);
        log = std::make_unique<Logger>(fromUtf8((folder / "bench.log").string()));
        WadWriter writer(1);
        WideString error;
        for (int i = 0; i < ENTRY_COUNT; ++i) {
            names.push_back(stringf(u"gfx/bench/entry-%d.tga", i));
            writer.addEntry(names.back(), entryContent(i), error);
        }
        archivePath = fromUtf8((folder / "bench.dat").string());
        writer.write(archivePath, error);
        const auto archive = WadArchive::open(archivePath, error);
        const auto bytes = FileManager::openDisk(archivePath);
        for (const auto& entry : archive->getEntries())
            streams.emplace_back(bytes->begin() + entry.offset,
                                 bytes->begin() + entry.offset + entry.compressedSize);
    }
    ~Fixture() {
        log.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

Fixture& fixture() {
    static Fixture shared;
    return shared;
}

// Mounts the archive through the file manager and reads every entry by name, as the loader does.
// bytes_per_second counts the inflated bytes.
void mountAndReadAll(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        FileManager files;
        files.useWad(f.archivePath);
        for (const WideString& name : f.names) benchmark::DoNotOptimize(files.open(name));
    }
    state.SetBytesProcessed(state.iterations() * int64_t(ENTRY_COUNT) * int64_t(ENTRY_BYTES));
}
BENCHMARK(mountAndReadAll)->Unit(benchmark::kMillisecond);

// The same streams inflated straight from memory with zlib: the floor the archive is measured against.
void plainZlibInflate(benchmark::State& state) {
    Fixture& f = fixture();
    std::vector<uint8_t> out(ENTRY_BYTES);
    for (auto _ : state) {
        for (const auto& stream : f.streams) benchmark::DoNotOptimize(platform::inflateZlib(stream, out));
    }
    state.SetBytesProcessed(state.iterations() * int64_t(ENTRY_COUNT) * int64_t(ENTRY_BYTES));
}
BENCHMARK(plainZlibInflate)->Unit(benchmark::kMillisecond);

}  // namespace
