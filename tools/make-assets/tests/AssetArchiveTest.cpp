// Checks the archives the build generated against the table of recipes: every texture with
// its frame list, every sample and music stream, readable by the engine's own decoders,
// centred, below the decoded ceiling and, where set by their RMS, as loud as it allows.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include "AssetArchives.h"
#include "core/MemoryIniFile.h"
#include "core/StringUtil.h"
#include "core/WadArchive.h"
#include "media/SampleDecoder.h"
#include "media/Texture.h"

namespace {

struct Archives {
    std::unique_ptr<WadArchive> main, language;
};

const Archives& archives() {
    static const Archives opened = [] {
        Archives a;
        WideString error;
        a.main = WadArchive::open(fromUtf8(std::string(ASSETS_DIR) + "/" + MAIN_ARCHIVE), error);
        a.language = WadArchive::open(fromUtf8(std::string(ASSETS_DIR) + "/" + LANGUAGE_ARCHIVE), error);
        return a;
    }();
    return opened;
}

std::vector<uint8_t> readEntry(const WadArchive& archive, const std::string& name) {
    std::vector<uint8_t> bytes;
    const WadArchive::Entry* entry = archive.find(fromUtf8(name));
    if (!entry) return bytes;
    WideString error;
    EXPECT_TRUE(archive.read(*entry, bytes, error)) << name << ": " << toUtf8(error);
    return bytes;
}

// The frames as the engine's texture reads them.
std::vector<FrameRect> parseFrameList(const std::vector<uint8_t>& bytes, const MemoryImageFile& image) {
    std::vector<Texture::Frame> frames;
    WideString error;
    EXPECT_TRUE(Texture::parseFrames(MemoryIniFile::fromUtf8Bytes(bytes), image.width, image.height, frames, error))
        << toUtf8(error);
    std::vector<FrameRect> rects;
    for (const Texture::Frame& f : frames)
        rects.push_back(FrameRect{static_cast<int>(f.rect.left), static_cast<int>(f.rect.top),
                                  static_cast<int>(f.rect.right - f.rect.left), static_cast<int>(f.rect.bottom - f.rect.top)});
    return rects;
}

bool frameHasInk(const MemoryImageFile& image, const FrameRect& frame) {
    for (int y = frame.y; y < frame.y + frame.height; ++y)
        for (int x = frame.x; x < frame.x + frame.width; ++x)
            if (image.at(x, y) >> 24 != 0) return true;
    return false;
}

}  // namespace

TEST(AssetArchives, BothArchivesOpen) {
    ASSERT_TRUE(archives().main);
    ASSERT_TRUE(archives().language);
}

TEST(AssetArchives, EveryTextureHasItsFramesAndNoneIsBlank) {
    ASSERT_TRUE(archives().main && archives().language);
    for (const TextureRecipe& recipe : textureRecipes()) {
        SCOPED_TRACE(recipe.name);
        const WadArchive& archive = recipe.archive == Archive::Language ? *archives().language : *archives().main;
        const std::vector<uint8_t> bytes = readEntry(archive, recipe.path);
        ASSERT_FALSE(bytes.empty());
        std::string error;
        const auto image = MemoryImageFile::decode(bytes, error);
        ASSERT_TRUE(image) << error;
        const std::vector<FrameRect> frames = parseFrameList(readEntry(archive, frameListPath(recipe.path)), *image);
        ASSERT_EQ(static_cast<int>(frames.size()), recipe.frameCount);
        EXPECT_EQ(frames[0].width, recipe.frameWidth);
        EXPECT_EQ(frames[0].height, recipe.frameHeight);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const FrameRect& f = frames[i];
            ASSERT_TRUE(f.x >= 0 && f.y >= 0 && f.width > 0 && f.height > 0 && f.x + f.width <= image->width &&
                        f.y + f.height <= image->height)
                << "frame " << i << " lies outside the picture";
            // The invisible theme skin is the one that must stay blank.
            EXPECT_EQ(frameHasInk(*image, f), std::string(recipe.name) != "gui-invisible") << "frame " << i;
        }
    }
}

TEST(AssetArchives, EverySampleAndStreamDecodesCentred) {
    ASSERT_TRUE(archives().main);
    struct Sound {
        const char* path;
        int frequency, channels;
        bool bMusic;
    };
    std::vector<Sound> sounds;
    for (const SoundRecipe& recipe : soundRecipes()) sounds.push_back({recipe.path, recipe.frequency, 1, false});
    for (const MusicRecipe& recipe : musicRecipes()) sounds.push_back({recipe.path, MUSIC_FREQUENCY, 2, true});
    // The sounds set by their RMS (the recipes' last column), each at its RMS or as near as the
    // ceiling allows: the least their audible RMS may come to.
    const std::map<std::string, double> minimumRms = {
        {"sfx/zv2rm/tr3_239.ogg", 0.24},   {"sfx/zv2rm/fanfare.ogg", 0.2},
        {"sfx/zv2rm/fanfar1.ogg", 0.2},    {"sfx/zv2rm/policesiren.ogg", 0.51},
        {"sfx/zv2rm/megaphone.ogg", 0.24}, {"brume-edition/sfx/music/brumemix-frosty.ogg", 0.195},
    };
    for (const Sound& sound : sounds) {
        SCOPED_TRACE(sound.path);
        auto bytes = std::make_shared<const std::vector<uint8_t>>(readEntry(*archives().main, sound.path));
        ASSERT_FALSE(bytes->empty());
        PcmData pcm;
        std::string error;
        ASSERT_TRUE(decodeSample(bytes, pcm, error)) << error;
        EXPECT_EQ(pcm.frequency, sound.frequency);
        EXPECT_EQ(pcm.channels, sound.channels);
        const double seconds = double(pcm.frameCount()) / pcm.frequency;
        if (sound.bMusic) EXPECT_GT(seconds, 20.0);
        else EXPECT_LT(seconds, 3.0);
        // An offset clicks where a sound starts and ends, and spends the mix's headroom.
        double sum = 0.0, squares = 0.0;
        float peak = 0.0f;
        for (const float sample : pcm.samples) {
            sum += sample;
            squares += double(sample) * sample;
            peak = std::max(peak, std::fabs(sample));
        }
        const double count = static_cast<double>(pcm.samples.size()), mean = sum / count;
        EXPECT_NEAR(mean, 0.0, 0.005);
        EXPECT_LE(peak, 0.95f); // headroom for the mixer
        if (const auto rms = minimumRms.find(sound.path); rms != minimumRms.end()) {
            EXPECT_GE(std::sqrt(squares / count - mean * mean), rms->second);
        }
    }
}

TEST(AssetArchives, ThePointerIsDrawnFromItsTip) {
    ASSERT_TRUE(archives().main);
    const std::vector<uint8_t> list = readEntry(*archives().main, "gfx/gui/game/mousepointer.ini");
    std::vector<Texture::Frame> frames;
    WideString error;
    ASSERT_TRUE(Texture::parseFrames(MemoryIniFile::fromUtf8Bytes(list), 32, 32, frames, error)) << toUtf8(error);
    ASSERT_EQ(frames.size(), 1u);
    // Vertices run from -16 to 16 around the position; these move the top-left corner onto it.
    EXPECT_EQ(frames[0].origin.x, -16.f);
    EXPECT_EQ(frames[0].origin.y, 16.f);
}

TEST(AssetArchives, NamesAreUniqueAcrossTheTable) {
    std::set<std::string> names, paths;
    for (const TextureRecipe& r : textureRecipes()) {
        EXPECT_TRUE(names.insert(r.name).second) << r.name;
        EXPECT_TRUE(paths.insert(r.path).second) << r.path;
    }
    for (const SoundRecipe& r : soundRecipes()) EXPECT_TRUE(names.insert(r.name).second) << r.name;
    for (const MusicRecipe& r : musicRecipes()) EXPECT_TRUE(names.insert(r.name).second) << r.name;
}

TEST(AssetArchives, TheSameRecipeGivesTheSameBytes) {
    for (const TextureRecipe& recipe : textureRecipes())
        if (std::string(recipe.name) == "hud") {
            EXPECT_EQ(textureEntries(recipe)[0].bytes, textureEntries(recipe)[0].bytes);
            EXPECT_EQ(textureEntries(recipe)[0].bytes, readEntry(*archives().main, recipe.path));
        }
    EXPECT_EQ(soundEntry(soundRecipes()[0]).bytes, soundEntry(soundRecipes()[0]).bytes);
}
