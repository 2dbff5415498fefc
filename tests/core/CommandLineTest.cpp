#include "core/CommandLine.h"
#include <gtest/gtest.h>

TEST(CommandLine, ReadsTheTestSwitchesAndRefusesMalformedOnes) {
    struct Case {
        std::vector<WideString> arguments;
        bool bValid;
        int frames;
        bool bFixedStep;
    };
    const Case cases[] = {
        {{}, true, 0, false},
        {{u"-safe"}, true, 0, false},
        {{u"--frames", u"60"}, true, 60, false},
        {{u"--fixed-step", u"--frames", u"1", u"-safe"}, true, 1, true},
        {{u"unknown", u"--fixed-step"}, true, 0, true},
        {{u"--frames"}, false, 0, false},
        {{u"--frames", u"0"}, false, 0, false},
        {{u"--frames", u"-5"}, false, 0, false},
        {{u"--frames", u"12x"}, false, 0, false},
        {{u"--frames", u""}, false, 0, false},
        {{u"--frames", u"99999999999999999999"}, false, 0, false},
        {{u"--frames", u"--fixed-step"}, false, 0, false},
    };
    for (const Case& c : cases) {
        const auto options = parseCommandLine(c.arguments);
        ASSERT_EQ(options.has_value(), c.bValid) << c.arguments.size();
        if (!options) continue;
        EXPECT_EQ(options->frames, c.frames);
        EXPECT_EQ(options->bFixedStep, c.bFixedStep);
    }
}
