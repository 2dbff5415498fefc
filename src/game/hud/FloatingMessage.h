#pragma once
#include <cstdint>
#include "core/WideString.h"
#include "game/scene/SpriteActor.h"
#include "media/Renderable.h"

/// A bonus notice beside a player's hud: a plate in the bonus's colour with its name and its
/// points. Making one pays the points to the player, so every bonus of the game is one
/// message. It slides in sideways over its first frames and squeezes a long name to fit
/// the plate. The hud's queue places it (x and y in the hud's centred, y-up screen frame)
/// before every frame step and deletes it once it has scrolled out.
class FloatingMessage : public SpriteActor {
  public:
    static constexpr int32_t STYLES = 6; ///< plate colours: green, red, magenta, cyan, blue, white
    static constexpr int32_t START_SLIDE = 100;

    /// Pays `points` to player `player` (0 or 1) of the running game (none without one) and
    /// bleeps. An empty `text` shows the points with the language's thousands separator
    /// (nothing when there are none). Player 0's message extends to the right of its point
    /// and slides in from the left, player 1's mirrored; the touch layout with the fire
    /// button on the left swaps the sides.
    FloatingMessage(int player, WideStringView titleText, WideStringView secondText, int32_t bonusPoints,
                    int32_t plateStyle, bool bCompactHud);

    /// Slides one step closer and draws the plate, the second text and the title.
    void frameUpdate() override;
    /// The title's horizontal scale: 1 when it fits the room the second text leaves on the
    /// plate, else what squeezes it to the room; a room of less than one unit counts as one.
    static float titleScale(float titleWidth, float textWidth, bool bCompactHud);

    int32_t player;
    int32_t style;
    int32_t slide = START_SLIDE; ///< units still to slide, halved every frame
    WideString title;
    WideString text;
    int32_t points;
    int32_t direction; ///< +1 or -1: the side the message extends to is -direction
    bool bCompact;

  private:
    Renderable plate;
    Renderable titlePlacement;
};
