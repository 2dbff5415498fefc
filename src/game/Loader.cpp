#include "game/Loader.h"
#include "core/ContextRenderer.h"
#include "core/FileManager.h"
#include "core/Language.h"
#include "core/Logger.h"
#include "core/MemoryFile.h"
#include "core/ResourceManager.h"
#include "core/StaticSettings.h"
#include "core/StringKeys.h"
#include "core/TimeKeeper.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/Global.h"
#include "game/LoaderResourceTable.h"
#include "game/ProgressBar.h"
#include "media/Sound.h"
#include "media/SoundStream.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"

namespace {

constexpr uint32_t BLACK = 0xFF000000;
constexpr int FONT_PAGE_FLAGS = 14;
constexpr int FONT_EXTRA_PAGE_FLAGS = 10;
constexpr char16_t FALLBACK_CODE_PAGE[] = u"1252";

Vek& engine() {
    return *Vek::get();
}
ResourceManager& resources() {
    return engine().getResourceManager();
}
FileManager& files() {
    return engine().getFileManager();
}

void makeResource(const LoaderResource& row) {
    switch (row.kind) {
    case LoaderResource::Kind::Stream:
        Loader::registerResource(new SoundStream(row.file, row.loop), row.name);
        break;
    case LoaderResource::Kind::Texture: {
        auto* texture = new Texture(row.file, row.textureFlags);
        Loader::registerTexture(texture, row.name);
        if (row.anchor != 0) texture->skins[0]->setAnchor(row.anchor);
        break;
    }
    case LoaderResource::Kind::Sample: {
        auto* sound = new Sound(row.file, row.playbacks, row.loop);
        sound->setMinReplayInterval(row.minReplayInterval);
        Loader::registerResource(sound, row.name);
        break;
    }
    }
}

/// Registers the pages "<prefix>gfx/font/<codePage>/<pattern>-<i>.tga" for i = 1, 2, ... until
/// one is missing.
void loadFontPages(WideStringView prefix, WideStringView codePage, WideStringView fontName, bool bExtra,
                   WideStringView resName) {
    for (int i = 1;; ++i) {
        const WideString path = bExtra
                                    ? stringf(u"%sgfx/font/%s/extra-%s-%d.tga", prefix, codePage, fontName, i)
                                    : stringf(u"%sgfx/font/%s/%s-%d.tga", prefix, codePage, fontName, i);
        if (!files().exists(path)) return;
        auto* page = new Texture(path, bExtra ? FONT_EXTRA_PAGE_FLAGS : FONT_PAGE_FLAGS);
        Loader::registerResource(page,
                                 bExtra ? stringf(u"%sExtra%d", resName, i) : stringf(u"%s%d", resName, i));
    }
}

} // namespace

Loader::Loader() {
    VEK_LOG(u"Loading resources...");
    deleteWhenClosed = true;
    closeOnEscape = false;
    showPointer = false;
    hideFps = true;
    clearColor = BLACK;
    progressBar = new ProgressBar(resources().find<Texture>(u"gui-game-progressBar"), 0, 1);
    if (engine().bEnableDelayedLoad) progressBar->hidden = true;
    addChild(progressBar);
    stepCount = loadStuff(true);
}

double Loader::now() {
    return engine().getTimeKeeper().getPhysicalTime() - engine().engineStartTime;
}

void Loader::tickContents(double t, double dt) {
    VekBase::tick(t, dt);
    const double deadline = now() + FRAME_BUDGET;
    if (!(deadline > now())) return;
    for (;;) {
        const int32_t n = loadStuff(false);
        progressBar->setProgress(static_cast<float>(n) / static_cast<float>(stepCount));
        if (stepOnce) {
            stepOnce = false;
            return;
        }
        if (Global::get()->contextManager->getTopContext() != this) {
            stepOnce = true;
            return;
        }
        if (!(deadline > now())) return;
    }
}

int32_t Loader::loadStuff(bool countOnly) {
    if (countOnly) return STEP_COUNT;
    if (step >= STEP_COUNT) return STEP_COUNT;
    const int number = step + 1;
    runStep(number);
    step = number;
    return step;
}

void Loader::runStep(int number) {
    Global& global = *Global::get();
    if (const auto rows = loaderResourcesOfStep(number); !rows.empty()) {
        for (const LoaderResource& row : rows)
            makeResource(row);
        return;
    }
    switch (number) {
    case 1:
        break;
    case 4:
        if (VekGraphics* graphics = VekGraphics::get())
            global.configuration.fullScreen = graphics->isFullScreenChosen();
        global.applyConfiguration(-1, -1);
        stepOnce = true;
        break;
    case 5:
        global.playMusic(u"musicMenu");
        break;
    case 11:
        useLanguageArchive();
        break;
    case 110:
        chooseLanguage();
        break;
    case 111:
        engine().getLanguage().setLanguage(engine().defaultLanguage);
        break;
    case 112:
        fontRes(u"fontTinyTex", u"", u"font-tiny");
        break;
    case 113:
        fontRes(u"fontSmallTex", u"", u"font-small");
        break;
    case 114:
        fontRes(u"fontMediumTex", u"", u"font-medium");
        break;
    case 115:
        fontRes(u"fontLargeTex", u"brume-edition/", u"font-large");
        break;
    case 116:
        global.createFont(Global::FontSlot::Tiny);
        break;
    case 117:
        global.createFont(Global::FontSlot::Small);
        break;
    case 118:
        global.createFont(Global::FontSlot::Medium);
        break;
    case 119:
        global.createFont(Global::FontSlot::Large);
        break;
    case 120:
        global.initPostLoader();
        closed = true;
        break;
    default:
        VEK_ERROR(u"Loader step %d does not exist.", number);
    }
}

void Loader::useLanguageArchive() {
    const WideString archive = Global::get()->mainArchivePath;
    files().useWad(archive + u".language.v2");
    registerTexture(new Texture(u"gfx/system/languageflags.tga", 0), u"languageFlags");
    files().useWad(archive);
}

void Loader::chooseLanguage() {
    Vek& vek = engine();
    const int singleLanguage = vek.getStaticSettings().singleLanguage;
    if (singleLanguage >= 0) {
        vek.defaultLanguage = singleLanguage;
        VEK_LOG(u"Single language mode (%d).", singleLanguage);
        return;
    }
    VEK_LOG(u"Multilanguage mode (%d).", vek.defaultLanguage);
    const Language& language = vek.getLanguage();
    MenuScreens& screens = Global::get()->getScreens();
    bool bAnyEnabled = false;
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        if (!language.isLanguageEnabled(row)) continue;
        bAnyEnabled = true;
        if (files().bUseWad) checkLanguageFiles(row);
    }
    if (!bAnyEnabled) {
        // A screen without flags could never be left.
        VEK_LOG(u"No language is enabled; using language 0.");
        vek.defaultLanguage = 0;
    } else if (vek.defaultLanguage == -2) {
        vek.defaultLanguage = screens.autodetectLanguage();
    } else if (vek.defaultLanguage < 0) {
        Global::get()->contextManager->addContext(screens.createLanguageSelect());
    }
}

void Loader::checkLanguageFiles(int row) {
    const Language& language = engine().getLanguage();
    const bool bHq2x = engine().getStaticSettings().hq2x == 2;
    FileManager::verifyFileDisk(Global::get()->mainArchivePath + u"." +
                                language.getRowString(row, STR_LANGUAGECODEPAGE) + (bHq2x ? u".hq2x" : u""));
    const Texture* flags = resources().find<Texture>(u"languageFlags");
    const int frame =
        Global::get()->getScreens().isoCode2skinIndex(language.getRowString(row, STR_LANGUAGEISOCODE));
    VEK_ASSERT(static_cast<int>(flags->skins.size()) > frame);
}

void Loader::registerResource(VekBase* object, WideStringView name) {
    Global::get()->loaderResources->addChild(object);
    Resource* resource = dynamic_cast<Resource*>(object);
    VEK_ASSERT(resource != nullptr);
    resources().addResource(name, resource);
}

void Loader::registerTexture(Texture* texture, WideStringView name) {
    registerResource(texture, name);
    for (std::size_t i = 0; i < texture->skins.size(); ++i)
        resources().addResource(stringf(u"%s:%d", name, i), texture->skins[i]);
}

void Loader::fontRes(WideStringView resName, WideStringView prefix, WideStringView fontName,
                     WideStringView codePage) {
    const WideString page = codePage.empty()
                                ? WideString(engine().getLanguage().getString(STR_LANGUAGECODEPAGE))
                                : WideString(codePage);
    const WideString archive = Global::get()->mainArchivePath;
    files().useWad(archive + u"." + page);
    loadFontPages(prefix, page, fontName, false, resName);
    loadFontPages(prefix, page, fontName, true, resName);
    const WideString tableName = stringf(u"%s.codepointLUT", page);
    const WideString tablePath = stringf(u"%sgfx/font/%s/%s.codepointLUT.bin", prefix, page, page);
    if (!resources().find(tableName, false) && files().exists(tablePath))
        Global::get()->registerFile(std::make_unique<MemoryFile>(tablePath, MemoryFile::MEMORYFILE_REQUIRED),
                                    tableName);
    files().useWad(archive);
    if (resources().find(stringf(u"%s1", resName), false)) return;
    if (page == FALLBACK_CODE_PAGE)
        VEK_ERROR(u"Could not find any 8-bit glyphs for font '%s' in the archive '%s.%s'", fontName, archive,
                  page);
    fontRes(resName, prefix, fontName, FALLBACK_CODE_PAGE);
}
