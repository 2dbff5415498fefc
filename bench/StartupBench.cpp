#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>
#include "VorbisTestFile.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "core/WadWriter.h"
#include "game/ContextManager.h"
#include "game/GameGlobal.h"
#include "game/Loader.h"
#include "game/LoaderResourceTable.h"
#include "media/MemoryImageFile.h"
#include "media/VekAudio.h"
#include "media/VekMedia.h"
#include "menus/GameMenuScreens.h"
#include "platform/PlatformWindow.h"

// Start-up of the whole game root on a set of archives like the shipped ones (every picture
// 256 x 256 pixels in 16 frames, every sound one second of Vorbis, every font two pages):
// engine root with offscreen graphics and silent audio, game root, and frames until the
// loader's last step is done. Measured with delayed loading of sounds on (argument 1) and off
// (argument 0). Each iteration is one start-up in wall-clock time.

namespace {

void addPicture(WadWriter& wad, const std::u16string& path) {
    constexpr int FRAMES = 16;
    constexpr int SIZE = 64;
    MemoryImageFile image(SIZE * 4, SIZE * 4);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = 0xFF000000u | static_cast<uint32_t>(i * 2654435761u);
    WideString error;
    wad.addEntry(path, image.encodeTga(), error);
    std::string list;
    for (int i = 0; i < FRAMES; ++i)
        list += "[Skin " + std::to_string(i) + "]\nx=" + std::to_string(SIZE * (i % 4)) +
                "\ny=" + std::to_string(SIZE * (i / 4)) + "\nwidth=64\nheight=64\n";
    wad.addEntry(path.substr(0, path.find_last_of(u'.')) + u".ini",
                 std::vector<uint8_t>(list.begin(), list.end()), error);
}

std::u16string writeArchives(const std::filesystem::path& folder) {
    std::vector<float> tone(2 * 22050);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.3f * std::sin(static_cast<float>(i) * 0.05f);
    const std::vector<uint8_t> sound = encodeVorbis(tone, 2, 22050);
    const std::u16string main = fromUtf8((folder / "ZV2rmBrumedemo.dat").string());
    WadWriter wad(1);
    WideString error;
    addPicture(wad, u"brume-edition/gfx/gui/game/progressbar.tga");
    addPicture(wad, u"gfx/gui/game/mousepointer.tga");
    for (const LoaderResource& row : loaderResourceTable()) {
        if (row.kind != LoaderResource::Kind::Texture)
            wad.addEntry(row.file, sound, error);
        else if (row.step != 20)
            addPicture(wad, row.file);
    }
    wad.write(main, error);
    WadWriter language(1);
    addPicture(language, u"gfx/system/languageflags.tga");
    language.write(main + u".language.v2", error);
    for (const std::u16string codePage : {u"1252", u"1250", u"Korean", u"Japanese"}) {
        WadWriter fonts(1);
        for (const char16_t* font : {u"font-tiny", u"font-small", u"font-medium"})
            for (const char16_t* page : {u"-1.tga", u"-2.tga"})
                addPicture(fonts, u"gfx/font/" + codePage + u"/" + font + page);
        addPicture(fonts, u"brume-edition/gfx/font/" + codePage + u"/font-large-1.tga");
        fonts.write(main + u"." + codePage, error);
    }
    return main;
}

void BM_StartUp(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char pattern[] = "/tmp/vek-bench-XXXXXX";
    const std::filesystem::path folder = mkdtemp(pattern);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    const std::u16string archive = writeArchives(folder);
    std::string error;
    auto window = platform::PlatformWindow::open("start-up benchmark", 0, 0, 640, 480, error);
    if (!window) {
        state.SkipWithError(error.c_str());
        return;
    }
    int frames = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Vek::Options options;
        options.createMedia = [&window] { return std::make_unique<VekMedia>(*window); };
        auto engine = std::make_unique<Vek>(std::move(options));
        engine->bEnableDelayedLoad = state.range(0) != 0;
        VekMedia::get()->getAudio().setDelayedLoad(engine->bEnableDelayedLoad);
        auto game = std::make_unique<GameGlobal>(std::make_unique<GameMenuScreens>(), archive);
        game->initPreLoader();
        auto* loader = static_cast<Loader*>(game->contextManager->getChildren().getHead());
        frames = 0;
        while (loader->step < Loader::STEP_COUNT) {
            engine->frame(game->getRootContext());
            ++frames;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        game.reset();
        engine.reset();
    }
    state.counters["frames"] = frames;
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_StartUp)->Arg(1)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
