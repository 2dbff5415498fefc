#include <gtest/gtest.h>
#include <SDL.h>
#include "GraphicsTestSupport.h"
#include <fstream>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/FileManager.h"
#include "core/MemoryIniFile.h"
#include "core/StringUtil.h"
#include "core/WadWriter.h"
#include "media/Renderable.h"
#include "media/Texture.h"

namespace {

void writeArchive(const std::filesystem::path& file,
                  const std::vector<std::pair<const char16_t*, std::vector<uint8_t>>>& entries) {
    WadWriter writer(1);
    WideString error;
    for (const auto& [name, bytes] : entries)
        ASSERT_TRUE(writer.addEntry(name, bytes, error));
    ASSERT_TRUE(writer.write(fromUtf8(file.string()), error));
}

bool parse(const char16_t* text, std::vector<Texture::Frame>& frames, WideString& error) {
    return Texture::parseFrames(MemoryIniFile(text), 128, 64, frames, error);
}

}  // namespace

TEST(Texture, FrameListReadsSectionsInOrderUntilTheFirstGap) {
    std::vector<Texture::Frame> frames;
    WideString error;
    ASSERT_TRUE(parse(u"[Skin 0]\nx=0\ny=0\nwidth=64\nheight=48\n"
                      u"[Skin 1]\nx=64\ny=16\nwidth=64\nheight=48\noriginX=-3\noriginY=5\n"
                      u"[Skin 3]\nwidth=1\nheight=1\n",  // after the gap: not read
                      frames, error))
        << toUtf8(error);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_FLOAT_EQ(frames[1].rect.left, 64);
    EXPECT_FLOAT_EQ(frames[1].rect.top, 16);
    EXPECT_FLOAT_EQ(frames[1].rect.right, 128);
    EXPECT_FLOAT_EQ(frames[1].rect.bottom, 64);
    EXPECT_FLOAT_EQ(frames[1].origin.x, -3);
    EXPECT_FLOAT_EQ(frames[1].origin.y, 5);
    EXPECT_TRUE(parse(u"; no frames\n", frames, error));
    EXPECT_TRUE(frames.empty());
}

TEST(Texture, MalformedFrameListsAreRefusedWithAReason) {
    const char16_t* bad[] = {
        u"[Skin 0]\nwidth=0\nheight=10\n",                       // empty frame
        u"[Skin 0]\nwidth=10\nheight=-1\n",
        u"[Skin 0]\nx=120\nwidth=10\nheight=10\n",               // past the right edge
        u"[Skin 0]\ny=60\nwidth=10\nheight=10\n",                // past the bottom
        u"[Skin 0]\nx=-1\nwidth=10\nheight=10\n",
        u"[Skin 0]\nx=2147483647\nwidth=2147483647\nheight=1\n", // would wrap in 32 bits
        u"[Skin 0]\nwidth=ten\nheight=10\n",
        u"[Skin 0]\nwidth=10\nheight=10\noriginX=1.5\n",
        u"[Skin 0]\nwidth=99999999999\nheight=10\n",
    };
    for (const char16_t* text : bad) {
        std::vector<Texture::Frame> frames;
        WideString error;
        EXPECT_FALSE(parse(text, frames, error)) << toUtf8(text);
        EXPECT_FALSE(error.empty());
    }
}

TEST(Texture, ReloadAfterAResetDrawsThePictureAgain) {
    GraphicsFixture fixture;
    MemoryImageFile picture(4, 4);
    for (uint32_t& pixel : picture.pixels) pixel = 0xFF00C0FF;
    Texture texture(*fixture.graphics, picture, {}, Texture::TEXTURE_POINT_SAMPLED);
    Renderable sprite;
    texture.skins[0]->setSize(640, 480);
    sprite.setSkin(texture.skins[0]);
    // Same size: the offscreen driver's drawing surface cannot grow with its window.
    fixture.graphics->changePresentationParameters(-1, -1, false, false, true, false);
    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET; // and the device lost its textures
    SDL_PushEvent(&reset);
    ASSERT_TRUE(fixture.graphics->needsRestart());
    fixture.graphics->restartDevice();
    fixture.graphics->beginScene();
    sprite.render();
    const MemoryImageFile frame = fixture.capture();
    EXPECT_EQ(frame.at(10, 10) & 0xFFFFFF, 0x00C0FFu);
    EXPECT_EQ(frame.at(frame.width - 1, frame.height - 1) & 0xFFFFFF, 0x00C0FFu);
}

TEST(Texture, LoadsThePictureAndItsFrameListThroughTheFileManager) {
    TempDataHome home;
    GraphicsFixture fixture;
    FileManager files;
    files.bUseWad = false;
    writeBytes(home.path() / "sheet.tga", MemoryImageFile(64, 32).encodeTga());
    writeText(home.path() / "sheet.ini", "[Skin 0]\nwidth=32\nheight=32\n[Skin 1]\nx=32\nwidth=32\nheight=32\noriginX=4\n");
    writeBytes(home.path() / "plain.tga", MemoryImageFile(8, 4).encodeTga());

    Texture sheet(fromUtf8((home.path() / "sheet.tga").string()), 0);
    ASSERT_EQ(sheet.skins.size(), 2u);
    EXPECT_FLOAT_EQ(sheet.skins[1]->getSource().left, 32);
    EXPECT_FLOAT_EQ(sheet.skins[1]->origin.x, 4);
    Texture twin(fromUtf8((home.path() / "sheet.tga").string()), 0);  // one device copy, frames of its own
    EXPECT_EQ(twin.getDeviceTexture(), sheet.getDeviceTexture());
    ASSERT_EQ(twin.skins.size(), 2u);
    EXPECT_NE(twin.skins[1], sheet.skins[1]);
    Texture plain(fromUtf8((home.path() / "plain.tga").string()), 0);  // without frames: one covering it
    ASSERT_EQ(plain.skins.size(), 1u);
    EXPECT_FLOAT_EQ(plain.skins[0]->width, 8);
    EXPECT_FLOAT_EQ(plain.skins[0]->height, 4);
    EXPECT_EQ(plain.skins[0]->getTexture(), &plain);
    EXPECT_EQ(plain.skins[0]->getAnchor(), Quad::CENTRE);
}

TEST(Texture, MissingCorruptOrBadlyFramedPicturesAreFatalNamingArchiveAndEntry) {
    TempDataHome home;
    const std::string archive = (home.path() / "game.dat").string(),
                      frames = "[Skin 0]\nwidth=32\nheight=32\n";
    writeArchive(archive, {{u"corrupt.tga", {1, 2, 3}},
                           {u"framed.tga", MemoryImageFile(16, 16).encodeTga()},
                           {u"framed.ini", {frames.begin(), frames.end()}}});
    const std::pair<const char16_t*, std::string> cases[] = {
        {u"missing.tga", "Could not open texture 'missing.tga' (in none of the archives '" + archive + "')."},
        {u"corrupt.tga", "Could not read texture 'corrupt.tga' in the archive '" + archive + "': "},
        {u"framed.tga", "Bad frame list 'framed.ini' in the archive '" + archive + "': "}};
    for (const auto& [entry, message] : cases) {
        EXPECT_DEATH(
            {
                GraphicsFixture fixture;
                FileManager files;
                files.useWad(fromUtf8(archive));
                Texture texture(entry, 0);
            },
            literalPattern(message));
    }
}
