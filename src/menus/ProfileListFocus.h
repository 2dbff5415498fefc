#pragma once
#include "media/Renderable.h"
#include "menus/FocusPointSource.h"

/// The rows of the players screen's name list as targets of key and pad navigation; it
/// draws nothing.
class ProfileListFocus : public Renderable, public FocusPointSource {
  public:
    /// The start of row `n`'s name while there is such a profile.
    Vector3 getFocusPoint(int index) override;
};
