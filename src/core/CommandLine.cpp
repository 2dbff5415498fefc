#include "core/CommandLine.h"

namespace {

constexpr int MAX_FRAMES = 1000000000;

std::optional<int> parseFrameCount(WideStringView text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    long long value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    if (value <= 0 || value > MAX_FRAMES) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::optional<CommandLineOptions> parseCommandLine(const std::vector<WideString>& arguments) {
    CommandLineOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--fixed-step") {
            options.bFixedStep = true;
        } else if (arguments[i] == u"--frames") {
            if (i + 1 >= arguments.size()) return std::nullopt;
            const auto frames = parseFrameCount(arguments[++i]);
            if (!frames) return std::nullopt;
            options.frames = *frames;
        }
    }
    return options;
}
