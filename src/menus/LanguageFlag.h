#pragma once
#include "media/Renderable.h"
#include "menus/FocusPointSource.h"

/// One flag of the language selection: a press on it chooses its language for this and every
/// later start and closes the screen. Key and pad navigation reach it by its focus point.
class LanguageFlag : public Renderable, public FocusPointSource {
  public:
    /// `skinIndex` is the flag's frame of the texture "languageFlags"; one it lacks is fatal.
    LanguageFlag(int languageIndex, int skinIndex);

    void tick(double t, double dt) override;
    /// Index 0: the flag's position in screen units; no other point.
    Vector3 getFocusPoint(int index) override;

    int language;
};
