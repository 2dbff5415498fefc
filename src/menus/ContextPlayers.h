#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// The list of named players over the screen below it: a press on a name makes that player
/// current; buttons add a player (up to eight from here) and delete the current one (never
/// the last).
class ContextPlayers : public ContextMenu {
  public:
    static constexpr int MAX_PROFILES_TO_ADD = 7; ///< more named players than this: no adding
    static constexpr int MIN_PROFILES_TO_DELETE = 2;
    static constexpr float NAME_X = -150.f; ///< where the names start (mirrored right to left)
    static constexpr float ROW_WIDTH = 300.f;
    static constexpr float ROW_HEIGHT = 30.f;
    static constexpr float FIRST_ROW_TOP = 150.f;

    ContextPlayers();

    void tickContents(double t, double dt) override;
    /// The screen below, then the panel and the names.
    void renderContext() override;
    void renderContents() override;

    /// The middle of row `row`'s line.
    static float rowNameY(int row) {
        return FIRST_ROW_TOP - ROW_HEIGHT * static_cast<float>(row) - ROW_HEIGHT / 2.f;
    }
    /// The row under a point of the screen's world, or -1.
    static int rowAt(float x, float y);

    MenuButton* addButton;
    MenuButton* deleteButton;

  private:
    void pickTouchedProfile();
    void drawName(int row, bool current) const;
};
