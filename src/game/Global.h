#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "core/GameRoot.h"
#include "game/GameConfiguration.h"
#include "game/MenuScreens.h"
#include "game/ProfileManager.h"

class BackgroundFileWriter;
class ContextManager;
class FontQuad;
class MemoryFile;
class VekBase;

/// The game root above the engine: settings and high scores, profiles, the context stack,
/// fonts, themes and menu backgrounds. Start-up runs in two halves around the loader:
/// `initPreLoader` opens the loading screen, whose last step calls `initPostLoader`.
/// Exactly one exists at a time (`Global::get`). Main thread only.
class Global : public GameRoot {
  public:
    /// Reads the settings and the profiles; the screens of the menu layer come from `screens`.
    /// The main archive is `mainArchive` (the program's own one unless a test names another).
    explicit Global(std::unique_ptr<MenuScreens> screens, WideString mainArchive);
    /// Saves the user data (`saveUserData`), then deletes everything it made.
    ~Global() override;
    Global(const Global&) = delete;
    Global& operator=(const Global&) = delete;

    /// The game root, or null while there is none.
    static Global* get();

    /// Checks the class table, mounts the main archive, registers the loading screen's two
    /// textures and opens the context stack with the loader on it.
    void initPreLoader() override;
    /// Themes, menu backgrounds, the game's objects and the start-up screens.
    void initPostLoader();
    /// Builds the game's own objects and first screens.
    virtual void createGameObjects() = 0;

    /// Pushes the settings into the engine; a width or height below 0 keeps the video mode.
    void applyConfiguration(int width, int height);
    /// Plays `baseKey` + "Original" or "Remastered" (by the music setting) unless it plays already.
    void playMusic(WideStringView baseKey);
    /// Fades the current music out over `seconds`; it is then no longer the current music.
    static void fadeOutMusic(double seconds);
    /// Writes the profiles, the settings and the engine settings, after the running game's saves
    /// (`finishSaves`); at exit and whenever the main menu comes back on top. The first time in a
    /// root's life that a file cannot be written, here or in `saveProfiles`, the user is told
    /// which (the earlier file then stands; the log says why).
    void saveUserData();
    /// Writes the profiles alone: the running game's saves, which a killed program must keep.
    /// The frame only makes the file's bytes; a worker thread writes them, the newest of those
    /// still waiting. A failure is told as `saveUserData` tells one, and the next save tries again.
    void saveProfiles();
    /// Returns once the profiles that `saveProfiles` handed over are written or have failed, and
    /// reports the failures (`reportFinishedSaves`).
    void finishSaves();
    /// Logs each failed write of `saveProfiles` since the last call, and tells the user as
    /// `saveUserData` does. The context stack calls it every frame.
    void reportFinishedSaves();
    /// The four game fonts, in the order the loader makes them.
    enum class FontSlot { Tiny, Small, Medium, Large };
    /// Makes the font of `slot` on its glyph pages, stores it in its field and registers it.
    void createFont(FontSlot slot);
    /// Takes over a file the loader read and registers it as a resource under `name`.
    void registerFile(std::unique_ptr<MemoryFile> file, WideStringView name);

    Context* getRootContext() override;
    bool isQuitRequested() const override;
    WideString getExitUrl() const override { return exitUrl; }

    GameConfiguration configuration;
    ProfileManager profiles;
    FontQuad* fontTiny = nullptr;
    FontQuad* fontSmall = nullptr;
    FontQuad* fontMedium = nullptr;
    FontQuad* fontLarge = nullptr;
    ContextManager* contextManager = nullptr;
    Context* menuBackground = nullptr;  ///< owned; not on the stack
    Context* snowfall = nullptr;        ///< owned; not on the stack
    VekBase* themeStandard = nullptr;   ///< owned
    VekBase* themeMinimal = nullptr;    ///< owned
    VekBase* loaderResources = nullptr; ///< owner of everything the loader makes
    WideString exitUrl;
    /// The logo and the crash report are not shown (a run that goes straight into a game).
    bool bSkipStartScreens = false;
    int32_t highlightedScoreRow = -1;
    /// The main archive: the program folder, the build identifier and ".dat".
    const WideString mainArchivePath;

    /// The menu layer's screens and pieces.
    MenuScreens& getScreens() { return *pScreens; }

  private:
    void printRecordSizes();
    /// Tells the user of the failed `paths`, unless there are none or a failure was told already.
    void tellFailedSaves(const std::vector<WideString>& paths);
    /// The logo, and the crash report when the previous run left crash files.
    void pushStartScreens();

    std::unique_ptr<MenuScreens> pScreens;
    std::unique_ptr<BackgroundFileWriter> pProfileWriter; ///< the profile file, for `saveProfiles`
    std::vector<std::unique_ptr<MemoryFile>> loaderFiles; // files the loader registered (not objects)
    bool bToldFailedSave = false;
};
