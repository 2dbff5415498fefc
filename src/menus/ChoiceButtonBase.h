#pragma once
#include <cstdint>
#include "menus/MenuItem.h"

/// An item over a caller's integer with a range and a step: arrows at its two ends step the
/// value (never past the range, never wrapping) and the value shows inside the box. Every
/// press on the item activates it, on an arrow or not. Key and pad navigation reach the
/// arrows through the item's two focus points.
class ChoiceButtonBase : public MenuItem {
  public:
    /// `target` is the caller's and must outlive the item.
    ChoiceButtonBase(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                     int32_t* target, int32_t minimumValue, int32_t maximumValue, int32_t valueStep);

    void tick(double t, double dt) override;
    void render() override;
    /// 0 the left arrow, 1 the right arrow.
    Vector3 getFocusPoint(int index) override;
    void drawValue(float x, float y, float z) override;

    /// Whether an arrow shows: the one that steps down while the value is above the minimum,
    /// the one that steps up while it is below the maximum (swapped right to left).
    bool showsLeftArrow() const;
    bool showsRightArrow() const;
    /// The value clamped to the range: what the item shows and what indexes may use.
    int32_t clampedValue() const;
    /// The scale of a value text drawn in the box: shrunk as a centred caption is, and further
    /// where it would run under the arrows at the box's ends. The same whether the arrows show
    /// or not, so the value keeps its size as the pointer comes and goes.
    float valueFitFactor(WideStringView text) const;

    int32_t* value;
    int32_t minimum;
    int32_t maximum;
    int32_t step;

  private:
    /// The world point of the left (-1) or right (+1) arrow.
    Vector3 arrowPoint(int side) const;
    void drawArrows();
};
