#pragma once
#include <array>
#include <cstdint>
#include "core/WideString.h"
#include "game/GameConfiguration.h"
#include "menus/ContextMenu.h"

class FontQuad;
class MenuButton;

/// The local hall of fame: the ten rows of the high-score table, the row that the last game
/// entered pulsing yellow-green. A name wider than its column shows its first characters that
/// fit (the row keeps the whole name), and a score wider than its column is squeezed
/// sideways, so that no cell touches the next column.
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
    /// A row's name and what of it fits into the room it was cut for.
    struct ShownName {
        WideString name;
        float room = -1.f;
        WideString shown;
    };

    /// Units from the names' column to the level column's widest cell, less the gap.
    float nameRoom(FontQuad& font) const;
    /// `name` as row `row` shows it in `room` units of `font`'s names; measured again only when
    /// either changed, since the names' font measures by drawing.
    const WideString& shownName(int row, const WideString& name, float room, FontQuad& font);
    void drawRow(int row, FontQuad& font, float room);

    std::array<ShownName, GameConfigurationRecord::HIGHSCORE_ROWS> shownNames;
};
