#include "AssetArchives.h"
#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <memory>
#include <thread>
#include "FontPages.h"
#include "OggVorbis.h"
#include "Synth.h"
#include "core/StringUtil.h"
#include "core/WadWriter.h"
#include "media/SampleDecoder.h"

namespace {

/// The highest a decoded sound may peak: headroom for the mixer, which adds them up.
constexpr float DECODED_CEILING = 0.95f;

bool isJpegPath(const std::string& path) { return path.size() > 4 && path.compare(path.size() - 4, 4, ".jpg") == 0; }

// Runs `jobs` on up to `threads` threads; each job writes only its own result slot.
void runJobs(std::vector<std::function<void()>>& jobs, int threads) {
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) jobs[i]();
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool) thread.join();
}

bool writeArchive(const std::string& path, std::vector<ArchiveEntry>& entries, int iterations, int threads,
                  std::string& error) {
    WadWriter writer(iterations, threads);
    WideString reason;
    for (ArchiveEntry& entry : entries)
        if (!writer.addEntry(fromUtf8(entry.name), std::move(entry.bytes), reason)) {
            error = toUtf8(reason);
            return false;
        }
    if (!writer.write(fromUtf8(path), reason)) {
        error = path + ": " + toUtf8(reason);
        return false;
    }
    return true;
}

// The loudest sample of `bytes` as the game decodes them; 0 for what it cannot read.
float decodedPeak(std::vector<uint8_t> bytes) {
    const auto file = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    PcmData pcm;
    std::string error;
    if (!decodeSample(file, pcm, error)) return 0.0f;
    float peak = 0.0f;
    for (const float sample : pcm.samples)
        peak = std::max(peak, std::fabs(sample));
    return peak;
}

// The encoder rings at sharp edges and lifts the peaks, by a tenth or more at a pulse's: a sound
// that decodes above the ceiling is scaled down by its overshoot and encoded again, until it
// stays below.
std::vector<uint8_t> encodeBelowCeiling(std::vector<float> samples, int channels, int frequency) {
    for (;;) {
        std::vector<uint8_t> bytes = encodeOggVorbis(samples, channels, frequency);
        const float peak = decodedPeak(bytes);
        if (peak <= DECODED_CEILING) return bytes;
        for (float& sample : samples)
            sample *= DECODED_CEILING / peak;
    }
}

// `samples` at `rms` where a recipe sets one.
std::vector<float> atLevel(std::vector<float> samples, float rms) {
    if (rms > 0) synth::normalizeRms(samples, rms);
    return samples;
}

}  // namespace

TexturePicture paintTexture(const TextureRecipe& recipe) { return recipe.make(recipe); }

std::vector<ArchiveEntry> textureEntries(const TextureRecipe& recipe) {
    const TexturePicture picture = paintTexture(recipe);
    const std::string list = frameListText(picture.frames);
    return {ArchiveEntry{recipe.path, isJpegPath(recipe.path) ? picture.image.encodeJpeg(90) : picture.image.encodeTga()},
            ArchiveEntry{frameListPath(recipe.path), std::vector<uint8_t>(list.begin(), list.end())}};
}

ArchiveEntry soundEntry(const SoundRecipe& recipe) {
    return ArchiveEntry{recipe.path,
                        encodeBelowCeiling(atLevel(recipe.synthesize(), recipe.rms), 1, recipe.frequency)};
}

ArchiveEntry musicEntry(const MusicRecipe& recipe) {
    return ArchiveEntry{recipe.path,
                        encodeBelowCeiling(atLevel(recipe.compose(), recipe.rms), 2, MUSIC_FREQUENCY)};
}

bool writeArchives(const std::string& folder, int threads, int zopfliIterations, std::string& error) {
    const auto textures = textureRecipes();
    const auto sounds = soundRecipes();
    const auto music = musicRecipes();
    std::vector<std::vector<ArchiveEntry>> textureFiles(textures.size());
    std::vector<ArchiveEntry> soundFiles(sounds.size()), musicFiles(music.size());
    std::vector<std::function<void()>> jobs;
    // The long pieces first, so that no thread is left with one at the end.
    for (std::size_t i = 0; i < music.size(); ++i) jobs.push_back([&, i] { musicFiles[i] = musicEntry(music[i]); });
    for (std::size_t i = 0; i < textures.size(); ++i) jobs.push_back([&, i] { textureFiles[i] = textureEntries(textures[i]); });
    for (std::size_t i = 0; i < sounds.size(); ++i) jobs.push_back([&, i] { soundFiles[i] = soundEntry(sounds[i]); });
    const std::vector<std::string> codePages = fontCodePages();
    std::vector<std::vector<ArchiveEntry>> fontFiles(codePages.size());
    for (std::size_t i = 0; i < codePages.size(); ++i)
        jobs.push_back([&, i] { fontFiles[i] = fontArchiveEntries(codePages[i]); });
    runJobs(jobs, threads);

    std::vector<ArchiveEntry> mainEntries, languageEntries;
    for (std::size_t i = 0; i < textures.size(); ++i) {
        auto& target = textures[i].archive == Archive::Language ? languageEntries : mainEntries;
        for (ArchiveEntry& entry : textureFiles[i]) target.push_back(std::move(entry));
    }
    for (ArchiveEntry& entry : soundFiles) mainEntries.push_back(std::move(entry));
    for (ArchiveEntry& entry : musicFiles) mainEntries.push_back(std::move(entry));
    if (!writeArchive(folder + "/" + MAIN_ARCHIVE, mainEntries, zopfliIterations, threads, error) ||
        !writeArchive(folder + "/" + LANGUAGE_ARCHIVE, languageEntries, zopfliIterations, threads, error))
        return false;
    for (std::size_t i = 0; i < codePages.size(); ++i)
        if (!writeArchive(folder + "/" + fontArchiveName(codePages[i]), fontFiles[i], zopfliIterations, threads, error))
            return false;
    return true;
}
