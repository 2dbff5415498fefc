#pragma once
#include "media/Vector.h"

/// The easing curves of `interpolateEased`, by kind number. Each maps t in 0..1 onto 0..1
/// (Back and Bounce briefly leave that range, as such curves do). "In" starts slowly, "Out"
/// ends slowly, "InOut" does both.
enum class EaseKind {
    Linear,     // 0
    QuadIn,     // 1
    QuadOut,    // 2
    QuadInOut,  // 3
    CubicIn,    // 4
    CubicOut,   // 5
    CubicInOut, // 6
    QuartIn,    // 7
    QuartOut,   // 8
    QuartInOut, // 9
    SineIn,     // 10
    SineOut,    // 11
    SineInOut,  // 12
    ExpoIn,     // 13
    ExpoOut,    // 14
    ExpoInOut,  // 15
    BackOut,    // 16: overshoots the end a little, then settles
    BounceOut,  // 17: bounces against the end
    Count
};

/// The eased fraction of curve `kind` at t (clamped to 0..1); an unknown kind is linear.
float ease(int kind, float t);

/// The point between `from` (t = 0) and `to` (t = 1) along easing curve `kind` (0..17).
Vector3 interpolateEased(const Vector3& from, const Vector3& to, float t, int kind);
