#include "media/VekGraphics.h"
#include <algorithm>
#include <cmath>
#include <filesystem>
#include "core/AppEnvironment.h"
#include "core/Camera.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/UserSettings.h"
#include "media/MemoryImageFile.h"
#include "media/Texture.h"
#include "platform/FileIo.h"
#include "platform/PlatformWindow.h"

namespace {

VekGraphics* current = nullptr;

constexpr int SCREENSHOT_QUALITY = 90;
constexpr uint32_t BAR_COLOR = 0xFF000000; // letterbox and pillarbox bars
constexpr int MAX_MODE_SIZE = 16384;       // beyond any display: a damaged setting
constexpr int SAFE_WIDTH = 800;            // "-safe": this window size, windowed, for the run
constexpr int SAFE_HEIGHT = 600;

std::vector<VideoMode> sortedModes(const std::vector<std::pair<int, int>>& listed) {
    std::vector<VideoMode> modes;
    modes.push_back(
        {VekGraphics::LOGICAL_WIDTH, VekGraphics::LOGICAL_HEIGHT}); // always offered: the safe mode
    for (const auto& [width, height] : listed) {
        if (width >= VekGraphics::LOGICAL_WIDTH && height >= VekGraphics::LOGICAL_HEIGHT)
            modes.push_back({width, height});
    }
    std::sort(modes.begin(), modes.end(), [](const VideoMode& a, const VideoMode& b) {
        return a.width != b.width ? a.width < b.width : a.height < b.height;
    });
    modes.erase(std::unique(modes.begin(), modes.end(),
                            [](const VideoMode& a, const VideoMode& b) {
                                return a.width == b.width && a.height == b.height;
                            }),
                modes.end());
    return modes;
}

} // namespace

WideString VideoMode::toString() const {
    return stringf(u"%d x %d", width, height);
}

ScreenLayout ScreenLayout::compute(int displayWidth, int displayHeight, bool allowLetterbox) {
    ScreenLayout layout;
    displayWidth = std::max(displayWidth, 1);
    displayHeight = std::max(displayHeight, 1);
    const int64_t wide =
        int64_t{displayWidth} * VekGraphics::LOGICAL_HEIGHT; // compare aspects without rounding
    const int64_t tall = int64_t{displayHeight} * VekGraphics::LOGICAL_WIDTH;
    if (!allowLetterbox) {
        layout.viewportWidth = displayWidth;
        layout.viewportHeight = displayHeight;
        if (wide > tall) layout.screenWidth = static_cast<int>(std::lround(double(wide) / displayHeight));
        if (tall > wide) layout.screenHeight = static_cast<int>(std::lround(double(tall) / displayWidth));
        return layout;
    }
    if (wide > tall) { // wider than 4:3: bars left and right
        layout.viewportHeight = displayHeight;
        layout.viewportWidth = static_cast<int>(tall / VekGraphics::LOGICAL_HEIGHT);
        layout.viewportX = (displayWidth - layout.viewportWidth) / 2;
    } else { // taller (or exact): bars above and below
        layout.viewportWidth = displayWidth;
        layout.viewportHeight = static_cast<int>(wide / VekGraphics::LOGICAL_WIDTH);
        layout.viewportY = (displayHeight - layout.viewportHeight) / 2;
    }
    return layout;
}

VekGraphics::Settings VekGraphics::readSettings(UserSettings& userSettings) {
    Settings read;
    read.width = userSettings.getInt(SETTINGS_SECTION, u"videoModeWidth", LOGICAL_WIDTH);
    read.height = userSettings.getInt(SETTINGS_SECTION, u"videoModeHeight", LOGICAL_HEIGHT);
    read.bFullScreen = userSettings.getBool(SETTINGS_SECTION, FULL_SCREEN_KEY, true);
    if (read.width < LOGICAL_WIDTH || read.height < LOGICAL_HEIGHT || read.width > MAX_MODE_SIZE ||
        read.height > MAX_MODE_SIZE) {
        read.width = LOGICAL_WIDTH;  // a damaged setting must not keep the display from opening
        read.height = LOGICAL_HEIGHT;
        userSettings.setInt(SETTINGS_SECTION, u"videoModeWidth", read.width);
        userSettings.setInt(SETTINGS_SECTION, u"videoModeHeight", read.height);
    }
    return read;
}

VekGraphics::VekGraphics(platform::PlatformWindow& platformWindow, const Settings& initial,
                         UserSettings* userSettings)
    : window(platformWindow), pUserSettings(userSettings), settings(initial), savedWidth(initial.width),
      savedHeight(initial.height), bSavedFullScreen(initial.bFullScreen),
      bSafeMode(hasProgramArgument(u"-safe")) {
    if (bSafeMode) {
        settings.width = SAFE_WIDTH;
        settings.height = SAFE_HEIGHT;
        settings.bFullScreen = false;
    }
    videoModes = sortedModes(window.listDisplayModes());
    applyDisplayMode();
    std::string error;
    pDevice = platform::RenderDevice::create(window.getSdlWindow(), settings.bVSync, error);
    if (!pDevice) VEK_ERROR(u"Could not open the graphics device: %s", fromUtf8(error));
    updateLayout();
    current = this;
    VEK_LOG(u"Display %d x %d%s, screen %d x %d units, viewport %d pixels wide.", displayWidth, displayHeight,
            bFullScreen ? u" full screen" : u"", screenWidth, screenHeight, viewportWidth);
}

VekGraphics::~VekGraphics() {
    if (current == this) current = nullptr;
    batch.forgetStates();
    pDevice.reset();
}

VekGraphics* VekGraphics::get() {
    return current;
}

void VekGraphics::applyDisplayMode() {
    std::string error;
    if (settings.bFullScreen && !window.setDisplayMode(settings.width, settings.height, true, error)) {
        VEK_LOG(u"The display refused %d x %d full screen (%s); opening a window instead.", settings.width,
                settings.height, fromUtf8(error));
        settings.bFullScreen = false;
    }
    if (!settings.bFullScreen && !window.setDisplayMode(settings.width, settings.height, false, error))
        VEK_LOG(u"The display refused a %d x %d window (%s); keeping what it gave.", settings.width,
                settings.height, fromUtf8(error));
    bFullScreen = settings.bFullScreen;
}

void VekGraphics::updateLayout() {
    pDevice->setRenderTarget(nullptr);
    pDevice->getOutputSize(displayWidth, displayHeight);
    layout = ScreenLayout::compute(displayWidth, displayHeight, settings.bAllowLetterbox);
    screenWidth = layout.screenWidth;
    screenHeight = layout.screenHeight;
    viewportWidth = layout.viewportWidth;
}

void VekGraphics::changePresentationParameters(int width, int height, bool fullScreen, bool allowLetterbox,
                                               bool bilinearFilter, bool vsync) {
    Settings wanted = settings;
    if (width >= 0 && height >= 0) {
        wanted.width = savedWidth = width;
        wanted.height = savedHeight = height;
    }
    bSavedFullScreen = fullScreen;
    wanted.bFullScreen = fullScreen && !isWindowForced();
    wanted.bAllowLetterbox = allowLetterbox;
    wanted.bBilinearFilter = bilinearFilter;
    wanted.bVSync = vsync;
    const bool bChanged = wanted.width != settings.width || wanted.height != settings.height ||
                          wanted.bFullScreen != settings.bFullScreen ||
                          wanted.bAllowLetterbox != settings.bAllowLetterbox ||
                          wanted.bVSync != settings.bVSync;
    settings = wanted;
    if (pUserSettings) {
        pUserSettings->setInt(SETTINGS_SECTION, u"videoModeWidth", savedWidth);
        pUserSettings->setInt(SETTINGS_SECTION, u"videoModeHeight", savedHeight);
        pUserSettings->setBool(SETTINGS_SECTION, FULL_SCREEN_KEY, bSavedFullScreen);
    }
    if (!bChanged) return;
    VEK_LOG(u"Restarting to apply configuration.");
    bRestartPending = true;
}

void VekGraphics::setTemporaryWindow(bool bWindow) {
    bTemporaryWindow = bWindow;
    changePresentationParameters(-1, -1, bSavedFullScreen, settings.bAllowLetterbox, settings.bBilinearFilter,
                                 settings.bVSync);
}

bool VekGraphics::needsRestart() {
    // Lost textures or lost target contents: either way every object hears the frozen mode and
    // caches in render targets are drawn again afterwards.
    const bool bDeviceReset = pDevice->takeDeviceReset();
    const bool bTargetsReset = pDevice->takeTargetsReset();
    if (bDeviceReset || bTargetsReset) {
        VEK_LOG(bDeviceReset ? u"The graphics device was reset." : u"The render targets were reset.");
        bRestartPending = true;
    }
    bTexturesLost |= bDeviceReset;
    return bRestartPending;
}

void VekGraphics::restartDevice() {
    batch.forgetStates();
    applyDisplayMode();
    pDevice->setVSync(settings.bVSync);
    updateLayout();
    // A new display mode keeps the textures; only a reset device loses them. They come back
    // when next drawn, and pictures from one file share their device copy again.
    if (bTexturesLost) {
        for (Texture* texture : textures)
            texture->releaseDeviceTexture();
    }
    bTexturesLost = false;
    pDevice->takeTargetsReset();
    ++deviceGeneration;
    bRestartPending = false;
}

void VekGraphics::beginScene() {
    pDevice->setRenderTarget(nullptr);
    updateLayout();
    view = getScreenView();
    if (bNoDraw) return;
    pDevice->clearTarget(BAR_COLOR);
    pDevice->setViewport(layout.viewportX, layout.viewportY, layout.viewportWidth, layout.viewportHeight);
}

void VekGraphics::clear(uint32_t argb) {
    if (bNoDraw) return;
    flush();
    pDevice->fillViewport(argb);
}

void VekGraphics::setView(const View& newView) {
    view = newView;
}

void VekGraphics::useCamera(const Camera& camera) {
    view = View{camera.x, camera.y, camera.z, camera.ratio};
}

View VekGraphics::getScreenView() const {
    Camera screen;
    screen.showScreen(static_cast<float>(screenWidth), static_cast<float>(screenHeight));
    return View{screen.x, screen.y, screen.z, screen.ratio};
}

platform::DeviceVertex VekGraphics::project(const QuadCorner& corner) const {
    const float halfWidth = corner.position.z - view.z;
    const float nx = (corner.position.x - view.x) / halfWidth;
    const float ny = (corner.position.y - view.y) / (halfWidth * view.ratio);
    const float outputWidth = static_cast<float>(targetWidth ? targetWidth : layout.viewportWidth);
    const float outputHeight = static_cast<float>(targetWidth ? targetHeight : layout.viewportHeight);
    return {(nx * 0.5f + 0.5f) * outputWidth, (0.5f - ny * 0.5f) * outputHeight, corner.argb, corner.u, corner.v};
}

bool VekGraphics::showsTexelsOneToOne(std::span<const platform::DeviceVertex> quad,
                                      const platform::DeviceTexture& texture) {
    constexpr float TOLERANCE = 1.f / 1024.f; // pixels; far below what a filter's weights resolve
    const auto width = static_cast<float>(texture.getWidth());
    const auto height = static_cast<float>(texture.getHeight());
    const float shiftX = quad[0].x - quad[0].u * width;
    const float shiftY = quad[0].y - quad[0].v * height;
    const auto near = [&](float a, float b) { return std::abs(a - b) <= TOLERANCE; };
    return near(shiftX, std::round(shiftX)) && near(shiftY, std::round(shiftY)) &&
           std::all_of(quad.begin(), quad.end(), [&](const platform::DeviceVertex& corner) {
               return near(corner.x - corner.u * width, shiftX) && near(corner.y - corner.v * height, shiftY);
           });
}

void VekGraphics::drawQuad(const Texture* texture, const QuadCorners& corners, platform::BlendMode blend) {
    if (bNoDraw) return; // nothing drawn: no picture needs the device
    drawQuad(texture ? texture->getDeviceTexture() : nullptr, texture && texture->isPointSampled(), corners,
             blend);
}

void VekGraphics::drawQuad(const platform::DeviceTexture* device, bool bPointSampled, const QuadCorners& corners,
                           platform::BlendMode blend) {
    if (bNoDraw) return;
    for (const QuadCorner& corner : corners) {
        if (corner.position.z - view.z <= 0.f) return; // behind the eye
    }
    const platform::DeviceVertex projected[4] = {project(corners[0]), project(corners[1]),
                                                 project(corners[2]), project(corners[3])};
    const bool bilinear =
        settings.bBilinearFilter && !(device && (bPointSampled || showsTexelsOneToOne(projected, *device)));
    if (!batch.accepts(device, blend, bilinear)) {
        flush();
        batch.setStates(device, blend, bilinear);
    }
    batch.addQuad(projected);
}

void VekGraphics::flush() {
    batch.flush(*pDevice);
}

void VekGraphics::drawIntoTarget(platform::DeviceTexture& target, const std::function<void()>& draw) {
    VEK_ASSERT(!bScreenshotInProgress && targetWidth == 0);
    flush();
    const View screenView = view;
    targetWidth = target.getWidth();
    targetHeight = target.getHeight();
    pDevice->setRenderTarget(&target);
    view.x = 0.5f * static_cast<float>(targetWidth);
    view.y = 0.5f * static_cast<float>(targetHeight);
    view.z = -view.x;
    view.ratio = static_cast<float>(targetHeight) / static_cast<float>(targetWidth);
    draw();
    flush();
    batch.forgetStates();
    targetWidth = targetHeight = 0;
    pDevice->setRenderTarget(nullptr);
    pDevice->setViewport(layout.viewportX, layout.viewportY, layout.viewportWidth, layout.viewportHeight);
    view = screenView;
}

void VekGraphics::endScene() {
    flush();
}

void VekGraphics::present() {
    if (bNoDraw) return;
    pDevice->present();
}

std::vector<uint32_t> VekGraphics::readViewport() {
    flush();
    return pDevice->readPixels(layout.viewportX, layout.viewportY, layout.viewportWidth,
                               layout.viewportHeight);
}

namespace {

bool writeJpeg(const WideString& path, int width, int height, std::vector<uint32_t> pixels) {
    if (pixels.empty()) return false;
    MemoryImageFile image(width, height);
    image.pixels = std::move(pixels);
    const std::vector<uint8_t> jpeg = image.encodeJpeg(SCREENSHOT_QUALITY);
    if (jpeg.empty()) return false;
    // Replaced whole: whatever stands at the path (a pipe would block a plain open) is not opened.
    std::string error;
    if (platform::writeFileAtomically(toFileName(path), jpeg, error)) return true;
    VEK_LOG(u"%s", fromUtf8(error));
    return false;
}

} // namespace

bool VekGraphics::saveFrame(const WideString& path) {
    return writeJpeg(path, layout.viewportWidth, layout.viewportHeight, readViewport());
}

bool VekGraphics::takeScreenshot(const WideString& path, const std::function<void()>& drawScene) {
    flush();
    std::unique_ptr<platform::DeviceTexture> target =
        pDevice->createTexture(layout.viewportWidth, layout.viewportHeight, true);
    if (!target) {
        VEK_LOG(u"No screenshot: %s", fromUtf8(pDevice->lastError()));
        return false;
    }
    const View previousView = view;
    bScreenshotInProgress = true;
    pDevice->setRenderTarget(target.get());
    pDevice->clearTarget(BAR_COLOR);
    view = getScreenView();
    drawScene();
    flush();
    std::vector<uint32_t> pixels = pDevice->readPixels(0, 0, target->getWidth(), target->getHeight());
    batch.forgetStates();
    pDevice->setRenderTarget(nullptr);
    pDevice->setViewport(layout.viewportX, layout.viewportY, layout.viewportWidth, layout.viewportHeight);
    view = previousView;
    bScreenshotInProgress = false;
    const bool saved = writeJpeg(path, layout.viewportWidth, layout.viewportHeight, std::move(pixels));
    VEK_LOG(saved ? u"Screenshot saved to %s." : u"Could not save the screenshot %s.", path);
    return saved;
}

VekGraphics::NumberedScreenshot VekGraphics::takeNumberedScreenshot(const std::function<void()>& drawScene) {
    const WideString folder = getUserFilesFolder();
    NumberedScreenshot shot;
    for (int number = firstScreenshotNumber;; ++number) {
        shot.path = stringf(u"%s/%s-%04d.jpg", folder, BUILD_IDENTIFIER, number);
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::path(toFileName(shot.path)), error)) continue;
        shot.bSaved = takeScreenshot(shot.path, drawScene);
        if (!shot.bSaved) firstScreenshotNumber = number + 1;
        return shot;
    }
}

ErrorManager::Hooks VekGraphics::makeErrorHooks() {
    ErrorManager::Hooks hooks;
    hooks.saveScreenshot = [this](const WideString& path) { saveFrame(path); };
    hooks.releaseGraphics = [this] {
        batch.forgetStates();
        for (Texture* texture : textures)
            texture->releaseDeviceTexture();
        pDevice.reset();
    };
    return hooks;
}

Vector3 VekGraphics::windowToScreen(const Vector3& pixel) const {
    const float sx = static_cast<float>(screenWidth) / static_cast<float>(std::max(layout.viewportWidth, 1));
    const float sy =
        static_cast<float>(screenHeight) / static_cast<float>(std::max(layout.viewportHeight, 1));
    return {(pixel.x - static_cast<float>(layout.viewportX)) * sx,
            static_cast<float>(screenHeight) - (pixel.y - static_cast<float>(layout.viewportY)) * sy,
            pixel.z};
}

Vector3 VekGraphics::screenToWindow(const Vector3& screen) const {
    const float sx = static_cast<float>(layout.viewportWidth) / static_cast<float>(screenWidth);
    const float sy = static_cast<float>(layout.viewportHeight) / static_cast<float>(screenHeight);
    return {screen.x * sx + static_cast<float>(layout.viewportX),
            (static_cast<float>(screenHeight) - screen.y) * sy + static_cast<float>(layout.viewportY),
            screen.z};
}

std::unique_ptr<platform::DeviceTexture> VekGraphics::createDeviceTexture(const MemoryImageFile& image) {
    std::unique_ptr<platform::DeviceTexture> texture =
        pDevice->createTexture(image.width, image.height, false);
    if (!texture || !pDevice->upload(*texture, image.pixels))
        VEK_ERROR(u"Could not create a %d x %d texture: %s", image.width, image.height,
                  fromUtf8(pDevice->lastError()));
    return texture;
}

int VekGraphics::getMaxTextureSize() const {
    const int reported = pDevice ? pDevice->getMaxTextureSize() : 0;
    return reported > 0 ? reported : MemoryImageFile::MAXDIMENSION;
}

void VekGraphics::addTexture(Texture& texture) {
    textures.push_back(&texture);
}

void VekGraphics::removeTexture(Texture& texture) {
    if (pDevice) batch.flush(*pDevice); // the batch may still draw it
    batch.forgetStates();
    std::erase(textures, &texture);
}
