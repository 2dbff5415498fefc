#pragma once
#include <string>

namespace platform {

/// Shows a modal error box when a display is open; false when none could be shown.
bool showErrorBox(const std::string& title, const std::string& text);

}  // namespace platform
