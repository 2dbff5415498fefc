#pragma once
#include "game/interludes/Cutscene.h"

/// Before the first system: both players' ships wait in front of the diner under "start your
/// engines"; each player joins the new game by pressing fire, and the interlude closes once a
/// joining ship has left the screen. No skip key closes it; leaving it with Escape starts no
/// game.
class CutsceneBurgerJoint : public Cutscene {
    VEK_REGISTERED_CLASS()

    static constexpr double CAPTION_TIME = 1000.0; ///< seconds: the whole scene
    static constexpr int32_t HEADLINE_BLINK = 10;  ///< frames

    CutsceneBurgerJoint();
};
