#pragma once
#include <cstdint>
#include "game/scene/GameObject.h"
#include "media/Renderable.h"

class FloatingMessage;
class ObjectGroup;
class PlayerData;
struct ScreenLayout;

/// A player's display at its screen edge (player 0 left, player 1 right): score, lives and
/// missiles on two panels, the queue of bonus messages, the touch buttons and the pointer's
/// crosshair. It draws in pixels of the screen around its centre (y up), whatever the field's
/// view, so it keeps its size at the edges of a large display. The running game shows it at a
/// system's start and hides it at its end; it slides in and out within a few frames.
class Hud : public GameObject {
    VEK_REGISTERED_CLASS()

    static constexpr int MAX_SHOWN = 5;          ///< messages shown at once
    static constexpr int32_t QUEUE_START = -25;  ///< the queue's offset after a message left
    static constexpr double MESSAGE_TIME = 1.0;  ///< seconds before the queue starts to scroll
    static constexpr int32_t HIDDEN_SLIDE = 250; ///< pixels out of view

    explicit Hud(int player);

    /// Lays out and draws everything of a player in the game, runs the queue and the slide.
    void frameUpdate() override;
    /// Appends `message` (new) to the queue, which owns it from now on.
    void queue(FloatingMessage* message);
    /// The score shown next to `shown`: the real one when one apart, else halfway (64-bit
    /// sum, so two scores near the top of the range do not overflow).
    static int32_t easeScore(int32_t shown, int32_t score);
    /// The slide after one frame: hidden doubles it up to HIDDEN_SLIDE (from 1 at least),
    /// shown halves it.
    static int32_t nextSlide(int32_t slide, bool bHidden);
    /// The hud's screen, W by H, on `layout`: the viewport in pixels, so that its panels keep
    /// their size at the edges of a large display (inside any bars); a viewport smaller than the
    /// layout screen (a window squeezed below 640 by 480) counts in layout units instead, so
    /// that both players' panels still fit.
    static Vector2 screenSize(const ScreenLayout& layout);
    /// Shown score, slide and queue.
    void addToDigest(GameDigest& digest) const override;

    int32_t playerIndex;
    ObjectGroup* messages; ///< owned (a child); the oldest first
    double queueTimer = 0.0;
    int32_t queueOffset = QUEUE_START;
    bool bCompact = false;
    int32_t shownScore = 0;
    int32_t slide = HIDDEN_SLIDE;
    bool bHidden = true;
    int32_t side; ///< -1 at the left edge, +1 at the right

  private:
    void runQueue();
    void drawMessages(float halfWidth, float halfHeight);
    void drawTopPanel(const PlayerData& player, float halfWidth, float halfHeight);
    void drawBottomPanel(const PlayerData& player, float halfWidth, float halfHeight);
    void drawTouchButtons(const PlayerData& player, float halfWidth, float halfHeight);
    void drawCrosshair(const PlayerData& player);
    /// With `bIcons`, `count` icons of `skin` 20 apart inwards from `inward`; else one icon at
    /// inward + iconShift and the number 20 further in, moved by numberShift.
    void drawCounter(const char16_t* skin, int32_t count, bool bIcons, float inward, float y, float iconShift,
                     float numberShift);
    void drawSkin(const char16_t* name, float x, float y, uint32_t colour = 0xFFFFFFFF);

    Renderable sprite; ///< draws each picture in turn
};
