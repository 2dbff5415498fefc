#pragma once
#include <cstdint>
#include <vector>
#include "core/ChildList.h"
#include "core/Rect.h"
#include "core/Context.h"
#include "media/Vector.h"

class VekInput;

/// The base of every menu screen: its items, the layout metrics that place them around the
/// screen centre (mirrored in right-to-left languages), and two ways to drive it: the
/// pointer, or keys and pads, which move the pointer from item to item and turn the confirm
/// button into a click at the pointer. Main thread only.
class ContextMenu : public Context {
    VEK_REGISTERED_CLASS()

    enum NavigationMode { NAVIGATION_POINTER = 1, NAVIGATION_KEYS = 2 };
    enum Direction { DIRECTION_UP = 0, DIRECTION_DOWN, DIRECTION_LEFT, DIRECTION_RIGHT, DIRECTION_NEAREST };

    ContextMenu();

    /// Registers an item widget that already sits in the screen's tree.
    void addItem(VekBase* widget);
    /// Appends the widget as the screen's last child and registers it (with `itemMenu` when set).
    void addMenuChild(VekBase* widget);
    /// Forgets every registered item (the widgets stay where they are).
    void clearItems() { items.deleteAll(); }

    static void setMenuNavigationMode(int mode);
    /// Where navigation in `direction` from `from` (screen units) goes; `from` when nowhere.
    Vector3 findFocusTarget(const Vector3& from, int direction);
    static float scoreFocusCandidate(const Vector3& from, const Vector3& to, int direction);
    /// The boxes of the visible items drawn with a skin, in this screen's world (y up: top >=
    /// bottom), in the order of adding.
    std::vector<Rect> itemBoxes() const;
    /// What the visible items cover: their boxes, then the captions of those that have one.
    std::vector<Rect> itemFootprints() const;

    /// A world point of this screen in screen units (x from the left, y up from the bottom).
    Vector3 worldToScreen(const Vector3& world) const { return worldToScreen(camera, world); }
    /// The same through `view`.
    static Vector3 worldToScreen(const Camera& view, const Vector3& world);
    /// A world point of the screen that `object` stands in (the nearest context above it),
    /// in screen units; through a default camera when it stands in none.
    static Vector3 toScreenOf(const VekBase& object, const Vector3& world);

    void onActivate(bool first) override;
    void onDeactivate(bool removed) override;
    void tickContext(double t, double dt) override;
    void renderContext() override;
    void tickContents(double t, double dt) override;
    /// The items; in development mode also an outline around every focus point.
    void renderContents() override;
    /// Touch input puts every menu into pointer navigation.
    void onInputModeChange(int mode) override;

    int itemSpacing = 50;
    int marginY = 40;
    int marginX = 40;
    int originX;
    int originY;
    bool keyNavigationEnabled = true;
    ContextMenu* itemMenu = nullptr;
    Vector3 rememberedPointer;
    bool confirmLatched = false;
    /// Set when the screen comes on top, cleared by a click that starts on it: until then the
    /// further clicks of a double click begun on the screen before do nothing here, as a
    /// confirm key pressed before does not click here either.
    bool bRepeatClicksIgnored = false;

    static int navigationMode;
    static int navigationModeFrame;
    static float mirrorSign;
    static int alignLeading;
    static int captionLeading;

  protected:
    /// Draws the screen below this one in the stack, for screens drawn over it.
    void renderScreenBelow();

  private:
    /// A new display mode applied while this screen stands in the stack can change the
    /// screen's shape in units; the items keep the places they were given. The view then
    /// shows the screen they were placed on whole and undistorted, in the new shape.
    void followLayout();
    void readNavigationKeys();
    void ignoreRepeatClick(VekInput& input);
    /// True when the mouse moved this frame by more than the threshold, in screen units.
    static bool mouseMovedFar(const VekInput& input);
    void drawFocusPoints() const;
    /// Calls `visit` with every focus point of every visible item, in order.
    template <class Visit> void forEachFocusPoint(Visit visit) const;

    ChildList items;
    int placedWidth;  ///< the screen's size in units when the items were placed
    int placedHeight;
    float shownWidth;  ///< the size in units of the screen the view shows
    float shownHeight;
};
