#pragma once
#include "media/Vector.h"

/// Something on a menu that key and pad navigation can move the pointer onto: an item, or a
/// list whose rows are targets without being items themselves.
class FocusPointSource {
  public:
    static constexpr Vector3 NO_FOCUS_POINT{-1.f, -1.f, -1.f};
    static bool isNoFocusPoint(const Vector3& p) { return p.x == -1.f && p.y == -1.f && p.z == -1.f; }

    virtual ~FocusPointSource() = default;
    /// The points by index, in screen units; `NO_FOCUS_POINT` after the last one.
    virtual Vector3 getFocusPoint(int index) = 0;
};
