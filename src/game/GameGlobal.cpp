#include "game/GameGlobal.h"
#include <array>
#include "core/Logger.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/GameFont.h"
#include "game/GameController.h"
#include "game/GameSound.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/interludes/ContextIntro.h"
#include "game/scene/ContextScene.h"
#include "game/scene/GameDigest.h"
#include "media/Sound.h"
#include "media/Texture.h"

namespace {

enum class Link { NONE, LOOP, END }; // END: the last frame has no next frame

struct ImageRow {
    const char16_t* key;
    Surface* GameGlobal::*field;
    int anchor; // -1: the centre it has from its construction
};

constexpr int POLICE_LIGHT_FRAMES = 8; // rendered frames per flash of the light bar

struct ChainRow {
    const char16_t* key;
    SurfaceChain* GameGlobal::*field;
    Link link;
    double radiusFactor; // 0: leave 1.0
    int frameTime;       // 0: leave 1
    void (*setUp)(SurfaceChain&);
};

struct SoundRow {
    const char16_t* key;
    GameSound* GameGlobal::*field;
};

// Frame 0 is the pod at rest; frames 1 to the last play once, the last one held longer.
void setUpPod(SurfaceChain& chain) {
    chain.linkFrames(0, 1);
    chain.getSurf(chain.count - 1)->frameTime = 50;
    chain.getSurf(0)->radiusFactor = 0.8;
}

// The beam hangs from its source: horizontal centre, top edge.
void setUpLaser(SurfaceChain& chain) {
    for (Surface* frame : chain.surfaces)
        frame->setAnchor(8);
}

constexpr std::array IMAGES{
    ImageRow{u"bmp_cutscene_gaspump", &GameGlobal::cutscenegaspump, -1},
    ImageRow{u"bmp_cutscene_signattention", &GameGlobal::cutscenesignattention, -1},
    ImageRow{u"bmp_pod96", &GameGlobal::pod96, -1},
    ImageRow{u"bmp_roastzelbin", &GameGlobal::roastzelbin, -1},
    ImageRow{u"bmp_sky", &GameGlobal::sky, 0},
    ImageRow{u"bmp_zigzag", &GameGlobal::zigzag, -1},
    ImageRow{u"bmp_zigzagBig", &GameGlobal::zigzagBig, -1},
    ImageRow{u"bmp_zigzagSmall", &GameGlobal::zigzagSmall, -1},
    ImageRow{u"bmp_cutscene_road", &GameGlobal::cutsceneroad, -1},
};

constexpr std::array CHAINS{
    ChainRow{u"bmp_asteroidBig", &GameGlobal::asteroidBig, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_asteroidSmall", &GameGlobal::asteroidSmall, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_atom", &GameGlobal::atom, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_burgerJoint", &GameGlobal::burgerJoint, Link::LOOP, 0, 25, nullptr},
    ChainRow{u"bmp_zelbin_0", &GameGlobal::zelbin0, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbin_1", &GameGlobal::zelbin1, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbin_2", &GameGlobal::zelbin2, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbin_3", &GameGlobal::zelbin3, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbin_4", &GameGlobal::zelbin4, Link::NONE, 0.75, 0, nullptr},
    ChainRow{u"bmp_zelbin360", &GameGlobal::zelbin360, Link::NONE, 0.75, 0, nullptr},
    ChainRow{u"bmp_zelbinBoss", &GameGlobal::zelbinBoss, Link::NONE, 0.75, 0, nullptr},
    ChainRow{u"bmp_zelbinIntro160", &GameGlobal::zelbinIntro160, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbinIntro40", &GameGlobal::zelbinIntro40, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbinIntro40Left", &GameGlobal::zelbinIntro40Left, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbinIntro80", &GameGlobal::zelbinIntro80, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbinLeg", &GameGlobal::zelbinLeg, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zelbinSarge", &GameGlobal::zelbinSarge, Link::NONE, 0.75, 0, nullptr},
    ChainRow{u"bmp_coin", &GameGlobal::coin, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_crystal", &GameGlobal::crystal, Link::NONE, 0.25, 0, nullptr},
    ChainRow{u"bmp_crystalDouble", &GameGlobal::crystalDouble, Link::NONE, 0.5, 0, nullptr},
    ChainRow{u"bmp_cutscene_pig", &GameGlobal::cutscenepig, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_cutscene_trafficlight", &GameGlobal::cutscenetrafficlight, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_pod", &GameGlobal::pod, Link::NONE, 0, 0, setUpPod},
    ChainRow{u"bmp_engine", &GameGlobal::engine, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_fluff", &GameGlobal::fluff, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_fighter_0", &GameGlobal::fighter0, Link::NONE, 0.5, 0, nullptr},
    ChainRow{u"bmp_fighter_1", &GameGlobal::fighter1, Link::NONE, 0.5, 0, nullptr},
    ChainRow{u"bmp_fighter360", &GameGlobal::fighter360, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_fighterSideView", &GameGlobal::fighterSideView, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_flyingsaucer", &GameGlobal::flyingsaucer, Link::LOOP, 0.75, 0, nullptr},
    ChainRow{u"bmp_giftbox_0", &GameGlobal::giftbox0, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_giftbox_1", &GameGlobal::giftbox1, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_giftbox_2", &GameGlobal::giftbox2, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_laser", &GameGlobal::laser, Link::NONE, 0, 0, setUpLaser},
    ChainRow{u"bmp_missile", &GameGlobal::missile, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_motherPod", &GameGlobal::motherPod, Link::NONE, 0.75, 0, nullptr},
    ChainRow{u"bmp_planets", &GameGlobal::planets, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_shield", &GameGlobal::shield, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_smoke", &GameGlobal::smoke, Link::END, 0, 0, nullptr},
    ChainRow{u"bmp_smokeBubble", &GameGlobal::smokeBubble, Link::END, 0, 0, nullptr},
    ChainRow{u"bmp_snowflake", &GameGlobal::snowflake, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_sparc", &GameGlobal::sparc, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_umbrella", &GameGlobal::umbrella, Link::NONE, 0, 0, nullptr},
    ChainRow{u"bmp_zigzagPurple", &GameGlobal::zigzagPurple, Link::NONE, 0.5, 0, nullptr},
    ChainRow{u"bmp_asteroidBigIce", &GameGlobal::asteroidBigIce, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_asteroidSmallIce", &GameGlobal::asteroidSmallIce, Link::LOOP, 0, 0, nullptr},
    ChainRow{u"bmp_cutscene_policecar", &GameGlobal::cutscenepolicecar, Link::LOOP, 0, POLICE_LIGHT_FRAMES,
             nullptr},
};

constexpr std::array SOUNDS{
    SoundRow{u"wav_bonewah", &GameGlobal::soundBonewah},
    SoundRow{u"wav_carhorn", &GameGlobal::soundCarhorn},
    SoundRow{u"wav_zelbinDie", &GameGlobal::soundZelbinDie},
    SoundRow{u"wav_zelbinHit", &GameGlobal::soundZelbinHit},
    SoundRow{u"wav_zelbinHit16k", &GameGlobal::soundZelbinHit16k},
    SoundRow{u"wav_zelbinPluck", &GameGlobal::soundZelbinPluck},
    SoundRow{u"wav_zelbinPluck16k", &GameGlobal::soundZelbinPluck16k},
    SoundRow{u"wav_chomp", &GameGlobal::soundChomp},
    SoundRow{u"wav_chompBig", &GameGlobal::soundChompBig},
    SoundRow{u"wav_click", &GameGlobal::soundClick},
    SoundRow{u"wav_coinBounce", &GameGlobal::soundCoinBounce},
    SoundRow{u"wav_crack", &GameGlobal::soundCrack},
    SoundRow{u"wav_podDrop", &GameGlobal::soundPodDrop},
    SoundRow{u"wav_podSplat", &GameGlobal::soundPodSplat},
    SoundRow{u"wav_engineStart", &GameGlobal::soundEngineStart},
    SoundRow{u"wav_engineStop", &GameGlobal::soundEngineStop},
    SoundRow{u"wav_explosion", &GameGlobal::soundExplosion},
    SoundRow{u"wav_explosionMedium", &GameGlobal::soundExplosionMedium},
    SoundRow{u"wav_extraLife", &GameGlobal::soundExtraLife},
    SoundRow{u"wav_fanfare", &GameGlobal::soundFanfare},
    SoundRow{u"wav_fanfareBig", &GameGlobal::soundFanfareBig},
    SoundRow{u"wav_saucerEngine", &GameGlobal::soundSaucerEngine},
    SoundRow{u"wav_laserLow", &GameGlobal::soundLaserLow},
    SoundRow{u"wav_missile", &GameGlobal::soundMissile},
    SoundRow{u"wav_recordscratch", &GameGlobal::soundRecordscratch},
    SoundRow{u"wav_shortBleep", &GameGlobal::soundShortBleep},
    SoundRow{u"wav_skid", &GameGlobal::soundSkid},
    SoundRow{u"wav_smallBoom", &GameGlobal::soundSmallBoom},
    SoundRow{u"wav_suspense", &GameGlobal::soundSuspense},
    SoundRow{u"wav_switchweapon", &GameGlobal::soundSwitchweapon},
    SoundRow{u"wav_weaponDefault", &GameGlobal::soundWeaponDefault},
    SoundRow{u"wav_weaponLaser", &GameGlobal::soundWeaponLaser},
    SoundRow{u"wav_weaponNeutron", &GameGlobal::soundWeaponNeutron},
    SoundRow{u"wav_snowmanDie", &GameGlobal::soundSnowmanDie},
    SoundRow{u"wav_snowmanHit", &GameGlobal::soundSnowmanHit},
    SoundRow{u"wav_policeSiren", &GameGlobal::soundPoliceSiren},
    SoundRow{u"wav_megaphone", &GameGlobal::soundMegaphone},
};
// The first release's 52 pictures and 35 sounds, then those added since, each at the end of its
// list: the interludes' road and patrol car, the ice asteroids, the siren and the megaphone.
static_assert(IMAGES.size() + CHAINS.size() == 52 + 4 && SOUNDS.size() == 35 + 2);

Texture* findTexture(const char16_t* key) {
    return Vek::get()->getResourceManager().find<Texture>(key);
}

} // namespace

GameGlobal::GameGlobal(std::unique_ptr<MenuScreens> screens, WideString mainArchive)
    : Global(std::move(screens), std::move(mainArchive)) {}

GameGlobal::~GameGlobal() {
    // Before the base saves the table: a window closed or a signal at game over loses nothing.
    if (GameController* game = GameController::running()) game->enterPendingResults();
    if (Vek::get()) GameDigest::log(u"exit");
    if (gameResources) gameResources->destroy();
}

GameGlobal* GameGlobal::get() {
    return static_cast<GameGlobal*>(Global::get());
}

ContextScene* GameGlobal::getGameController() const {
    return static_cast<ContextScene*>(gameController.get());
}

void GameGlobal::setGameController(ContextScene* controller) {
    gameController = controller;
}

void GameGlobal::createGameObjects() {
    gameResources = new VekBase();
    createFonts();
    createImages();
    createSounds();
    if (quickStart.wave > 0) {
        startQuickGame();
        return;
    }
    Context* mainMenu = getScreens().createMainMenu();
    mainMenu->closed = false;
    contextManager->addContext(mainMenu);
    contextManager->addContext(new ContextIntro());
}

void GameGlobal::setQuickStart(const QuickStart& start) {
    quickStart = start;
    bSkipStartScreens = bQuitAfterGame = start.wave > 0;
}

void GameGlobal::startQuickGame() const {
    VEK_LOG(u"Starting a game at wave %d with %d players.", quickStart.wave, quickStart.players);
    GameController::startAt(quickStart.wave, quickStart.players)->bInvulnerable = quickStart.bInvulnerable;
}

void GameGlobal::createFonts() {
    for (auto [field, font] : {std::pair{&GameGlobal::textFontLarge, fontLarge},
                               std::pair{&GameGlobal::textFontMedium, fontMedium},
                               std::pair{&GameGlobal::textFontSmall, fontSmall}}) {
        this->*field = new GameFont(font);
        gameResources->addChild(this->*field);
    }
}

void GameGlobal::createImages() {
    for (const ImageRow& row : IMAGES) {
        auto* surface = new Surface(findTexture(row.key), 0);
        gameResources->addChild(surface);
        if (row.anchor >= 0) surface->setAnchor(row.anchor);
        this->*row.field = surface;
    }
    for (const ChainRow& row : CHAINS) {
        auto* chain = new SurfaceChain(findTexture(row.key));
        gameResources->addChild(chain);
        if (row.link == Link::LOOP) chain->linkFrames(2, 0);
        if (row.link == Link::END) chain->linkFrames(0, 0);
        if (row.radiusFactor != 0.0) chain->setRadiusFactor(row.radiusFactor);
        if (row.frameTime != 0)
            for (Surface* frame : chain->surfaces)
                frame->frameTime = row.frameTime;
        if (row.setUp) row.setUp(*chain);
        this->*row.field = chain;
    }
}

void GameGlobal::createSounds() {
    for (const SoundRow& row : SOUNDS) {
        auto* sound = new GameSound(Vek::get()->getResourceManager().find<Sound>(row.key));
        gameResources->addChild(sound);
        this->*row.field = sound;
    }
}
