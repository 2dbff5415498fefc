#pragma once

/// The frame of a rotation chain of `frameCount` frames that shows the heading `angle` (radians;
/// frame 0 points to -pi/2, frames turn with the angle, each frame centred on its heading).
/// 0 for an empty chain or a heading that is not a finite number.
int angleToFrame(int frameCount, double angle);
