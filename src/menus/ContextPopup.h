#pragma once
#include <cstdint>
#include "core/WideString.h"
#include "media/Vector.h"
#include "menus/ContextMenu.h"

class MenuButton;

/// The modal message box: a panel with a title, a wrapped message and up to two buttons,
/// over the screen below it. It answers through its creator's int: -1 while open, 0 for
/// the first button, 1 for the second. A notice with at most one button also closes on
/// fire or a touch, which counts as its button.
class ContextPopup : public ContextMenu {
  public:
    ContextPopup();

    /// Call once, after setting the texts and `answer`, before the popup goes on the stack.
    void createContents();

    void tickContents(double t, double dt) override;
    void onActivate(bool first) override;
    /// A notice with one button that fire, a touch or Escape dismissed answers as its button.
    void onDeactivate(bool removed) override;
    /// The screen below first, unless the popup clears the frame itself.
    void renderContext() override;

    MenuButton* getFirstButton() const { return pFirstButton; }
    MenuButton* getSecondButton() const { return pSecondButton; }

    Vector3 position;
    WideString title;
    WideString message;
    WideString firstButtonText;
    WideString secondButtonText;
    int32_t* answer = nullptr;

  private:
    void finish(int32_t choice);
    MenuButton* addButton(WideStringView text, float x, float y);

    MenuButton* pFirstButton = nullptr;
    MenuButton* pSecondButton = nullptr;
};
