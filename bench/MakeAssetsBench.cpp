// How long the asset generator's stages take: painting, sound synthesis, music, the archive's
// Zopfli compression at two efforts, and the whole run on two threads.
#include <benchmark/benchmark.h>
#include <filesystem>
#include "AssetArchives.h"
#include "core/StringUtil.h"
#include "core/WadWriter.h"

namespace {

void BM_PaintEveryTexture(benchmark::State& state) {
    for (auto _ : state)
        for (const TextureRecipe& recipe : textureRecipes()) benchmark::DoNotOptimize(paintTexture(recipe));
}
BENCHMARK(BM_PaintEveryTexture)->Unit(benchmark::kMillisecond);

void BM_EncodeEverySound(benchmark::State& state) {
    for (auto _ : state)
        for (const SoundRecipe& recipe : soundRecipes()) benchmark::DoNotOptimize(soundEntry(recipe));
}
BENCHMARK(BM_EncodeEverySound)->Unit(benchmark::kMillisecond);

void BM_ComposeAndEncodeEveryPiece(benchmark::State& state) {
    for (auto _ : state)
        for (const MusicRecipe& recipe : musicRecipes()) benchmark::DoNotOptimize(musicEntry(recipe));
}
BENCHMARK(BM_ComposeAndEncodeEveryPiece)->Unit(benchmark::kMillisecond);

// The main archive's pictures compressed at the given number of Zopfli iterations.
void BM_CompressPictures(benchmark::State& state) {
    std::vector<ArchiveEntry> entries;
    for (const TextureRecipe& recipe : textureRecipes())
        for (ArchiveEntry& entry : textureEntries(recipe)) entries.push_back(std::move(entry));
    for (auto _ : state) {
        WadWriter writer(static_cast<int>(state.range(0)));
        WideString error;
        for (const ArchiveEntry& entry : entries) writer.addEntry(fromUtf8(entry.name), entry.bytes, error);
        benchmark::DoNotOptimize(writer.build(error));
    }
}
BENCHMARK(BM_CompressPictures)->Arg(1)->Arg(15)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_WriteAllArchivesOnTwoThreads(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "make-assets-bench";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        std::string error;
        benchmark::DoNotOptimize(writeArchives(folder.string(), 2, 1, error));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteAllArchivesOnTwoThreads)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
