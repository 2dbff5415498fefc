#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "core/GameRoot.h"
#include "game/GameConfiguration.h"
#include "game/KeptResults.h"
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
    /// Writes the kept results, the profiles, the settings and the engine settings, after the
    /// running game's saves (`finishSaves`); at exit and whenever the main menu comes back on
    /// top. The first time in a root's life that a file cannot be written, here or in a
    /// background write, the user is told which, with the others that failed beside it (each
    /// earlier file then stands; the log says why). A file told once is not told again, unless
    /// beside one told for the first time.
    void saveUserData();
    /// Writes the profiles alone: the running game's saves, which a killed program must keep.
    /// The frame only makes the file's bytes; a worker thread writes them, the newest of those
    /// still waiting, once the results file handed over before is written (a profile write may
    /// drop a saved game that a kept result replaces). A failure is told as `saveUserData` tells
    /// one, and the next save tries again.
    void saveProfiles();
    /// Writes the kept results alone, as `saveProfiles` writes the profiles.
    void saveKeptResults();
    /// The results just entered into the high-score table reach the disk without a frame
    /// waiting, in an order that a killed program never loses them in nor enters them twice at
    /// its next start (`KeptResults::enterInto`): the results file that keeps them
    /// (`saveKeptResults`), once that is written the settings file with the table, and once that
    /// is written the results file without them. A failed step stops there; `saveUserData` then
    /// writes the three in the same order.
    void saveEnteredResults();
    /// Returns once the files that `saveProfiles`, `saveKeptResults` and `saveEnteredResults`
    /// handed over are written or have failed, and reports the failures; hands over nothing
    /// itself but a profile write that waited for the results file.
    void finishSaves();
    /// Logs each failed background write since the last call and tells the user as
    /// `saveUserData` does, then moves the entered results on to their next write. The context
    /// stack calls it every frame.
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
    void tellFailedSave(const WideString& path) override { tellFailedSaves({path}); }

    GameConfiguration configuration;
    ProfileManager profiles;
    KeptResults keptResults;
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
    /// Tells the user of the failed `paths` in one message, unless the failure of each was told
    /// already: a file that failed once stays in doubt, and a box at every wave would hold the
    /// game each time (the log has every failure).
    void tellFailedSaves(const std::vector<WideString>& paths);
    /// The logo, and the crash report when the previous run left crash files.
    void pushStartScreens();

    /// How far the results entered into the table are on their way to the disk.
    enum class ResultSaving {
        None,
        Kept,  ///< the results file that keeps them is written; the table waits for it
        Table, ///< the table with them is written; then the results file no longer keeps them
    };

    /// Logs and tells the failures of `writer`. A failure of `step` while the entered results
    /// wait for it stops them there.
    void reportFailures(BackgroundFileWriter& writer, ResultSaving step);
    /// Hands the table to its writer (`noteResultsInTable`).
    void writeTable();
    /// Notes the kept results as those of the table being written, which are forgotten once it
    /// is on disk.
    void noteResultsInTable();
    /// Stops keeping the results that the table on disk now holds; whether any went (the
    /// caller saves the kept results).
    bool forgetWrittenResults();
    /// Hands the profile file to its writer.
    void writeProfiles();

    std::unique_ptr<MenuScreens> pScreens;
    std::unique_ptr<BackgroundFileWriter> pProfileWriter; ///< the profile file, for `saveProfiles`
    std::unique_ptr<BackgroundFileWriter> pResultWriter;  ///< the results file, for `saveKeptResults`
    std::unique_ptr<BackgroundFileWriter> pTableWriter;   ///< the settings file, for the results
    ResultSaving resultSaving = ResultSaving::None;
    /// A profile write waits for the results file's writer (`saveProfiles`).
    bool bProfilesAfterResults = false;
    /// The kept results when the table was handed over.
    KeptResults::Noted resultsInTable;
    std::vector<std::unique_ptr<MemoryFile>> loaderFiles; // files the loader registered (not objects)
    std::vector<WideString> toldFailedSaves; ///< the files whose failed save the user was told of
};
