#pragma once
#include "core/WideString.h"
#include "menus/ContextMenu.h"

/// The screen of flags on which the user chooses the language, one flag per enabled
/// language in a grid; it cannot be left any other way. It opens while the game loads,
/// before fonts, themes and backgrounds exist, so it shows flags only.
class ContextLanguageSelect : public ContextMenu {
  public:
    static constexpr int FLAG_SPACING = 100; // units between neighbouring flags
    static constexpr uint32_t BACKGROUND = 0xFF001030;

    struct Grid {
        int columns;
        int rows;
    };

    ContextLanguageSelect();

    /// The first enabled language whose ISO code is the system's; 0 (English) when none is.
    static int autodetectLanguage();
    /// The frame of the texture "languageFlags" that shows the language of `isoCode`; fatal
    /// for a code without a flag.
    static int isoCode2skinIndex(WideStringView isoCode);
    /// The grid that holds `flags` flags: a column more per four flags, as many rows as needed.
    static Grid gridFor(int flags);
    /// Where flag `index` stands: rows filled from the top left, the grid centred.
    static Vector3 flagPosition(int index, Grid grid);

  private:
    void movePointerAside();
};
