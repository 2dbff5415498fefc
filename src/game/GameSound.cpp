#include "game/GameSound.h"
#include "game/GameGlobal.h"
#include "media/Sound.h"
#include "media/SoundChannel.h"

void GameSound::playSound(double x) {
    const GameGlobal* game = GameGlobal::get();
    const double cameraX = game ? game->cameraX : 0.0;
    SoundChannel channel(*sound);
    channel.setPan(static_cast<float>((x - cameraX - 320.0) / 1280.0), 0.0);
    channel.play();
}

void GameSound::play(GameSound* GameGlobal::*sound, double x) {
    const GameGlobal* game = GameGlobal::get();
    if (game && game->*sound) (game->*sound)->playSound(x);
}

void GameSound::playUnpanned(GameSound* GameGlobal::*sound) {
    const GameGlobal* game = GameGlobal::get();
    if (game && game->*sound) (game->*sound)->sound->play();
}
