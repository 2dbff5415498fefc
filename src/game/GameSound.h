#pragma once
#include "core/VekBase.h"

class GameGlobal;
class Sound;

/// A game sound effect: the sample registered under its key, played panned by world x.
class GameSound : public VekBase {
  public:
    explicit GameSound(Sound* sample) : sound(sample) {}

    /// Plays the effect panned by where `x` stands on the screen (left edge -0.25 .. right
    /// edge 0.25, after the camera). A start refused by the sample's limits plays nothing.
    void playSound(double x);
    /// Plays the game root's `sound` at `x`; nothing without a game root or that sound.
    static void play(GameSound* GameGlobal::*sound, double x);
    /// Plays the game root's `sound` unpanned, as the sample plays itself (the big events
    /// that fill the whole field); nothing without a game root or that sound.
    static void playUnpanned(GameSound* GameGlobal::*sound);

    Sound* sound; ///< not owned
};
