#pragma once
#include "core/WideString.h"

/// Plays the menu sound registered under `name`; a game without that sound stays silent.
void playMenuSound(WideStringView name);
/// The same at `factor` times the sound's frequency.
void playMenuSoundPitched(WideStringView name, float factor);
