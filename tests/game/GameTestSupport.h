#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/AppEnvironment.h"
#include "core/Context.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "core/Md5.h"
#include "core/WadWriter.h"
#include <unistd.h>
#include "game/GameGlobal.h"
#include "game/LoaderResourceTable.h"
#include "game/MenuScreens.h"
#include "media/GraphicsTestSupport.h"
#include "media/MemoryImageFile.h"
#include "media/Renderable.h"
#include "media/VekAudio.h"
#include "platform/FixedStepClock.h"

/// The entries of one test archive, by name, before they are compressed.
using TestArchive = std::vector<std::pair<std::u16string, std::vector<uint8_t>>>;

/// A picture of `frames` frames of 8 by 8 pixels side by side, with its frame list.
inline void addTestPicture(TestArchive& wad, const std::u16string& path, int frames = 30) {
    MemoryImageFile image(8 * frames, 8);
    for (auto& pixel : image.pixels)
        pixel = 0xFF8090A0;
    wad.emplace_back(path, image.encodeTga());
    std::string list;
    for (int i = 0; i < frames; ++i)
        list += "[Skin " + std::to_string(i) + "]\nx=" + std::to_string(8 * i) + "\nwidth=8\nheight=8\n";
    wad.emplace_back(path.substr(0, path.find_last_of(u'.')) + u".ini", std::vector<uint8_t>(list.begin(), list.end()));
}

/// Bytes that stand for a sound file: with delayed loading only their presence counts.
inline void addTestSound(TestArchive& wad, const std::u16string& path) {
    wad.emplace_back(path, std::vector<uint8_t>{'O', 'g', 'g', 'S'});
}

/// The test archives by file name: the main archive, the language archive and the font archives of
/// every code page; font pages only for the code pages listed in `fontCodePages`.
inline std::vector<std::pair<std::string, TestArchive>> testArchives(const std::vector<std::u16string>& fontCodePages) {
    std::vector<std::pair<std::string, TestArchive>> archives(2);
    archives[0].first = "ZV2rmBrumedemo.dat";
    TestArchive& wad = archives[0].second;
    addTestPicture(wad, u"brume-edition/gfx/gui/game/progressbar.tga", 2);
    addTestPicture(wad, u"gfx/gui/game/mousepointer.tga", 1);
    for (const LoaderResource& row : loaderResourceTable()) {
        if (row.kind == LoaderResource::Kind::Texture) {
            if (row.step != 20) addTestPicture(wad, row.file); // "bmp_sky" shares the star tile
        } else {
            addTestSound(wad, row.file);
        }
    }
    archives[1].first = "ZV2rmBrumedemo.dat.language.v2";
    addTestPicture(archives[1].second, u"gfx/system/languageflags.tga", 15);
    for (const std::u16string codePage : {u"1252", u"1250", u"Korean", u"Japanese"}) {
        TestArchive& fonts = archives.emplace_back("ZV2rmBrumedemo.dat." + toUtf8(codePage), TestArchive()).second;
        addTestSound(fonts, u"readme.txt");
        if (std::find(fontCodePages.begin(), fontCodePages.end(), codePage) == fontCodePages.end()) continue;
        for (const char16_t* font : {u"font-tiny", u"font-small", u"font-medium"}) {
            addTestPicture(fonts, u"gfx/font/" + codePage + u"/" + font + u"-1.tga", 4);
            addTestPicture(fonts, u"gfx/font/" + codePage + u"/" + font + u"-2.tga", 4);
        }
        addTestPicture(fonts, u"brume-edition/gfx/font/" + codePage + u"/font-large-1.tga", 4);
        addTestPicture(fonts, u"gfx/font/" + codePage + u"/extra-font-small-1.tga", 4);
    }
    return archives;
}

/// Writes the test archives into `folder` and returns the main archive's path. Compressing them
/// is most of a game test's time, so each set of archives is compressed once and kept in the
/// build's cache folder under the digest of its contents.
inline std::u16string writeTestArchives(const std::filesystem::path& folder,
                                        const std::vector<std::u16string>& fontCodePages = {u"1252"}) {
    const auto archives = testArchives(fontCodePages);
    Md5Context digest;
    for (const auto& [file, entries] : archives) {
        md5Update(digest, file.data(), file.size() + 1);
        for (const auto& [name, bytes] : entries) {
            md5Update(digest, name.data(), 2 * (name.size() + 1));
            md5Update(digest, bytes.data(), bytes.size());
        }
    }
    std::string key;
    for (uint8_t b : md5Final(digest)) {
        key += "0123456789abcdef"[b >> 4];
        key += "0123456789abcdef"[b & 15];
    }
#ifdef VEK_TEST_CACHE_DIR
    const std::filesystem::path cached = std::filesystem::path(VEK_TEST_CACHE_DIR) / key;
#else
    const std::filesystem::path cached = folder / key;
#endif
    if (!std::filesystem::exists(cached)) {
        // Built aside and renamed into place, so a test running beside this one never reads half of it.
        const std::filesystem::path building = cached.string() + "." + std::to_string(getpid());
        std::filesystem::create_directories(building);
        for (const auto& [file, entries] : archives) {
            WadWriter wad(1);
            WideString error;
            for (const auto& [name, bytes] : entries) EXPECT_TRUE(wad.addEntry(name, bytes, error)) << toUtf8(error);
            EXPECT_TRUE(wad.write(fromUtf8((building / file).string()), error)) << toUtf8(error);
        }
        std::error_code raced;  // another test got there first: its copy is as good
        std::filesystem::rename(building, cached, raced);
        std::filesystem::remove_all(building, raced);
    }
    for (const auto& [file, entries] : archives)
        std::filesystem::copy_file(cached / file, folder / file, std::filesystem::copy_options::overwrite_existing);
    return fromUtf8((folder / archives[0].first).string());
}

/// Screens that are plain contexts, remembering what was made.
class TestMenuScreens : public MenuScreens {
  public:
    VekBase* createThemeStandard() override { return new VekBase(); }
    VekBase* createThemeMinimal() override { return new VekBase(); }
    Context* createMenuBackground() override { return new Context(); }
    Context* createSnowfall() override { return new Context(); }
    Context* createLogo() override { return named(new Context(), "logo"); }
    Renderable* createMenuLogo() override { return new Renderable(); }
    Context* createCrashReport() override { return named(new Context(), "crash report"); }
    Context* createMainMenu() override { return named(new Context(), "main menu"); }
    Context* createHighscores() override {
        auto* highscores = named(new Context(), "high scores");
        highscores->deleteWhenClosed = true; // as the real screen
        return highscores;
    }
    Context* createLanguageSelect() override { return named(new Context(), "language select"); }
    int autodetectLanguage() override { return 0; }
    int isoCode2skinIndex(WideStringView) override { return 0; }
    Context* createPause() override { return closable(named(new Context(), "pause")); }
    Context* createQuestion(WideStringView, WideStringView, WideStringView, int32_t*) override {
        return closable(named(new Context(), "question"));
    }

    std::vector<std::pair<Context*, std::string>>* pMade = nullptr;

  private:
    static Context* closable(Context* c) {
        c->deleteWhenClosed = true;
        return c;
    }
    Context* named(Context* c, const char* name) {
        if (pMade) pMade->emplace_back(c, name);
        return c;
    }
};

/// A fixed-step engine with graphics and silent audio with delayed loading, in a temporary
/// user-data folder, with the test archives written there.
struct GameTestEngine {
    TempDataHome home;
    GraphicsFixture graphics;
    std::unique_ptr<VekAudio> audio;
    platform::FixedStepClock* pClock = nullptr;
    std::unique_ptr<Vek> vek;
    std::u16string mainArchive;

    explicit GameTestEngine(const std::vector<std::u16string>& fontCodePages = {u"1252"}) {
        Vek::Options options;
        options.bFixedStep = true;
        auto clock = std::make_unique<platform::FixedStepClock>();
        pClock = clock.get();
        options.pClock = std::move(clock);
        vek = std::make_unique<Vek>(std::move(options));
        audio = std::make_unique<VekAudio>(true, VekAudio::DEFAULT_FREQUENCY, &vek->getUserSettings());
        audio->setDelayedLoad(true);
        mainArchive = writeTestArchives(home.path(), fontCodePages);
    }
    ~GameTestEngine() {
        vek.reset();
        audio.reset();
    }

    std::string log() const { return readText(toUtf8(getLogPath())); }
};
