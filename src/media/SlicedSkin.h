#pragma once
#include "media/Skin.h"

class TextureSkin;

/// A texture frame cut into nine parts so it stretches to any size: the corners keep their
/// size, the edges stretch along, the middle both ways. Centred like its frame.
class SlicedSkin : public Skin {
    VEK_REGISTERED_CLASS()

    /// Over `frame`, which must outlive the skin; natural size, no borders.
    explicit SlicedSkin(const TextureSkin& frame);

    /// The insets of the corners from the frame's edges, in pixels: the left and the right
    /// come outermost, around the top and the bottom.
    void setBorders(float left, float top, float bottom, float right);
    /// Drawn size in local units; -1 on an axis takes the frame's own size.
    void setSize(float newWidth, float newHeight);
    float getWidth() const { return width; }
    float getHeight() const { return height; }

    void draw(VekGraphics& graphics, const Transform& world, uint32_t argb) const override;
    Rect getLocalRect() const override;

  private:
    const TextureSkin& frame;
    float borderLeft = 0.f, borderTop = 0.f, borderRight = 0.f, borderBottom = 0.f;
    float width;
    float height;
};
