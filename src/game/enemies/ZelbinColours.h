#pragma once
#include <cstdint>

class SurfaceChain;

/// Zelbins come in eight colour numbers (0 to 7) but five painted colours; the one place
/// where a colour number becomes its frame chain. Numbers 5 to 7 wear colours 0 to 2 again
/// (any number is taken modulo five), so no colour is ever without frames.
SurfaceChain* zelbinChain(int32_t colour);

/// A colour number for a zelbin spawned in star system `system`: one draw, modulo the
/// system's number plus one, at most eight.
int32_t randomZelbinColour(int32_t system);
