#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include "core/VekMode.h"
#include "core/WideString.h"
#include "platform/Clock.h"

namespace platform {
class FramePacer;
}  // namespace platform
class ClassRegistry;
class Console;
class Context;
class ContextRenderer;
class ErrorManager;
class FileManager;
class Language;
class LiveObjectList;
class Logger;
class MediaServices;
class ResourceManager;
class StaticSettings;
class TimeKeeper;
class UserSettings;

/// The engine root: owns every engine service, created in a fixed order and deleted in the
/// reverse one, and runs the frame loop with its modes. Exactly one exists at a time,
/// reachable through `Vek::get()`. Main thread only.
class Vek {
public:
    struct Options {
        /// Every frame advances exactly one tick step, and time moves only with the frames
        /// (no sleeping): a run is the same every time.
        bool bFixedStep = false;
        /// The engine's time source; null picks the machine's clock, or with `bFixedStep` a
        /// fixed-step clock that starts at 0 (so the random seed is 0 too).
        std::unique_ptr<platform::Clock> pClock;
        /// The random generator's seed; none: the clock's whole seconds at start.
        std::optional<uint32_t> seed;
        /// Makes the media services at their place in the service order; null: none.
        std::function<std::unique_ptr<MediaServices>()> createMedia;
    };

    /// The parts of a frame, in the order they run; their times are measured every frame.
    enum class Phase { Tick, Console, Render, Hud, Present, TimerWait, Misc, Count };
    using PhaseTimes = std::array<double, static_cast<std::size_t>(Phase::Count)>;
    /// The phases' names as the log and the debug overlay show them, in phase order.
    static constexpr std::array<const char16_t*, static_cast<std::size_t>(Phase::Count)> PHASE_NAMES = {
        u"tick", u"console", u"render", u"hud", u"present", u"timerwait", u"misc"};

    static constexpr double MAX_FRAME_STEP = 0.05;  // seconds a frame may advance the contexts at most

    explicit Vek(Options options);
    ~Vek();
    Vek(const Vek&) = delete;
    Vek& operator=(const Vek&) = delete;

    /// The running engine root, or null.
    static Vek* get();

    /// One engine frame with `rootContext` (null: nothing to tick or draw), paced to the
    /// frame rate.
    void frame(Context* rootContext);
    /// Writes the engine's user settings file; false, also logged, when it could not be written.
    bool saveConfig();

    /// The window's focus, as the frame loop sees it before each frame.
    void setWindowActive(bool active) { bWindowActive = active; }
    /// Set by the graphics device while it is lost.
    void setDeviceLost(bool lost) { bDeviceLost = lost; }
    VekMode getMode() const { return mode; }
    bool isFixedStep() const { return bFixedStep; }

    /// Seconds since the engine started, on the engine's clock.
    double getTimeSinceStart() const;
    /// Seconds each phase took in the last frame, and summed over all frames.
    const PhaseTimes& getLastFrameTimes() const { return lastFrameTimes; }
    const PhaseTimes& getTotalTimes() const { return totalTimes; }

    LiveObjectList& getLiveObjects() { return *pLiveObjects; }
    platform::Clock& getClock() { return *pClock; }
    Logger& getLogger() { return *pLogger; }
    ErrorManager& getErrorManager() { return *pErrorManager; }
    TimeKeeper& getTimeKeeper() { return *pTimeKeeper; }
    FileManager& getFileManager() { return *pFileManager; }
    StaticSettings& getStaticSettings() { return *pStaticSettings; }
    UserSettings& getUserSettings() { return *pUserSettings; }
    ResourceManager& getResourceManager() { return *pResourceManager; }
    ClassRegistry& getClassRegistry() { return *pClassRegistry; }
    Console& getConsole() { return *pConsole; }
    Language& getLanguage() { return *pLanguage; }
    /// Null when the engine runs without media.
    MediaServices* getMedia() const { return pMedia.get(); }

    /// The graphics service draws contexts through this; null until it installs itself.
    ContextRenderer* getContextRenderer() const { return pContextRenderer; }
    void setContextRenderer(ContextRenderer* renderer) { pContextRenderer = renderer; }

    // Fields the game reads and writes.
    bool bRelease = true;               ///< off = development mode
    int debugLevel = 0;                 ///< forced to 0 outside development mode
    bool bWindowActive = true;          ///< false while the window lacks the input focus
    int32_t renderedFrames = 0;
    double tickStep = 1.0 / 30.0;       ///< seconds per game tick
    double globalClock = 0.0;           ///< seconds of context time, advanced by every running frame
    double frameReferenceTime = 0.0;    ///< seconds since start at which the last frame began
    double engineStartTime = 0.0;       ///< on the TimeKeeper's physical clock
    double measuredFrameRate = 0.0;     ///< frames per second
    int defaultLanguage = -2;           ///< -2 detect, -1 let the user choose, 0..7 the language
    bool bEnableDelayedLoad = true;     ///< samples and streams load their data on first use
    int framesPerSecond = 30;           ///< the pace of the frame loop
    WideString debugCode;               ///< the developer access code turns development mode on

private:
    void createServices(const std::function<std::unique_ptr<MediaServices>()>& createMedia);
    void destroyServices();
    void readSettings();
    void updateMode();
    void stepModeTo(VekMode next);
    void runFrame(Context* rootContext);
    void markPhase(Phase phase);
    void updateFrameRate(double now);
    void logFrameSummary() const;

    bool bFixedStep;
    bool bDeviceLost = false;
    VekMode mode = VekMode::Running;
    ContextRenderer* pContextRenderer = nullptr;
    PhaseTimes lastFrameTimes{};
    PhaseTimes totalTimes{};
    double phaseMark = 0.0;  // clock reading at the end of the previous phase
    double frameRateWindowStart = 0.0;
    int frameRateWindowFrames = 0;

    // Declared in creation order; destroyed explicitly in reverse by destroyServices.
    std::unique_ptr<platform::Clock> pClock;
    std::unique_ptr<LiveObjectList> pLiveObjects;
    std::unique_ptr<Logger> pLogger;
    std::unique_ptr<ErrorManager> pErrorManager;
    std::unique_ptr<TimeKeeper> pTimeKeeper;
    std::unique_ptr<FileManager> pFileManager;
    std::unique_ptr<StaticSettings> pStaticSettings;
    std::unique_ptr<UserSettings> pUserSettings;
    std::unique_ptr<ResourceManager> pResourceManager;
    std::unique_ptr<ClassRegistry> pClassRegistry;
    std::unique_ptr<MediaServices> pMedia;
    std::unique_ptr<Console> pConsole;
    std::unique_ptr<Language> pLanguage;
    std::unique_ptr<platform::FramePacer> pPacer;
};
