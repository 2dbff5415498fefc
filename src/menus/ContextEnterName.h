#pragma once
#include "core/WideString.h"
#include "menus/ContextMenu.h"

class Label;
class MenuButton;

/// Asks for a player's name over the screen below it and adds a profile with it. Typed
/// characters come from the keyboard, or from an on-screen letter keyboard while the input
/// is touch. A name holds at most 16 UTF-16 units, never half a surrogate pair, no control
/// characters and no character that the fonts cannot draw, so that it always shows. OK and
/// Return take the name without the white space and invisible characters at its ends, and
/// only when something is left.
class ContextEnterName : public ContextMenu {
  public:
    static constexpr std::size_t MAX_NAME_UNITS = 16;

    /// `closable`: Escape leaves without a name.
    explicit ContextEnterName(bool closable);

    /// Removes every child and builds the panel for the current input mode.
    void createContents();
    void tickContents(double t, double dt) override;
    /// The screen below, then the panel.
    void renderContext() override;
    /// Rebuilds the panel (with or without the letter keys); the typed name stays.
    void onInputModeChange(int mode) override;

    WideString name;
    char16_t pressedKey = 0; ///< written by an on-screen key during the tick; 0 when none
    Label* nameLabel = nullptr;
    MenuButton* okButton = nullptr;

  private:
    /// Edits the name by one typed UTF-16 unit (backspace removes the last character).
    void type(char16_t unit);
    /// Appends one character (one unit or a surrogate pair) when it fits and shows.
    void append(WideStringView units);
    /// True when the name's font draws the character.
    bool isShown(WideStringView character) const;
    void addLetterKeys();
    void showName();

    char16_t pendingHighHalf = 0; ///< the first half of a pair whose second half is still to come
};
