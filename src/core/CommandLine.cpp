#include "core/CommandLine.h"
#include <algorithm>
#include "core/Format.h"

namespace {

constexpr int MAX_FRAMES = 1000000000;
constexpr int LAST_WAVE = 110;
constexpr int MAX_PLAYERS = 2;

/// One switch: its name, the value it takes (null: none), its line in the usage, and what it
/// sets; `apply` refuses a malformed value. A new switch is a new row.
struct Switch {
    const char16_t* name;
    const char16_t* valueName;
    const char16_t* help;
    bool (*apply)(CommandLineOptions& options, WideStringView value);
};

// A decimal whole number of at most ten digits, nothing else.
std::optional<long long> parseDigits(WideStringView text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    long long value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

std::optional<int> parseFrameCount(WideStringView text) {
    const auto value = parseDigits(text);
    if (!value || *value <= 0 || *value > MAX_FRAMES) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<uint32_t> parseSeed(WideStringView text) {
    const auto value = parseDigits(text);
    if (!value || *value > UINT32_MAX) return std::nullopt;
    return static_cast<uint32_t>(*value);
}

// "W" or "W:P".
bool parsePlay(CommandLineOptions& options, WideStringView text) {
    const std::size_t colon = text.find(u':');
    const auto wave = parseDigits(text.substr(0, colon));
    const auto players =
        colon == WideStringView::npos ? std::optional<long long>(1) : parseDigits(text.substr(colon + 1));
    if (!wave || *wave < 1 || *wave > LAST_WAVE || !players || *players < 1 || *players > MAX_PLAYERS) return false;
    options.playWave = static_cast<int>(*wave);
    options.playPlayers = static_cast<int>(*players);
    return true;
}

constexpr Switch SWITCHES[] = {
    {u"-safe", nullptr, u"run in an 800 by 600 window, for this run only",
     [](CommandLineOptions&, WideStringView) { return true; }},
    {u"--frames", u"N", u"quit after N frames with status 0",
     [](CommandLineOptions& options, WideStringView value) {
         const std::optional<int> frames = parseFrameCount(value);
         options.frames = frames.value_or(0);
         return frames.has_value();
     }},
    {u"--fixed-step", nullptr, u"every frame advances exactly one tick step, without sleeping",
     [](CommandLineOptions& options, WideStringView) { return options.bFixedStep = true; }},
    {u"--seed", u"N", u"start the random generator at N (0 to 4294967295)",
     [](CommandLineOptions& options, WideStringView value) {
         options.seed = parseSeed(value);
         return options.seed.has_value();
     }},
    {u"--no-draw", nullptr, u"run every frame's updates but draw nothing",
     [](CommandLineOptions& options, WideStringView) { return options.bNoDraw = true; }},
    {u"--play", u"W[:P]", u"skip the menus: a game at wave W (1 to 110) with P players (1 or 2); quit at its end",
     parsePlay},
    {u"--autopilot", nullptr, u"the fighters fly themselves; fire is pressed on other screens",
     [](CommandLineOptions& options, WideStringView) { return options.bAutopilot = true; }},
    {u"--invulnerable", nullptr, u"the fighters keep their lives",
     [](CommandLineOptions& options, WideStringView) { return options.bInvulnerable = true; }},
    {u"--help", nullptr, u"print this and exit",
     [](CommandLineOptions& options, WideStringView) { return options.bHelp = true; }},
};

}  // namespace

std::optional<CommandLineOptions> parseCommandLine(const std::vector<WideString>& arguments,
                                                   WideString& error) {
    CommandLineOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const auto known = std::find_if(std::begin(SWITCHES), std::end(SWITCHES),
                                        [&](const Switch& each) { return arguments[i] == each.name; });
        if (known == std::end(SWITCHES)) {
            error = stringf(u"unknown switch '%s'", arguments[i]);
            return std::nullopt;
        }
        WideStringView value;
        if (known->valueName) {
            if (i + 1 >= arguments.size()) {
                error = stringf(u"%s needs a value (%s)", known->name, known->valueName);
                return std::nullopt;
            }
            value = arguments[++i];
        }
        if (!known->apply(options, value)) {
            error = stringf(u"bad value '%s' for %s", value, known->name);
            return std::nullopt;
        }
    }
    return options;
}

WideString commandLineUsage(WideStringView program) {
    WideString usage = stringf(u"usage: %s [switch]...\n", program);
    for (const Switch& each : SWITCHES) {
        const WideString form =
            each.valueName ? stringf(u"%s %s", each.name, each.valueName) : WideString(each.name);
        usage += stringf(u"  %-16s %s\n", form, each.help);
    }
    return usage;
}
