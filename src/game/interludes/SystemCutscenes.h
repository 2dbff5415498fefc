#pragma once
#include <cstdint>

class Cutscene;

/// The interlude that opens each star system.
namespace SystemCutscenes {

/// A new interlude for `system` (0 to 10; others are clamped into that range).
Cutscene* create(int32_t system);

} // namespace SystemCutscenes
