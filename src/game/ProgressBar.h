#pragma once
#include "core/Rect.h"
#include "media/Renderable.h"

class Quad;
class Texture;

/// The loading bar: a frame skin with a fill that grows to the right from its left end.
class ProgressBar : public Renderable {
  public:
    /// On frame `frameSkin` (-1: no frame) and fill `fillSkin` of `texture`; progress 0.
    ProgressBar(Texture* texture, int frameSkin, int fillSkin);

    /// `p` clamped to 0..1.
    void setProgress(float p);
    float getProgress() const { return progress; }
    /// The fill's quad, for checks of what it shows.
    const Quad& getFillQuad() const { return *pFillQuad; }

  private:
    Texture* pTexture;
    Rect fillSource; // the whole fill skin, texture pixels
    float progress = 0.f;
    Renderable* pFill; // child
    Quad* pFillQuad;   // owned by the fill
};
