#pragma once
#include <array>
#include "media/Renderable.h"

class SlicedSkin;
class Texture;

/// A widget dressed by a GUI theme: four border insets and three nine-slice skins (main,
/// second, third) cut from a theme texture.
class ThemedWidget : public Renderable {
  public:
    ~ThemedWidget() override;

    /// Replaces the three skins with ones over frames 1 (main), 0 (second) and 2 (third) of
    /// `texture`, each with the widget's insets.
    void applyTexture(const Texture& texture);

    std::array<int, 4> insets{};        ///< left, top, bottom, right
    std::array<SlicedSkin*, 3> skins{}; ///< owned; null until a texture is applied

  private:
    void deleteSkins();
};
