#include "game/interludes/ContextIntro.h"
#include <cmath>
#include <numbers>
#include "core/GameRandom.h"
#include "core/Language.h"
#include "core/Logger.h"
#include "core/ResourceManager.h"
#include "core/StringKeys.h"
#include "core/Vek.h"
#include "game/GameFont.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/scene/Explosion.h"
#include "game/scene/IntroFlier.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/Smoke.h"
#include "game/scene/SpriteActor.h"
#include "game/scene/TextActor.h"
#include "media/FontQuad.h"
#include "media/TextureSkin.h"
#include "media/VekAudio.h"
#include "media/VekGraphics.h"

VEK_REGISTER_CLASS(ContextIntro, ContextScene, u"ContextIntro")

namespace {

constexpr double FIELD_WIDTH = 640.0;
constexpr double FIELD_HEIGHT = 480.0;
constexpr float LOGO_Y = 160.f; // the logo's centre above the field's centre, as on the main menu

// The legal line in the bottom-right corner, white over a black shadow one unit lower right.
constexpr double LEGAL_X = 638.0, LEGAL_Y = 478.0;
constexpr uint32_t WHITE = 0xFFFFFFFF, BLACK = 0xFF000000;

// Captions: three batches, each opened when the clock passes its time; within a batch each
// waits its delay (scene seconds) and shows for CAPTION_TIME.
struct CaptionRow {
    double batch;
    StringId id;
    double delay;
};
constexpr CaptionRow CAPTIONS[] = {
    {13.0, STR_INTRO1, 2.6},  {13.0, STR_INTRO2, 5.2},  {13.0, STR_INTRO3, 20.8}, {13.0, STR_INTRO4, 23.4},
    {41.6, STR_INTRO5, 0.0},  {41.6, STR_INTRO6, 2.6},  {41.6, STR_INTRO7, 5.2},  {41.6, STR_INTRO8, 7.8},
    {41.6, STR_INTRO9, 13.0}, {96.2, STR_INTRO10, 0.0}, {96.2, STR_INTRO11, 2.6}, {96.2, STR_INTRO12, 7.8},
    {96.2, STR_INTRO13, 13.0},
};
constexpr double CAPTION_X = 320.0, CAPTION_Y = 400.0, CAPTION_TIME = 2.6;

// The chase: the fighter comes in from the right, a lone zelbin flees ahead of it.
constexpr double CHASE_Y = 260.0;
constexpr double FIGHTER_AHEAD = 960.0; // from the camera's left edge
constexpr double ZELBIN_AHEAD = 660.0;
constexpr double ZELBIN_SPEED = -3.0;
constexpr double HIT_ZELBIN_SPEED = -6.0;
constexpr int CRYSTAL_SHOT_FRAME = 24;
constexpr double SHOT_SPEED = 10.0;     // units per frame, leftwards
constexpr double CHASE_SPEED = 5.0;     // the fighter, leftwards
constexpr double LEAVE_SPEED = 10.0;    // the fighter, rightwards after turning
constexpr double TURN_BEHIND = 540.0;   // the turned fighter starts this far left of the camera
constexpr int HIT_SPARKS = 50;
constexpr double HIT_SPARK_SPEED = 3.0;
constexpr int TRAIL_PUFFS = 12;
constexpr double TRAIL_SPEED = 1.5;
constexpr double FULL_CIRCLE = 2.0 * std::numbers::pi;
constexpr double FLAME_OFFSET = 16.0, FLAME_BELOW = 5.0;
constexpr int32_t CHASE_FLAME = 3, LEAVE_FLAME = 5;
constexpr int SIDE_VIEW_LEFT = 0, SIDE_VIEW_RIGHT = 1;

// The flock that follows: waves of zelbins from ever further left, the later ones faster.
struct FlockRow {
    int count;
    double left;   // x = left - (draw mod 640)
    int heights;   // y = (draw mod heights) + top
    double top;
    double speed;
};
constexpr FlockRow FLOCK[] = {{120, -640.0, 460, 10.0, 1.0}, {60, -960.0, 440, 20.0, 2.0}, {10, -1600.0, 420, 30.0, 4.0}};

GameGlobal& root() {
    return *GameGlobal::get();
}

void play(GameSound* GameGlobal::*sound, double x) {
    if (GameSound* effect = root().*sound) effect->playSound(x);
}

} // namespace

const std::array<ContextIntro::TimedEvent, 8> ContextIntro::EVENTS = {{
    {TITLE_END, &ContextIntro::showSolarSystem},
    {CHASE_START, &ContextIntro::startChase},
    {SHOT_TIME, &ContextIntro::fireShot},
    {FLOCK_TIME, &ContextIntro::releaseFlock},
    {TURN_TIME, &ContextIntro::turnFighter},
    {ENGINE_TIME, &ContextIntro::startEngine},
    {MUSIC_TIME, &ContextIntro::restartMusic},
    {CLOSE_TIME, &ContextIntro::finish},
}};

ContextIntro::ContextIntro() : planetX(PlanetTrack::positions()), pLogo(root().getScreens().createMenuLogo()) {
    deleteWhenClosed = true;
    closeOnFire = true;
    savedCameraX = START_CAMERA_X;
    auto* picture = Vek::get()->getResourceManager().find<TextureSkin>(u"intro:0");
    titlePicture.setSkin(picture);
    titlePicture.bBoundsOff = true;
    if (picture && picture->width > 0.f)
        titlePicture.scale = {static_cast<float>(FIELD_WIDTH) / picture->width,
                              static_cast<float>(FIELD_HEIGHT) / picture->height, 1.f};
    titlePicture.updateTransform();
    // The logo as large as the menus show it, whatever the shape of the screen.
    if (const VekGraphics* graphics = VekGraphics::get())
        pLogo->scale = {static_cast<float>(FIELD_WIDTH) / static_cast<float>(graphics->screenWidth),
                        static_cast<float>(FIELD_HEIGHT) / static_cast<float>(graphics->screenHeight), 1.f};
    pLogo->position = {0.f, LOGO_Y, 0.f};
}

ContextIntro::~ContextIntro() {
    pLogo->destroy();
}

double ContextIntro::panEnd() const {
    return planetX[PlanetTrack::HOME_PLANET] - FIELD_WIDTH / 2.0;
}

void ContextIntro::onActivate(bool first) {
    ContextScene::onActivate(first);
    if (first) VEK_LOG(u"Playing the intro.");
}

void ContextIntro::tickContents(double t, double dt) {
    ContextScene::tickContents(t, dt);
    if (sceneClock >= LOGO_START && sceneClock < TITLE_END) pLogo->tick(t, dt);
}

void ContextIntro::renderScene() {
    for (const TimedEvent& event : EVENTS)
        if (crossedTime(event.time)) (this->*event.action)();
    addCaptions();
    if (sceneClock < TITLE_END) drawTitle();
    if (sceneClock >= PAN_START && sceneClock < TURN_TIME) pan();
    if (sceneClock >= CHASE_START && sceneClock < TURN_TIME && pFighter) chase();
    if (sceneClock >= TURN_TIME && pFighter) leave();
}

void ContextIntro::onSceneClosed() {
    if (bMusicStopped) restartMusic();
}

void ContextIntro::addCaptions() {
    for (const CaptionRow& row : CAPTIONS)
        if (crossedTime(row.batch))
            addChild(new TextActor(row.id, root().textFontMedium, CAPTION_X, CAPTION_Y, row.delay, CAPTION_TIME));
}

void ContextIntro::drawTitle() {
    titlePicture.render();
    if (sceneClock < LOGO_START) return;
    pLogo->updateTransform();
    pLogo->render();
    const WideStringView legal = Vek::get()->getLanguage().getString(STR_COPYRIGHT);
    if (GameFont* font = root().textFontSmall) {
        constexpr int CORNER = FontQuad::TEXT_RIGHT | FontQuad::TEXT_BOTTOM;
        font->drawText(CORNER, BLACK, LEGAL_X + 1.0, LEGAL_Y + 1.0, legal);
        font->drawText(CORNER, WHITE, LEGAL_X, LEGAL_Y, legal);
    }
}

void ContextIntro::showSolarSystem() {
    auto* sky = new SkyLayer(true);
    adopt(sky);
    pBackground = sky;
    for (int32_t i = 0; i < PlanetTrack::PLANETS; ++i)
        addChild(new SpriteActor(planetX[static_cast<std::size_t>(i)], PlanetTrack::TRACK_Y,
                                 root().planets ? root().planets->getSurf(i) : nullptr));
}

void ContextIntro::pan() const {
    // One unit per frame, tested before each step, so the pan ends exactly on the home planet.
    if (root().cameraX > panEnd()) root().cameraX -= 1.0;
}

void ContextIntro::startChase() {
    const double left = root().cameraX;
    SurfaceChain* sideView = root().fighterSideView;
    pFighter = new SpriteActor(left + FIGHTER_AHEAD, CHASE_Y, sideView ? sideView->getSurf(SIDE_VIEW_LEFT) : nullptr);
    adopt(pFighter);
    auto* zelbin = new IntroFlier(left + ZELBIN_AHEAD, CHASE_Y, ZELBIN_SPEED);
    addChild(zelbin);
    loneZelbin = zelbin;
}

void ContextIntro::fireShot() {
    if (!pFighter) return;
    SurfaceChain* crystal = root().crystal;
    auto* crystalShot =
        new SpriteActor(pFighter->x, pFighter->y + 1.0, crystal ? crystal->getSurf(CRYSTAL_SHOT_FRAME) : nullptr);
    addChild(crystalShot);
    shot = crystalShot;
    play(&GameGlobal::soundWeaponLaser, pFighter->x);
}

void ContextIntro::releaseFlock() {
    for (const FlockRow& row : FLOCK)
        for (int i = 0; i < row.count; ++i) {
            const int heightDraw = gameRandom.next();
            const int leftDraw = gameRandom.next();
            addChild(new IntroFlier(row.left - leftDraw % 640, heightDraw % row.heights + row.top, row.speed));
        }
}

void ContextIntro::chase() {
    auto* crystalShot = static_cast<SpriteActor*>(shot.get());
    auto* zelbin = static_cast<IntroFlier*>(loneZelbin.get());
    if (crystalShot) crystalShot->x -= SHOT_SPEED;
    if (crystalShot && zelbin && crystalShot->x < zelbin->x) {
        addEffect(new Explosion(HIT_SPARKS, zelbin->x - root().cameraX, zelbin->y - root().cameraY, HIT_SPARK_SPEED,
                                0.0, FULL_CIRCLE));
        play(&GameGlobal::soundZelbinHit, zelbin->x);
        zelbin->bFastFlap = true;
        zelbin->speed = HIT_ZELBIN_SPEED;
        crystalShot->destroy();
    }
    pFighter->x -= CHASE_SPEED;
    drawFighter(FLAME_OFFSET, CHASE_FLAME);
}

void ContextIntro::turnFighter() {
    if (VekAudio* audio = VekAudio::get()) audio->stopMusic();
    bMusicStopped = true;
    play(&GameGlobal::soundRecordscratch, root().cameraX + FIELD_WIDTH / 2.0);
    if (!pFighter) return;
    if (root().fighterSideView) pFighter->surface = root().fighterSideView->getSurf(SIDE_VIEW_RIGHT);
    pFighter->x = root().cameraX - TURN_BEHIND;
}

void ContextIntro::startEngine() {
    play(&GameGlobal::soundEngineStart, pFighter ? pFighter->x : root().cameraX);
}

void ContextIntro::restartMusic() {
    bMusicStopped = false;
    root().playMusic(u"musicMenu");
}

void ContextIntro::leave() {
    pFighter->x += LEAVE_SPEED;
    drawFighter(-FLAME_OFFSET, LEAVE_FLAME);
    addEffect(new Smoke(TRAIL_PUFFS, flame.x - root().cameraX, flame.y - root().cameraY, TRAIL_SPEED, 0.0,
                        FULL_CIRCLE));
}

void ContextIntro::drawFighter(double flameOffset, int32_t level) {
    flame.targetLevel = level;
    flame.x = pFighter->x + flameOffset;
    flame.y = pFighter->y + FLAME_BELOW;
    flame.frameUpdate();
    pFighter->frameUpdate();
}

void ContextIntro::finish() {
    closed = true;
}
