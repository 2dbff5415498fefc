#pragma once
#include "media/Skin.h"
#include "media/Vector.h"

class Texture;

/// A rectangle of a texture (or of plain colour) drawn at a size, placed around the origin
/// by an anchor point. A source rectangle reaching past the texture repeats the texture.
class Quad : public Skin {
    VEK_REGISTERED_CLASS()

    /// Anchor points, laid out like a numeric keypad.
    enum Anchor {
        BOTTOM_LEFT = 1,
        BOTTOM_CENTRE,
        BOTTOM_RIGHT,
        LEFT_EDGE,
        CENTRE,
        RIGHT_EDGE,
        TOP_LEFT,
        TOP_CENTRE,
        TOP_RIGHT,
    };

    /// A plain-colour quad of size 0.
    Quad() = default;
    /// The texture's rectangle `source` (pixels, y downwards), sized as the rectangle, centred.
    Quad(const Texture* texture, const Rect& source);

    void setSize(float newWidth, float newHeight) {
        width = newWidth;
        height = newHeight;
    }
    /// Puts anchor point `code` (1..9) of the quad on the origin.
    void setAnchor(int code);
    int getAnchor() const { return anchor; }
    /// Changes the texture rectangle (the size stays).
    void setSource(const Rect& newSource) { source = newSource; }
    const Rect& getSource() const { return source; }
    const Texture* getTexture() const { return pTexture; }

    void draw(VekGraphics& graphics, const Transform& world, uint32_t argb) const override;
    Rect getLocalRect() const override;

    float width = 0.f; ///< local units
    float height = 0.f;
    /// Subtracted from every vertex, in local units (moves the picture against its anchor).
    Vector3 origin;

  protected:
    const Texture* pTexture = nullptr;
    Rect source; // texture pixels, y downwards
    int anchor = CENTRE;
};
