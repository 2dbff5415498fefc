// Looped sounds join end to start without a jump: the step across the seam is no larger than
// the largest step inside the sound.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include "AssetTable.h"
#include "Sounds.h"

namespace {

// Largest change between neighbouring frames of one channel, and the change across the seam.
struct Steps {
    float inside = 0, seam = 0;
};

Steps stepsOf(const std::vector<float>& samples, int channels, int channel) {
    Steps steps;
    const std::size_t frames = samples.size() / channels;
    for (std::size_t f = 1; f < frames; ++f)
        steps.inside = std::max(steps.inside, std::fabs(samples[f * channels + channel] - samples[(f - 1) * channels + channel]));
    steps.seam = std::fabs(samples[channel] - samples[(frames - 1) * channels + channel]);
    return steps;
}

}  // namespace

TEST(Loops, EveryMusicPieceJoinsItsEndToItsStart) {
    for (const MusicRecipe& recipe : musicRecipes()) {
        const std::vector<float> samples = recipe.compose();
        ASSERT_GT(samples.size(), 2u * MUSIC_FREQUENCY * 20) << recipe.name;
        for (int channel = 0; channel < 2; ++channel) {
            const Steps steps = stepsOf(samples, 2, channel);
            EXPECT_LE(steps.seam, steps.inside) << recipe.name << " channel " << channel;
        }
        const float peak = *std::max_element(samples.begin(), samples.end(), [](float a, float b) { return std::fabs(a) < std::fabs(b); });
        EXPECT_LE(std::fabs(peak), 1.0f) << recipe.name;
    }
}

TEST(Loops, TheLoopedSamplesJoinTheirEndToTheirStart) {
    for (auto synthesize : {soundSaucerEngine, soundPoliceSiren}) {
        const std::vector<float> samples = synthesize();
        const Steps steps = stepsOf(samples, 1, 0);
        EXPECT_LE(steps.seam, steps.inside);
    }
}
