#pragma once

// Clamped interpolation for scripted motion. Computed in double, rounded to float at the end.

/// a + (b - a) x t with t clamped to [0, 1].
float lerpClamped(float a, float b, float t);
/// Where x lies between x0 and x1, clamped to [0, 1]; 0 when x0 == x1.
float inverseLerpClamped(float x0, float x1, float x);
/// x's place between x0 and x1, carried over to between a and b (clamped).
float remapClamped(float a, float b, float x0, float x1, float x);
