#include "core/GameRandom.h"

GameRandom gameRandom;
