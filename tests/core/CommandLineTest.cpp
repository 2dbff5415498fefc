#include "core/CommandLine.h"
#include <gtest/gtest.h>
#include "core/StringUtil.h"

TEST(CommandLine, ReadsTheKnownSwitchesAndRefusesUnknownOrMalformedOnes) {
    struct Case {
        std::vector<WideString> arguments;
        const char* error; // empty: accepted
        int frames;
        bool bFixedStep;
        bool bHelp;
    };
    const Case cases[] = {
        {{}, "", 0, false, false},
        {{u"-safe"}, "", 0, false, false},
        {{u"--frames", u"60"}, "", 60, false, false},
        {{u"--fixed-step", u"--frames", u"1", u"-safe"}, "", 1, true, false},
        {{u"--help"}, "", 0, false, true},
        {{u"unknown", u"--fixed-step"}, "unknown switch 'unknown'", 0, false, false},
        {{u"--safe"}, "unknown switch '--safe'", 0, false, false},
        {{u"--frames"}, "--frames needs a value (N)", 0, false, false},
        {{u"--frames", u"0"}, "bad value '0' for --frames", 0, false, false},
        {{u"--frames", u"-5"}, "bad value", 0, false, false},
        {{u"--frames", u"12x"}, "bad value", 0, false, false},
        {{u"--frames", u""}, "bad value", 0, false, false},
        {{u"--frames", u"99999999999999999999"}, "bad value", 0, false, false},
        {{u"--frames", u"--fixed-step"}, "bad value", 0, false, false},
    };
    for (const Case& c : cases) {
        WideString error;
        const auto options = parseCommandLine(c.arguments, error);
        EXPECT_TRUE(toUtf8(error).starts_with(c.error)) << toUtf8(error);
        ASSERT_EQ(options.has_value(), *c.error == '\0') << c.error;
        if (!options) continue;
        EXPECT_EQ(options->frames, c.frames);
        EXPECT_EQ(options->bFixedStep, c.bFixedStep);
        EXPECT_EQ(options->bHelp, c.bHelp);
    }
    const std::string usage = toUtf8(commandLineUsage(u"game"));
    for (const char* line : {"usage: game [switch]...\n", "\n  -safe ", "\n  --frames N ", "\n  --help "})
        EXPECT_NE(usage.find(line), std::string::npos) << line << " in:\n" << usage;
}

TEST(CommandLine, TakesASeedThatFits32BitsAndTheNoDrawSwitch) {
    WideString error;
    const auto seeded = parseCommandLine({u"--seed", u"4294967295", u"--no-draw"}, error);
    ASSERT_TRUE(seeded && seeded->bNoDraw);
    EXPECT_EQ(seeded->seed, 4294967295u);
    EXPECT_FALSE(parseCommandLine({}, error)->seed);
    for (const WideString bad : {u"4294967296", u"-1", u""})
        EXPECT_FALSE(parseCommandLine({u"--seed", bad}, error)) << toUtf8(bad);
}

TEST(CommandLine, PlayTakesAWaveAndOneOrTwoPlayers) {
    struct Case {
        WideString value;
        int wave, players; // 0: refused
    };
    WideString error;
    for (const Case& c : {Case{u"1", 1, 1}, {u"110:2", 110, 2}, {u"5:1", 5, 1}, {u"0", 0, 0}, {u"111", 0, 0},
                          {u"3:3", 0, 0}, {u"3:", 0, 0}, {u":2", 0, 0}, {u"2x", 0, 0}}) {
        const auto options = parseCommandLine({u"--autopilot", u"--play", c.value, u"--invulnerable"}, error);
        ASSERT_EQ(options.has_value(), c.wave > 0) << c.wave;
        if (!options) continue;
        EXPECT_EQ(options->playWave, c.wave);
        EXPECT_EQ(options->playPlayers, c.players);
        EXPECT_TRUE(options->bAutopilot && options->bInvulnerable);
    }
}
