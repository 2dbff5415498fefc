#include <filesystem>
#include "BenchGame.h"
#include "core/AppEnvironment.h"
#include "core/ByteBuffer.h"
#include "menus/ContextOnlinePage.h"
#include "menus/MessageViewer.h"

// A server's reply from its bytes to the lines of the online screens' message log, as the frame
// that receives it makes them, in the game's medium font: Arg 0 is the reply (0: a megabyte of
// line feeds, 1: a megabyte without a blank or line feed, 2: a megabyte of 7-letter words,
// 3: a thanks of two lines). The time is the frame's share (a frame has 33 ms at the game's
// 30 frames per second); "logKB" is what the reply adds to the log.

namespace {

constexpr std::size_t MEGABYTE = 1 << 20;
constexpr std::size_t WORD_LENGTH = 8;

std::string makeReply(int kind) {
    switch (kind) {
    case 0: return std::string(MEGABYTE, '\n');
    case 1: return std::string(MEGABYTE, 'W');
    case 2: {
        std::string words(MEGABYTE, 'W');
        for (std::size_t i = WORD_LENGTH - 1; i < words.size(); i += WORD_LENGTH)
            words[i] = ' ';
        return words;
    }
    default: return "Thank you!\r\nReceived 10 scores; the best is 100000.\r\n";
    }
}

} // namespace

static void BM_ShowReply(benchmark::State& state) {
    BenchGame bench(state, "reply benchmark");
    if (!bench.game) return;
    const std::string bytes = makeReply(static_cast<int>(state.range(0)));
    const ByteBuffer reply(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()));
    const std::filesystem::path log = toUtf8(getLogPath());
    const auto logBefore = std::filesystem::file_size(log);
    for (auto _ : state) {
        MessageViewer viewer;
        viewer.addPlainText(ContextOnlinePage::replyText(reply));
        benchmark::DoNotOptimize(viewer.getLines().data());
    }
    state.counters["logKB"] = static_cast<double>(std::filesystem::file_size(log) - logBefore) / 1024.0 /
                              static_cast<double>(state.iterations());
}
BENCHMARK(BM_ShowReply)->ArgName("reply")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
