#pragma once
#include "media/Vector.h"

/// Where the touch screen's buttons sit on the 640 by 480 field (y downwards): the pause
/// button, the missile button and the fire button. Shared by the huds that draw them, the
/// fighter that reads touches and the game that pauses.
struct TouchButtons {
    /// A touch closer than this to a button presses it.
    static constexpr float REACH = 55.f;

    /// The layout for the firing method of the settings (1: fire button on the left, which
    /// mirrors the others) and for one or two players in the game.
    static TouchButtons forLayout(int firingMethod, bool bTwoPlayers);
    /// The layout of the running settings and game (one player's without a game).
    static TouchButtons current();
    /// `point` lies within REACH of `button`.
    static bool isNear(const Vector2& point, const Vector2& button);

    Vector2 first;
    Vector2 missile;
    Vector2 fire;
};
