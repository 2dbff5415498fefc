#pragma once
#include <gtest/gtest.h>
#include <filesystem>
#include <memory>
#include <string>
#include "core/StringUtil.h"
#include "core/WadArchive.h"
#include "core/WadWriter.h"
#include "media/MemoryImageFile.h"
#include "media/VekGraphics.h"
#include "platform/PlatformWindow.h"

/// An offscreen window with the graphics service on it, for drawing tests.
struct GraphicsFixture {
    explicit GraphicsFixture(int width = 640, int height = 480, bool letterbox = true) {
        std::string error;
        window = platform::PlatformWindow::open("graphics test", width, height, error);
        if (!window) ADD_FAILURE() << error;
        VekGraphics::Settings settings;
        settings.width = width;
        settings.height = height;
        settings.bAllowLetterbox = letterbox;
        settings.bVSync = false;
        graphics = std::make_unique<VekGraphics>(*window, settings);
    }

    /// The viewport as drawn so far.
    MemoryImageFile capture() {
        MemoryImageFile image(graphics->viewportWidth, graphics->getViewportHeight());
        image.pixels = graphics->readViewport();
        return image;
    }
    /// The whole window as drawn so far.
    MemoryImageFile captureWindow() {
        MemoryImageFile image(graphics->displayWidth, graphics->displayHeight);
        image.pixels = graphics->getDevice().readPixels(0, 0, graphics->displayWidth, graphics->displayHeight);
        return image;
    }

    std::unique_ptr<platform::PlatformWindow> window;
    std::unique_ptr<VekGraphics> graphics;
};

/// The folder of the reference images, next to the test sources.
inline std::filesystem::path goldenFolder() { return std::filesystem::path(__FILE__).parent_path().parent_path() / "golden"; }

/// True when both pictures have the same size and every colour channel is within `tolerance`.
inline ::testing::AssertionResult matchesImage(const MemoryImageFile& image, const MemoryImageFile& expected,
                                               int tolerance) {
    if (image.width != expected.width || image.height != expected.height)
        return ::testing::AssertionFailure() << "size " << image.width << "x" << image.height << ", expected "
                                             << expected.width << "x" << expected.height;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            for (int shift : {0, 8, 16}) {
                const int a = static_cast<int>((image.at(x, y) >> shift) & 0xFF);
                const int b = static_cast<int>((expected.at(x, y) >> shift) & 0xFF);
                if (std::abs(a - b) > tolerance)
                    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << image.at(x, y)
                                                         << ", expected " << expected.at(x, y);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

/// The stored reference of that name: a WAD archive (read with `wadtool extract`) holding one
/// run-length TGA, as the drawing is mostly flat colour and deflates to a few kilobytes.
inline std::filesystem::path goldenPath(const std::string& name) { return goldenFolder() / (name + ".wad"); }

/// Compares `image` with the stored reference of that name within `tolerance` per channel. A
/// missing reference is written from `image` (the first run makes it; it is then checked in) and
/// the comparison passes.
inline ::testing::AssertionResult matchesGolden(const MemoryImageFile& image, const std::string& name,
                                                int tolerance = 4) {
    const WideString path = fromUtf8(goldenPath(name).string());
    const WideString entryName = fromUtf8(name + ".tga");
    WideString error;
    if (!std::filesystem::exists(goldenPath(name))) {
        WadWriter writer;
        if (!writer.addEntry(entryName, image.encodeTga(), error) || !writer.write(path, error))
            return ::testing::AssertionFailure() << toUtf8(error);
        return ::testing::AssertionSuccess() << "wrote new reference " << toUtf8(path);
    }
    const std::unique_ptr<WadArchive> archive = WadArchive::open(path, error);
    const WadArchive::Entry* entry = archive ? archive->find(entryName) : nullptr;
    std::vector<uint8_t> bytes;
    if (!entry) return ::testing::AssertionFailure() << toUtf8(path) << ": no " << name << ".tga " << toUtf8(error);
    if (!archive->read(*entry, bytes, error)) return ::testing::AssertionFailure() << toUtf8(error);
    std::string decodeError;
    const std::optional<MemoryImageFile> golden = MemoryImageFile::decode(bytes, decodeError);
    if (!golden) return ::testing::AssertionFailure() << toUtf8(path) << ": " << decodeError;
    return matchesImage(image, *golden, tolerance) << " in " << name;
}
