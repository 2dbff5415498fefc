#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>
#include "core/Rect.h"
#include "core/WideString.h"
#include "media/Renderable.h"
#include "menus/FocusPointSource.h"

class ContextMenu;
class FontQuad;
class SlicedSkin;
class Texture;
struct TouchPoint;

/// A clickable box of a menu with a caption beside or in it, a hint at the bottom of the
/// screen while the pointer is over it, and a highlight that follows the hover. Activation
/// sets the `clicked` latch, which the screen reads and clears in its tick.
class MenuItem : public Renderable, public FocusPointSource {
  public:
    enum CaptionLocation {
        CAPTION_LEFT = 4,
        CAPTION_CENTRED = 5,
        CAPTION_RIGHT = 6,
        CAPTION_BELOW_OR_ABOVE = 8
    };
    /// `x` is mirrored in right-to-left languages.
    MenuItem(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint);
    ~MenuItem() override;

    /// Both skins from the texture's first two frames with the given borders.
    void setTexture(const Texture& texture, float left, float top, float bottom, float right);
    void setWidth(int width);
    /// The box's height in units; the texture's own height until set.
    void setHeight(int height);

    /// One point, a quarter of the box height below the centre.
    Vector3 getFocusPoint(int index) override;
    /// Draws the item's value at its position; items without one draw nothing.
    virtual void drawValue(float x, float y, float z);
    virtual void activate();

    void tick(double t, double dt) override;
    void render() override;

    /// The scale of a caption drawn centred: shrinks a caption wider than the box's room.
    static float centredCaptionScale(float captionWidth, float boxWidth, float boxHeight);
    /// The scale of a caption beside the box that ends (`bLeftward`) or starts at `anchorX`:
    /// shrinks a caption that would cross the screen's edge. All in screen units.
    static float sideCaptionScale(float captionWidth, float anchorX, float screenWidth, bool bLeftward);
    /// Where a hint goes: its lines' width (0: one line as it is) and the bottom of its last line.
    struct HintPlace {
        float wrapWidth = 0.f;
        float bottom = 0.f;
    };
    /// The number of lines a hint takes when wrapped at a width.
    using HintLineCount = std::function<std::size_t(float wrapWidth)>;
    /// A hint, centred on x = 0, stands on the lowest line from the screen's bottom line
    /// (`bottom`, world y) up where it is clear of every one of `boxes` (world, y up): as one
    /// line, else wrapped into the room between the boxes beside the middle of that line; the
    /// lines it may stand on are the bottom line and those just above a box.
    static HintPlace placeHint(std::span<const Rect> boxes, float textWidth, float lineHeight, float bottom,
                               const HintLineCount& countLines);
    /// A caption cut in two at the blank nearest its middle (the blank dropped); none without one.
    static std::optional<std::pair<WideString, WideString>> splitCaption(WideStringView text);

    /// The width of each rounded end of the box art, which keeps its size however wide the box.
    static constexpr float END_INSET = 25.f;

    float baseScale = 1.f;
    int captionLocation;
    bool disabled = false;
    bool hasShadow = true;
    bool hovered = false;
    bool forceHover = false;
    WideString caption;
    WideString hint;
    WideString disabledHint;
    bool clicked = false;
    double highlight = 0.0;
    uint32_t colourNormal = 0xFFFF8080;
    uint32_t colourHover = 0xFFFFFFFF;
    uint32_t colour = 0xFFFF8080;
    uint32_t colourDisabled = 0x80800000;
    FontQuad* font;
    float pulse = 0.f;

    /// The item's centre in the world of its screen (through the panels it stands on).
    Vector3 getWorldPosition() const;
    /// The world rectangle (y up) that the caption covers as drawn; none without one.
    std::optional<Rect> captionBox() const;

  protected:
    /// `room` / `width` when a width wider than a room of more than ten units must shrink, else 1.
    static float fitScale(float width, float room);
    /// A world point in screen units, through the camera of the menu that holds the item
    /// (the point itself outside a menu).
    Vector3 toScreenUnits(const Vector3& world) const;
    /// The scale that fits `text` into the box as a centred caption fits (1 when it fits).
    float captionFitFactor(WideStringView text) const;
    /// A value drawn centred on the world point `at` in the caption's colour, scaled by `fit`
    /// and shadowed when the item has a shadow.
    void drawValueText(WideStringView text, const Vector3& at, float fit = 1.f);
    /// True when the pointer tracker's position lies on the box.
    bool isPointerOver() const;
    SlicedSkin* getBody() const { return pBody; }
    /// The contact where the player points (a finger, or the mouse's first button), or null.
    static TouchPoint* pointingTouch();
    /// Any contact went down this frame.
    static bool wasPointerPressed();

  private:
    /// One line of text as drawn: at a world point, scaled beyond the item's own scale.
    struct PlacedText {
        WideString text;
        Vector3 at;
        float textScale = 1.f;
    };
    /// The caption's text flags and lines: the caption whole, or a long side caption in two.
    struct PlacedCaption {
        int flags = 0;
        std::vector<PlacedText> lines;
    };
    PlacedCaption placeCaption() const;

    void updateHighlight(double dt);
    void updatePulse(double dt);
    void drawHint();
    /// The menu screen the item stands in, or null.
    const ContextMenu* owningMenu() const;
    void drawCaption();
    /// A caption of location 4 or 6 ending or starting at `anchor`, kept inside the screen.
    std::vector<PlacedText> placeSideCaption(int flags, const Vector3& anchor) const;
    void drawPlacedText(WideStringView text, const Vector3& at, int flags, float textScale, bool bShadow);

    SlicedSkin* pBody = nullptr;
    SlicedSkin* pOverlay = nullptr;
};
