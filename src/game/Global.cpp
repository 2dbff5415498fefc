#include "game/Global.h"
#include <algorithm>
#include <array>
#include "core/AppEnvironment.h"
#include "core/BackgroundFileWriter.h"
#include "core/ClassRegistry.h"
#include "core/Console.h"
#include "core/ErrorManager.h"
#include "core/FileManager.h"
#include "core/Language.h"
#include "core/Logger.h"
#include "core/MemoryFile.h"
#include "core/NetAddress.h"
#include "core/ResourceManager.h"
#include "core/StringKeys.h"
#include "core/StringUtil.h"
#include "core/TimeKeeper.h"
#include "core/UserSettings.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/Loader.h"
#include "game/SavegameData.h"
#include "media/FontQuad.h"
#include "media/SoundStream.h"
#include "media/Texture.h"
#include "media/VekAudio.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "media/VekMedia.h"
#include "platform/FileIo.h"

namespace {

Global* pInstance = nullptr;

constexpr std::array OUTPUT_FREQUENCIES{11025, 22050, 44100}; // by sound quality
// The output opens before the configuration loads: its default is the default quality's rate.
static_assert(OUTPUT_FREQUENCIES[1] == VekAudio::DEFAULT_FREQUENCY);
constexpr float VOLUME_STEPS = 24.f;
constexpr float FULL_VOLUME = 10000.f;
constexpr int PROGRESS_BAR_FLAGS = 2;

/// How the loader sets up each game font.
struct FontRecipe {
    FontQuad* Global::*field;
    const char16_t* name;
    int missingGlyphAdvance;
    bool bUseFontCache;
    bool bCacheFlag;
    const char16_t* pages; // the page resources' base name
    bool bFirstPageOnly;   // only the first page, codes from 33, without code-page table
    bool bComposite;
    bool bDisplayScaling;
};

constexpr FontRecipe FONT_RECIPES[] = {
    {&Global::fontTiny, u"fontTiny", 3, true, true, u"fontTinyTex", true, false, true},
    {&Global::fontSmall, u"fontSmall", 3, true, true, u"fontSmallTex", false, true, true},
    {&Global::fontMedium, u"fontMedium", 6, true, true, u"fontMediumTex", false, true, false},
    {&Global::fontLarge, u"fontLarge", 16, false, false, u"fontLargeTex", false, true, false},
};
constexpr int FIRST_TINY_CODE = 33;

int volumeOf(int32_t setting) {
    return static_cast<int>(static_cast<float>(setting) / VOLUME_STEPS * FULL_VOLUME);
}

WideString userFilePath(WideStringView fileName) {
    return stringf(u"%s/%s", getUserFilesFolder(), fileName);
}

double timeSinceStart() {
    Vek& engine = *Vek::get();
    return engine.getTimeKeeper().getPhysicalTime() - engine.engineStartTime;
}

} // namespace

Global::Global(std::unique_ptr<MenuScreens> screens, WideString mainArchive)
    : mainArchivePath(std::move(mainArchive)), pScreens(std::move(screens)),
      pProfileWriter(std::make_unique<BackgroundFileWriter>(userFilePath(ProfileManager::getFileName()))),
      pResultWriter(std::make_unique<BackgroundFileWriter>(userFilePath(KeptResults::getFileName()))),
      pTableWriter(std::make_unique<BackgroundFileWriter>(userFilePath(GameConfiguration::getFileName()))) {
    pInstance = this;
    ProfileManager::setProfileChangedHook([this] { highlightedScoreRow = -1; });
    // Results that the profiles kept go to the results file before any profile write drops them.
    if (keptResults.takeFrom(profiles)) saveKeptResults();
    // The table follows once the results file keeps them: at the first frame when it stood.
    if (keptResults.enterInto(configuration)) resultSaving = ResultSaving::Kept;
}

Global::~Global() {
    saveUserData();
    if (menuBackground) menuBackground->destroy();
    if (snowfall) snowfall->destroy();
    if (themeStandard) themeStandard->destroy();
    if (themeMinimal) themeMinimal->destroy();
    if (contextManager) contextManager->destroy();
    if (loaderResources) loaderResources->destroy();
    loaderFiles.clear();
    exitUrl.clear();
    ProfileManager::setProfileChangedHook({});
    pInstance = nullptr;
}

Global* Global::get() {
    return pInstance;
}

Context* Global::getRootContext() {
    return contextManager;
}

bool Global::isQuitRequested() const {
    return contextManager && contextManager->quitRequested;
}

void Global::initPreLoader() {
    ClassRegistry* m = &Vek::get()->getClassRegistry();
    m->buildTable();
    VEK_ASSERT(!m->bBadClasses);
    if (!Vek::get()->bRelease) printRecordSizes();
    loaderResources = new VekBase();
    Vek::get()->getFileManager().useWad(mainArchivePath);
    Loader::registerTexture(new Texture(u"brume-edition/gfx/gui/game/progressbar.tga", PROGRESS_BAR_FLAGS),
                            u"gui-game-progressBar");
    Loader::registerTexture(new Texture(u"gfx/gui/game/mousepointer.tga", 0), u"mousePointer");
    contextManager = new ContextManager();
    auto* loader = new Loader();
    loader->closed = false;
    contextManager->addContext(loader);
}

void Global::printRecordSizes() {
    static_assert(sizeof(bool) == 1);
    static_assert(sizeof(NetAddress) == 16);
    // The network address record is laid out as the system's IPv4 socket address.
    constexpr int SOCKET_ADDRESS_SIZE = sizeof(NetAddress);
    Console& console = Vek::get()->getConsole();
    console.print(stringf(u"sizeof(bool)=%d", sizeof(bool)));
    console.print(stringf(u"sizeof(NetAddress)=%d", sizeof(NetAddress)));
    console.print(stringf(u"sizeof(sockaddr_in)=%d", SOCKET_ADDRESS_SIZE));
    console.print(stringf(u"sizeof(GameConfiguration)=%d", sizeof(GameConfiguration)));
    console.print(stringf(u"sizeof(HIGHSCOREENTRY)=%d", sizeof(HIGHSCOREENTRY)));
    console.print(stringf(u"sizeof(SavegamePlayerData)=%d", sizeof(SavegamePlayerData)));
    console.print(stringf(u"sizeof(SavegameData)=%d", sizeof(SavegameData)));
    console.print(stringf(u"sizeof(ProfileData)=%d", sizeof(ProfileData)));
    console.print(stringf(u"sizeof(ProfileManager)=%d", sizeof(ProfileManager)));
}

void Global::initPostLoader() {
    themeStandard = pScreens->createThemeStandard();
    themeMinimal = pScreens->createThemeMinimal();
    menuBackground = pScreens->createMenuBackground();
    snowfall = pScreens->createSnowfall();
    createGameObjects();
    if (!bSkipStartScreens) pushStartScreens();
    VEK_LOG(u"Global initialization complete at t=%.3lf sec.", timeSinceStart());
}

void Global::pushStartScreens() {
    Context* logo = pScreens->createLogo();
    logo->closed = false;
    contextManager->addContext(logo);
    // Only a crash's own files count: a link at their names is no crash file and is never sent.
    if (platform::isRegularFileInPlace(toFileName(getCrashLogPath())) ||
        platform::isRegularFileInPlace(toFileName(getCrashMiniDumpPath()))) {
        Context* report = pScreens->createCrashReport();
        report->closed = false;
        contextManager->addContext(report);
    }
}

void Global::applyConfiguration(int width, int height) {
    Vek& engine = *Vek::get();
    engine.globalClock = engine.frameReferenceTime = timeSinceStart();
    engine.tickStep = 1.0 / configuration.tickRate;
    if (VekAudio* audio = VekAudio::get()) {
        audio->setOutputFrequency(
            OUTPUT_FREQUENCIES[static_cast<std::size_t>(std::clamp(configuration.soundQuality, 0, 2))]);
        const int samples = configuration.muteAudio ? 0 : volumeOf(configuration.soundVolume);
        const int music = configuration.muteAudio ? 0 : volumeOf(configuration.musicVolume);
        audio->setGlobalVolume(VolumeGroup::Sample, samples);
        audio->setGlobalVolume(VolumeGroup::Stream, music);
        audio->setGlobalVolume(VolumeGroup::Music, music);
    }
    if (VekGraphics* graphics = VekGraphics::get()) {
        graphics->changePresentationParameters(width, height, configuration.fullScreen,
                                               configuration.allowLetterbox, configuration.bilinearFilter,
                                               configuration.vsync);
        graphics->bDetail = configuration.detail >= 1;
    }
    if (VekMedia* media = VekMedia::get())
        media->getInput().joystickDeadZone = static_cast<float>(configuration.joystickDeadZone) / 24.f * 0.5f;
}

void Global::playMusic(WideStringView baseKey) {
    const WideString key = WideString(baseKey) + (configuration.originalMusic ? u"Original" : u"Remastered");
    auto* stream = Vek::get()->getResourceManager().find<SoundStream>(key);
    VekAudio* audio = VekAudio::get();
    if (!audio || audio->getCurrentMusic() == stream) return;
    audio->stopMusic();
    audio->setCurrentMusic(stream);
    stream->play();
}

void Global::fadeOutMusic(double seconds) {
    VekAudio* audio = VekAudio::get();
    if (!audio || !audio->getCurrentMusic()) return;
    audio->getCurrentMusic()->setVolume(0.f, seconds);
    audio->setCurrentMusic(nullptr);
}

void Global::saveUserData() {
    VEK_LOG(u"Saving.");
    // The game's saves are on disk first: each file has one temporary name, and the newer
    // versions written here must be the last.
    finishSaves();
    std::vector<WideString> failed;
    // The results first: the profiles may no longer hold a saved game whose result they replace.
    // None kept, none to write: the file holds none, or only rows that the table on disk holds.
    const bool bResultsSaved = keptResults.count == 0 || keptResults.save();
    if (!bResultsSaved) failed.push_back(userFilePath(KeptResults::getFileName()));
    if (!profiles.save()) failed.push_back(userFilePath(ProfileManager::getFileName()));
    const bool bTableSaved = configuration.save();
    if (!bTableSaved) failed.push_back(userFilePath(GameConfiguration::getFileName()));
    // Both on disk in that order: the results need be kept no longer.
    if (bResultsSaved && bTableSaved) {
        noteResultsInTable();
        if (forgetWrittenResults() && !keptResults.save())
            failed.push_back(userFilePath(KeptResults::getFileName()));
    }
    Vek& engine = *Vek::get();
    if (!engine.saveConfig()) failed.push_back(engine.getUserSettings().getPath());
    tellFailedSaves(failed);
}

void Global::saveProfiles() {
    bProfilesAfterResults = !pResultWriter->isDone();
    if (!bProfilesAfterResults) writeProfiles();
}

void Global::writeProfiles() {
    bProfilesAfterResults = false;
    pProfileWriter->write(profiles.makeFile());
}

void Global::saveKeptResults() {
    pResultWriter->write(keptResults.makeFile());
}

void Global::saveEnteredResults() {
    saveKeptResults();
    resultSaving = ResultSaving::Kept;
}

void Global::finishSaves() {
    pResultWriter->wait();
    if (bProfilesAfterResults) writeProfiles();
    pProfileWriter->wait();
    pTableWriter->wait();
    reportFailures(*pProfileWriter, ResultSaving::None);
    reportFailures(*pResultWriter, ResultSaving::Kept);
    reportFailures(*pTableWriter, ResultSaving::Table);
}

void Global::reportFinishedSaves() {
    // Read before the failures are taken: a step seen done has its failures among them.
    const bool bResultsDone = pResultWriter->isDone();
    const bool bTableDone = pTableWriter->isDone();
    reportFailures(*pProfileWriter, ResultSaving::None);
    reportFailures(*pResultWriter, ResultSaving::Kept);
    reportFailures(*pTableWriter, ResultSaving::Table);
    if (bResultsDone && bProfilesAfterResults) writeProfiles();
    if (resultSaving == ResultSaving::Kept && bResultsDone) writeTable();
    else if (resultSaving == ResultSaving::Table && bTableDone && forgetWrittenResults()) saveKeptResults();
}

void Global::reportFailures(BackgroundFileWriter& writer, ResultSaving step) {
    const std::vector<std::string> failures = writer.takeFailures();
    for (const std::string& error : failures)
        FileManager::logFailedSave(writer.getPath(), error);
    if (failures.empty()) return;
    if (resultSaving == step) resultSaving = ResultSaving::None;
    tellFailedSaves({writer.getPath()});
}

void Global::writeTable() {
    VEK_LOG(u"Saving the high scores with the entered results.");
    noteResultsInTable();
    resultSaving = ResultSaving::Table;
    pTableWriter->write(configuration.makeFile());
}

void Global::noteResultsInTable() {
    resultsInTable = keptResults.note();
}

bool Global::forgetWrittenResults() {
    resultSaving = ResultSaving::None;
    const bool bForgot = keptResults.forget(resultsInTable);
    if (bForgot) VEK_LOG(u"The high scores hold the entered results; they are no longer kept beside.");
    return bForgot;
}

void Global::tellFailedSaves(const std::vector<WideString>& paths) {
    const auto isNews = [this](const WideString& path) {
        return std::find(toldFailedSaves.begin(), toldFailedSaves.end(), path) == toldFailedSaves.end();
    };
    if (std::none_of(paths.begin(), paths.end(), isNews)) return;
    for (const WideString& path : paths)
        if (isNews(path)) toldFailedSaves.push_back(path);
    WideString text = u"Could not save:";
    for (const WideString& path : paths) text += u"\n" + path;
    const Logger* logger = Logger::get();
    text += stringf(u"\nThe earlier copies are kept. Why is written in %s.", logger ? logger->getPath() : u"the log");
    ErrorManager::tellUser(text);
}

void Global::createFont(FontSlot slot) {
    const FontRecipe& recipe = FONT_RECIPES[static_cast<std::size_t>(slot)];
    auto* font = new FontQuad();
    this->*recipe.field = font;
    font->missingGlyphAdvance = recipe.missingGlyphAdvance;
    font->glyphSpacing = 1;
    font->bUseFontCache = recipe.bUseFontCache;
    font->bCacheFlag = recipe.bCacheFlag;
    ResourceManager& resources = Vek::get()->getResourceManager();
    if (recipe.bFirstPageOnly)
        font->addSourceTexture(resources.find<Texture>(stringf(u"%s1", recipe.pages)), FIRST_TINY_CODE,
                               false);
    else
        font->addSourceTextures(recipe.pages);
    if (recipe.bComposite) font->setupCompositeChars();
    if (recipe.bDisplayScaling) font->enableDisplayScaling();
    font->createFontCache();
    Loader::registerResource(font, recipe.name);
}

void Global::registerFile(std::unique_ptr<MemoryFile> file, WideStringView name) {
    Vek::get()->getResourceManager().addResource(name, file.get());
    loaderFiles.push_back(std::move(file));
}
