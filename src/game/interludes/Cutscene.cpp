#include "game/interludes/Cutscene.h"
#include "core/Logger.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/interludes/Snowflake.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/Smoke.h"
#include "game/scene/SpriteActor.h"
#include "media/SoundChannel.h"
#include "media/SoundStream.h"
#include "media/VekAudio.h"

VEK_REGISTER_CLASS(Cutscene, ContextScene, u"Cutscene")

Cutscene::Cutscene() : sky(new SkyLayer(true)), snowfall(Snowflake::createSnowfall()) {
    deleteWhenClosed = true;
    closeOnFire = true;
    bFadeIn = true;
    adopt(sky);
    adopt(snowfall);
    pBackground = sky;
    pForeground = snowfall;
    GameGlobal& root = *GameGlobal::get();
    if (root.configuration.inGameMusic) root.playMusic(u"musicCutscene");
}

Cutscene::~Cutscene() {
    if (loop) loop->stop();
}

void Cutscene::onActivate(bool first) {
    ContextScene::onActivate(first);
    if (first) VEK_LOG(u"Playing %s.", getClass().name);
}

void Cutscene::onSceneClosed() {
    if (loop) loop->stop();
    VekAudio* audio = VekAudio::get();
    if (!audio || !audio->getCurrentMusic()) return;
    audio->getCurrentMusic()->setVolume(0.f, MUSIC_FADE);
    audio->setCurrentMusic(nullptr);
}

SpriteActor* Cutscene::addProp(Surface* surface, double x, double y) {
    auto* prop = new SpriteActor(x, y, surface);
    addChild(prop);
    return prop;
}

void Cutscene::startAt(double x, double y) {
    fighter.setStartPosition(x, y);
}

void Cutscene::wait(double seconds) {
    fighter.mover.addWait(seconds);
}

void Cutscene::moveTo(double x, double y) {
    fighter.mover.addMove(x, y, Mover::AUTO, Mover::AUTO, 0.0, 0.0, 0);
}

void Cutscene::exhaustPuffs() {
    for (const int side : {-1, 1}) {
        double x = 0, y = 0;
        fighter.nozzle(side, x, y);
        puff(x, y);
    }
}

void Cutscene::puff(double x, double y) {
    addChild(Smoke::exhaust(PUFF_PARTICLES, x, y));
}

void Cutscene::driveFast() {
    fighter.mover.speed = FAST_SPEED;
    fighter.setFlameLevel(FAST_FLAME);
}

void Cutscene::flyFighter() {
    fighter.frameUpdate();
}

void Cutscene::endWhenPathDone() {
    if (fighter.mover.bFinished) closed = true;
}

void Cutscene::play(GameSound* GameGlobal::*sound, double x) {
    if (GameSound* effect = GameGlobal::get()->*sound) effect->playSound(x);
}

SoundChannel& Cutscene::createLoop(GameSound* GameGlobal::*sound) {
    loop = std::make_unique<SoundChannel>(*(GameGlobal::get()->*sound)->sound);
    return *loop;
}
