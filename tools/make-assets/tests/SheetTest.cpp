// Frame packing, the colour conversion out of Cairo, and frame lists as the engine reads them.
#include <gtest/gtest.h>
#include "Sheet.h"
#include "core/MemoryIniFile.h"
#include "core/StringUtil.h"
#include "media/Texture.h"

namespace {

bool overlaps(const FrameRect& a, const FrameRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

TEST(Sheet, PacksFramesInOrderIntoRowsWithoutOverlap) {
    struct Case {
        const char* name;
        std::vector<FrameRect> sizes;
        int maxWidth;
        int expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {"one row", {{0, 0, 10, 5}, {0, 0, 20, 8}}, 100, 30, 8},
        {"wraps at the width", {{0, 0, 40, 10}, {0, 0, 40, 12}, {0, 0, 40, 6}}, 100, 80, 18},
        {"wider than the sheet gets its own row", {{0, 0, 10, 4}, {0, 0, 300, 4}, {0, 0, 10, 4}}, 100, 300, 12},
        {"exactly full row", {{0, 0, 50, 3}, {0, 0, 50, 3}, {0, 0, 1, 3}}, 100, 100, 6},
    };
    for (const Case& c : cases) {
        std::vector<int> painted;
        const TexturePicture picture = paintSheet(c.sizes, [&](cairo_t*, int index, double w, double h) {
            painted.push_back(index);
            EXPECT_EQ(w, c.sizes[static_cast<std::size_t>(index)].width) << c.name;
            EXPECT_EQ(h, c.sizes[static_cast<std::size_t>(index)].height) << c.name;
        }, c.maxWidth);
        EXPECT_EQ(picture.image.width, c.expectedWidth) << c.name;
        EXPECT_EQ(picture.image.height, c.expectedHeight) << c.name;
        ASSERT_EQ(picture.frames.size(), c.sizes.size()) << c.name;
        for (std::size_t i = 0; i < picture.frames.size(); ++i) {
            EXPECT_EQ(painted[i], static_cast<int>(i)) << c.name;
            const FrameRect& f = picture.frames[i];
            EXPECT_LE(f.x + f.width, picture.image.width) << c.name;
            EXPECT_LE(f.y + f.height, picture.image.height) << c.name;
            for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(overlaps(f, picture.frames[j])) << c.name << " " << i << "/" << j;
        }
    }
}

TEST(Sheet, StoresStraightAlphaAndKeepsEachFrameToItself) {
    const TexturePicture picture = paintFrames(2, 4, 4, [](cairo_t* cr, int index, double, double) {
        // Frame 0 half-transparent red; frame 1 paints far outside its area, which must not leak.
        cairo_set_source_rgba(cr, 1, 0, 0, index == 0 ? 0.5 : 1.0);
        if (index == 0) cairo_paint(cr);
        else {
            cairo_rectangle(cr, -100, -100, 50, 50);
            cairo_fill(cr);
        }
    });
    const uint32_t pixel = picture.image.at(1, 1);
    EXPECT_NEAR(int(pixel >> 24), 128, 1);
    EXPECT_EQ((pixel >> 16) & 0xFF, 0xFFu);
    EXPECT_EQ(pixel & 0xFFFF, 0u);
    EXPECT_EQ(picture.image.at(5, 1), 0u);
}

TEST(Sheet, FrameListsReadBackThroughTheEnginesParser) {
    const std::vector<FrameRect> frames = {{0, 0, 32, 16}, {32, 0, 8, 16, -4, 8}, {0, 16, 40, 1}};
    const std::string text = frameListText(frames);
    std::vector<Texture::Frame> parsed;
    WideString error;
    ASSERT_TRUE(Texture::parseFrames(MemoryIniFile(fromUtf8(text)), 40, 17, parsed, error)) << toUtf8(error);
    ASSERT_EQ(parsed.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(parsed[i].rect.left, frames[i].x);
        EXPECT_EQ(parsed[i].rect.top, frames[i].y);
        EXPECT_EQ(parsed[i].rect.right, frames[i].x + frames[i].width);
        EXPECT_EQ(parsed[i].rect.bottom, frames[i].y + frames[i].height);
        EXPECT_EQ(parsed[i].origin.x, frames[i].originX);
        EXPECT_EQ(parsed[i].origin.y, frames[i].originY);
    }
}

TEST(Sheet, FrameListPathReplacesOnlyTheFilesExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"gfx/zv2rm/fighter.tga", "gfx/zv2rm/fighter.ini"},
        {"gfx/zv2rm/salmonsky-tile.jpg", "gfx/zv2rm/salmonsky-tile.ini"},
        {"gfx/font/v1.2/page", "gfx/font/v1.2/page.ini"},
        {"plain", "plain.ini"},
    };
    for (const auto& [picture, list] : cases) EXPECT_EQ(frameListPath(picture), list) << picture;
}
