#pragma once
#include "game/interludes/CutscenePoliceChase.h"

/// Before the tenth system: the chase again, the patrol car coming from below and faster.
class CutscenePoliceChase2 : public CutscenePoliceChase {
    VEK_REGISTERED_CLASS()

    CutscenePoliceChase2();
};
