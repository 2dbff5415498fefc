#pragma once
#include <gtest/gtest.h>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
#include "TempDataHome.h"
#include "core/AppEnvironment.h"
#include "core/Context.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "core/WadWriter.h"
#include "game/GameGlobal.h"
#include "game/LoaderResourceTable.h"
#include "game/MenuScreens.h"
#include "media/GraphicsTestSupport.h"
#include "media/MemoryImageFile.h"
#include "media/VekAudio.h"
#include "platform/FixedStepClock.h"

/// A picture of `frames` frames of 8 by 8 pixels side by side, with its frame list.
inline void addTestPicture(WadWriter& wad, const std::u16string& path, int frames = 30) {
    MemoryImageFile image(8 * frames, 8);
    for (auto& pixel : image.pixels)
        pixel = 0xFF8090A0;
    WideString error;
    EXPECT_TRUE(wad.addEntry(path, image.encodeTga(), error)) << toUtf8(error);
    std::string list;
    for (int i = 0; i < frames; ++i)
        list += "[Skin " + std::to_string(i) + "]\nx=" + std::to_string(8 * i) + "\nwidth=8\nheight=8\n";
    const std::u16string listPath = path.substr(0, path.find_last_of(u'.')) + u".ini";
    EXPECT_TRUE(wad.addEntry(listPath, std::vector<uint8_t>(list.begin(), list.end()), error))
        << toUtf8(error);
}

/// Bytes that stand for a sound file: with delayed loading only their presence counts.
inline void addTestSound(WadWriter& wad, const std::u16string& path) {
    WideString error;
    EXPECT_TRUE(wad.addEntry(path, {'O', 'g', 'g', 'S'}, error)) << toUtf8(error);
}

/// The main archive, the language archive and the font archives of every code page, in
/// `folder`; font pages only for the code pages listed in `fontCodePages`.
inline std::u16string writeTestArchives(const std::filesystem::path& folder,
                                        const std::vector<std::u16string>& fontCodePages = {u"1252"}) {
    const std::u16string main = fromUtf8((folder / "ZV2rmBrumedemo.dat").string());
    WadWriter wad(1);
    addTestPicture(wad, u"brume-edition/gfx/gui/game/progressbar.tga", 2);
    addTestPicture(wad, u"gfx/gui/game/mousepointer.tga", 1);
    for (const LoaderResource& row : loaderResourceTable()) {
        if (row.kind == LoaderResource::Kind::Texture) {
            if (row.step != 20) addTestPicture(wad, row.file); // "bmp_sky" shares the star tile
        } else {
            addTestSound(wad, row.file);
        }
    }
    WideString error;
    EXPECT_TRUE(wad.write(main, error)) << toUtf8(error);
    WadWriter language(1);
    addTestPicture(language, u"gfx/system/languageflags.tga", 15);
    EXPECT_TRUE(language.write(main + u".language.v2", error)) << toUtf8(error);
    for (const std::u16string codePage : {u"1252", u"1250", u"Korean", u"Japanese"}) {
        WadWriter fonts(1);
        addTestSound(fonts, u"readme.txt");
        if (std::find(fontCodePages.begin(), fontCodePages.end(), codePage) != fontCodePages.end()) {
            for (const char16_t* font : {u"font-tiny", u"font-small", u"font-medium"}) {
                addTestPicture(fonts, u"gfx/font/" + codePage + u"/" + font + u"-1.tga", 4);
                addTestPicture(fonts, u"gfx/font/" + codePage + u"/" + font + u"-2.tga", 4);
            }
            addTestPicture(fonts, u"brume-edition/gfx/font/" + codePage + u"/font-large-1.tga", 4);
            addTestPicture(fonts, u"gfx/font/" + codePage + u"/extra-font-small-1.tga", 4);
        }
        EXPECT_TRUE(fonts.write(main + u"." + codePage, error)) << toUtf8(error);
    }
    return main;
}

/// Screens that are plain contexts, remembering what was made.
class TestMenuScreens : public MenuScreens {
  public:
    VekBase* createThemeStandard() override { return new VekBase(); }
    VekBase* createThemeMinimal() override { return new VekBase(); }
    Context* createMenuBackground() override { return new Context(); }
    Context* createSnowfall() override { return new Context(); }
    Context* createLogo() override { return named(new Context(), "logo"); }
    Context* createMainMenu() override { return named(new Context(), "main menu"); }
    Context* createQuestion(WideStringView, WideStringView, WideStringView, int32_t*) override {
        auto* question = named(new Context(), "question");
        question->deleteWhenClosed = true;
        return question;
    }

    std::vector<std::pair<Context*, std::string>>* pMade = nullptr;

  private:
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
        audio = std::make_unique<VekAudio>(true);
        audio->setDelayedLoad(true);
        mainArchive = writeTestArchives(home.path(), fontCodePages);
    }
    ~GameTestEngine() {
        vek.reset();
        audio.reset();
    }

    std::string log() const { return readTextFile(toUtf8(getLogPath())); }

    static std::string readTextFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};
