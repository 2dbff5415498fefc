#pragma once
#include <vector>

// Every sound sample of the game, synthesised. Each returns mono samples at the rate its
// recipe names.
std::vector<float> soundMouseClick();
std::vector<float> soundPop();
std::vector<float> soundWeaponDefault();
std::vector<float> soundWeaponLaser();
std::vector<float> soundWeaponNeutron();
std::vector<float> soundSwitchWeapon();
std::vector<float> soundLaserLow();
std::vector<float> soundZelbinHit();
std::vector<float> soundZelbinHit16k();
std::vector<float> soundZelbinPluck();
std::vector<float> soundZelbinPluck16k();
std::vector<float> soundZelbinDie();
std::vector<float> soundChomp();
std::vector<float> soundChompBig();
std::vector<float> soundPodDrop();
std::vector<float> soundPodSplat();
std::vector<float> soundMissile();
std::vector<float> soundExplosion();
std::vector<float> soundExplosionMedium();
std::vector<float> soundSmallBoom();
std::vector<float> soundShortBleep();
std::vector<float> soundEngineStart();
std::vector<float> soundEngineStop();
std::vector<float> soundBonewah();
std::vector<float> soundFanfare();
std::vector<float> soundFanfareBig();
std::vector<float> soundExtraLife();
std::vector<float> soundSaucerEngine();
std::vector<float> soundSuspense();
std::vector<float> soundCoinBounce();
std::vector<float> soundClick();
std::vector<float> soundSkid();
std::vector<float> soundRecordScratch();
std::vector<float> soundCrack();
std::vector<float> soundCarHorn();
std::vector<float> soundSnowmanHit();
std::vector<float> soundSnowmanDie();
std::vector<float> soundPoliceSiren();
std::vector<float> soundMegaphone();

// The six music pieces: stereo, interleaved, 44100 Hz, each one seamless loop.
std::vector<float> musicFrosty();
std::vector<float> musicWishes();
std::vector<float> musicBells();
std::vector<float> musicSleigh();
std::vector<float> musicHalls();
std::vector<float> musicFaithful();
