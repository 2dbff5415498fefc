#pragma once
#include "media/Vector.h"

/// A point of the window (pixels, y downwards) on the 640 by 480 playing field (y
/// downwards), through the screen's letterbox or stretch; without graphics the point as it
/// is. A screen of no size counts as one unit wide and high.
Vector2 windowToField(float x, float y);
