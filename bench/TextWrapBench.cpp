#include <benchmark/benchmark.h>
#include "media/TextLine.h"

// The word wrap of a server reply as the message log lays it out: Arg 0 is the reply's size in
// kB (one unit per byte, as an ASCII reply decodes), Arg 1 says whether its words are 7
// letters and a blank (1) or the whole reply is one run without a blank (0). The width is the
// log's on a 640-unit screen; the measure adds a per-unit advance as the bitmap fonts do
// ("W" 11, a blank 4). "s_per_line" is the time per line made (u: microseconds); a frame has 16,667 us.

namespace {

constexpr float WRAP_WIDTH = 630.f;
constexpr float LINE_HEIGHT = 16.f;
constexpr std::size_t WORD_LENGTH = 8;

float measureUnits(WideStringView text) {
    float width = 0.f;
    for (const char16_t unit : text)
        width += unit == u' ' ? 4.f : 11.f;
    return width;
}

WideString makeReply(std::size_t units, bool bBlanks) {
    WideString reply(units, u'W');
    if (bBlanks)
        for (std::size_t i = WORD_LENGTH - 1; i < units; i += WORD_LENGTH)
            reply[i] = u' ';
    return reply;
}

} // namespace

static void BM_WrapReply(benchmark::State& state) {
    const WideString reply = makeReply(static_cast<std::size_t>(state.range(0)) * 1024, state.range(1) != 0);
    const TextLine::Measure measure = measureUnits;
    std::size_t lines = 0;
    for (auto _ : state) {
        const std::vector<TextLine> wrapped = TextLine::wrap(reply, WRAP_WIDTH, LINE_HEIGHT, measure, false);
        lines = wrapped.size();
        benchmark::DoNotOptimize(wrapped.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["s_per_line"] =
        benchmark::Counter(static_cast<double>(lines) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WrapReply)
    ->ArgNames({"kB", "blanks"})
    ->ArgsProduct({{10, 100, 1024}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
