#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>
#include "core/ContextRenderer.h"
#include "core/ErrorManager.h"
#include "core/WideString.h"
#include "media/VertexBuffer.h"
#include "media/Vector.h"

namespace platform {
class PlatformWindow;
}
class MemoryImageFile;
class Texture;
class UserSettings;

/// A display mode the user can choose.
struct VideoMode {
    int width = 0;
    int height = 0;
    /// "800 x 600".
    WideString toString() const;
};

/// How the logical screen sits on the display: the viewport in display pixels and the size
/// of the screen in layout units. The layout always holds the 640 by 480 field: with
/// letterbox (or pillarbox) it is exactly that field, centred with black bars; without,
/// the field is stretched and the layout widens (or heightens) to the display's shape.
struct ScreenLayout {
    int viewportX = 0;
    int viewportY = 0;
    int viewportWidth = 0;
    int viewportHeight = 0;
    int screenWidth = 640;  ///< W, layout units
    int screenHeight = 480; ///< H, layout units

    static ScreenLayout compute(int displayWidth, int displayHeight, bool allowLetterbox);
};

/// What a drawing looks through: the plane at depth z shows the rectangle of half-width
/// (z - this z) and half-height that times `ratio` around (x, y), filling the viewport.
struct View {
    float x = 0.f;
    float y = 0.f;
    float z = -320.f;
    float ratio = 0.75f;
};

/// The graphics service: the display and its mode, the logical screen on it, drawing of
/// textured quads in batches, screenshots and recovery of a reset device. Main thread only.
///
/// A frame: `beginScene`, `clear`, drawing (through renderables), optionally
/// `takeScreenshot`, `endScene`, `present`. Before each frame the engine asks
/// `needsRestart`; when true it enters its frozen mode, calls `restartDevice` there, and
/// returns to running.
class VekGraphics : public ContextRenderer {
  public:
    static constexpr int LOGICAL_WIDTH = 640;
    static constexpr int LOGICAL_HEIGHT = 480;
    static constexpr char16_t SETTINGS_SECTION[] = u"VekGraphics";
    /// The settings key that keeps the full-screen choice, 1 or 0; missing means full screen.
    static constexpr char16_t FULL_SCREEN_KEY[] = u"bFullScreen";

    struct Settings {
        int width = 640;
        int height = 480;
        bool bFullScreen = false;
        bool bAllowLetterbox = true;
        bool bBilinearFilter = true;
        bool bVSync = true;
    };
    /// One corner of a drawn quad, in world units before the view.
    struct QuadCorner {
        Vector3 position;
        float u = 0.f;
        float v = 0.f;
        uint32_t argb = 0xFFFFFFFF;
    };
    using QuadCorners = std::array<QuadCorner, 4>; // around the quad: two triangles 0-1-2, 0-2-3

    /// Opens the display in the given mode; the fatal error when no drawing device opens. A
    /// display that refuses full screen gets a window of that size instead, with a log line. The
    /// chosen display mode is kept in `userSettings` (keys `videoModeWidth`, `videoModeHeight`
    /// and FULL_SCREEN_KEY of section "VekGraphics") when given. "-safe" on the command line
    /// opens an 800 by 600 window for this run instead, which is never saved: the next plain
    /// start has the saved mode.
    VekGraphics(platform::PlatformWindow& window, const Settings& settings,
                UserSettings* userSettings = nullptr);
    ~VekGraphics() override;
    /// The display mode from the engine's user settings, full screen unless they say otherwise;
    /// the other switches keep their defaults until the game applies its configuration.
    static Settings readSettings(UserSettings& userSettings);
    VekGraphics(const VekGraphics&) = delete;
    VekGraphics& operator=(const VekGraphics&) = delete;

    /// The graphics service of the running engine, or null outside its lifetime.
    static VekGraphics* get();

    /// Width and height < 0 keep the current mode. Restarts the display only when the mode,
    /// full screen, letterbox or vertical sync changed; the filter applies at once.
    void changePresentationParameters(int width, int height, bool fullScreen, bool allowLetterbox,
                                      bool bilinearFilter, bool vsync);
    const Settings& getSettings() const { return settings; }
    /// The full-screen state that is the player's choice: the display's own, except while a
    /// window is forced on it ("-safe", a temporary window), which is no choice of the player's;
    /// there the saved choice stands.
    bool isFullScreenChosen() const { return isWindowForced() ? bSavedFullScreen : bFullScreen; }
    /// "-safe": this run's window is no choice of the player's.
    bool isSafeMode() const { return bSafeMode; }
    /// While `bWindow` holds, the display shows a window where the player chose full screen, as
    /// "-safe" does for a whole run: the choice stays as it was, in the settings too, however
    /// the program ends. The change waits for the next restart, like any other.
    void setTemporaryWindow(bool bWindow);

    /// True when the device was reset by the system or a changed mode waits to be applied.
    bool needsRestart();
    /// Applies the mode, and uploads every texture again when the device lost them; the engine
    /// calls it while frozen.
    void restartDevice();

    void beginScene();
    /// Fills the logical screen with an ARGB colour.
    void clear(uint32_t argb) override;
    /// Draws what follows through a context's camera.
    void useCamera(const Camera& camera) override;
    /// Makes `view` apply to what is drawn next.
    void setView(const View& view);
    const View& getView() const { return view; }
    /// The view that shows the layout screen: W by H units around the origin, y upwards.
    View getScreenView() const;
    void drawQuad(const Texture* texture, const QuadCorners& corners, platform::BlendMode blend);
    /// The same for a picture held only by the device (such as a render target's content).
    void drawQuad(const platform::DeviceTexture* texture, bool bPointSampled, const QuadCorners& corners,
                  platform::BlendMode blend);
    /// True when `quad` (device pixels) shows `texture` one texel per pixel, texel centres on
    /// pixel centres: filtering then reads each texel alone, so the quad is drawn unfiltered,
    /// pixel for pixel the same and far cheaper on a software device.
    static bool showsTexelsOneToOne(std::span<const platform::DeviceVertex> quad,
                                    const platform::DeviceTexture& texture);
    /// Runs `draw` with the drawing going into `target` instead of the screen, through a view
    /// that shows the target's pixels one unit each (x from its left edge, y up from its
    /// bottom edge), then returns to the screen and its view. Not while a screenshot is drawn.
    void drawIntoTarget(platform::DeviceTexture& target, const std::function<void()>& draw);
    /// Changes whenever the device restarted or lost the contents of its render targets.
    uint32_t getDeviceGeneration() const { return deviceGeneration; }
    void endScene();
    void present();

    /// Draws the scene again into an image of the viewport's size, with
    /// `bScreenshotInProgress` set, and saves it as a JPEG at `path`. False when it failed.
    bool takeScreenshot(const WideString& path, const std::function<void()>& drawScene);
    /// Where a numbered screenshot went, and whether it was saved there.
    struct NumberedScreenshot {
        WideString path;
        bool bSaved = false;
    };
    /// Takes a screenshot (`takeScreenshot`) as "<build>-NNNN.jpg" in the user-data folder, with
    /// the first free number past every number that failed in this run: whatever stands in the
    /// way of one number (a leftover at its temporary name) stops no later screenshot.
    NumberedScreenshot takeNumberedScreenshot(const std::function<void()>& drawScene);
    /// Saves the frame drawn so far (viewport only) as a JPEG; for the fatal path.
    bool saveFrame(const WideString& path);
    /// The fatal path's screenshot and device release, for `ErrorManager::setHooks`.
    ErrorManager::Hooks makeErrorHooks();

    /// Window pixels to screen units (x from the left edge 0..W, y from the bottom 0..H).
    Vector3 windowToScreen(const Vector3& pixel) const;
    Vector3 screenToWindow(const Vector3& screen) const;

    /// ARGB pixels of the viewport as drawn so far, top row first.
    std::vector<uint32_t> readViewport();

    int getViewportHeight() const { return layout.viewportHeight; }
    const ScreenLayout& getLayout() const { return layout; }

    // For textures: device pictures, and the list that a device reset walks.
    std::unique_ptr<platform::DeviceTexture> createDeviceTexture(const MemoryImageFile& image);
    /// The largest picture width and height a texture can have on this device.
    int getMaxTextureSize() const;
    void addTexture(Texture& texture);
    void removeTexture(Texture& texture);
    const std::vector<Texture*>& getTextures() const { return textures; }
    platform::RenderDevice& getDevice() { return *pDevice; }

    // Fields the game reads.
    int displayWidth = 0;              ///< pixels
    int displayHeight = 0;             ///< pixels
    int screenWidth = LOGICAL_WIDTH;   ///< W, layout units
    int screenHeight = LOGICAL_HEIGHT; ///< H, layout units
    int viewportWidth = 0;             ///< pixels, after letterbox or pillarbox
    bool bFullScreen = false;
    bool bDetail = true; ///< effects and text shadows draw only when set
    bool bScreenshotInProgress = false;
    /// Nothing reaches the device: frames still run their draw walks (which move the game's
    /// actors) but draw, clear and present nothing. For fast headless runs.
    bool bNoDraw = false;
    std::vector<VideoMode> videoModes;

  private:
    bool isWindowForced() const { return bSafeMode || bTemporaryWindow; }
    void applyDisplayMode();
    void updateLayout();
    void flush();
    platform::DeviceVertex project(const QuadCorner& corner) const;

    platform::PlatformWindow& window;
    UserSettings* pUserSettings;
    std::unique_ptr<platform::RenderDevice> pDevice;
    Settings settings;
    int savedWidth;  // the mode the settings keep: the chosen one, even while "-safe" shows another
    int savedHeight;
    bool bSavedFullScreen;
    bool bSafeMode;  // "-safe": windowed for the whole run
    bool bTemporaryWindow = false;
    ScreenLayout layout;
    View view;
    VertexBuffer batch;
    std::vector<Texture*> textures;
    bool bRestartPending = false;
    bool bTexturesLost = false;
    uint32_t deviceGeneration = 0;
    int firstScreenshotNumber = 1; // past every number whose screenshot failed in this run
    // The pixel size drawn into while a render target takes the drawing; 0 for the screen.
    int targetWidth = 0;
    int targetHeight = 0;
};
