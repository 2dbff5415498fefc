#pragma once
#include <cstdint>
#include "menus/ContextMenu.h"

class MenuButton;

/// The local hall of fame: the ten rows of the high-score table, the row that the last game
/// entered pulsing yellow-green.
class ContextHighscores : public ContextMenu {
  public:
    static constexpr uint32_t ROW_COLOUR = 0xFFFFFFFF;

    ContextHighscores();

    void tickContents(double t, double dt) override;
    /// The buttons, then the table.
    void renderContents() override;
    /// The colour row `row` is drawn in this frame.
    uint32_t rowColour(int row) const;

    uint32_t highlightColour = 0xFFFFFFFF;
    MenuButton* optionsButton;

  private:
    void drawRow(int row) const;
};
