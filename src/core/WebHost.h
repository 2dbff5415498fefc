#pragma once
#include "core/WideString.h"

/// The game's web host, as the static settings name it ("http://127.0.0.1:9" as shipped,
/// where nothing answers, so every request fails at once with a connection error). Every
/// link and uploader builds its address from it. Needs the engine root.
const WideString& webHost();
/// The address of one of the game's pages: the host followed by `path` ("/zv2/...").
WideString webAddress(WideStringView path);
