#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

/// Shows a modal error box and waits for it to be closed, on the program's display or, before
/// the window opens, on the one it would open; its text is fitted to the display (`fitLines`).
/// A box whose window another client destroys counts as closed. SIGTERM, SIGINT or SIGHUP
/// while it is up close it and are raised again once it is gone; from then on no box waits for
/// a reader. False when none was shown and closed: no display, one without a screen
/// (offscreen, dummy), or a box that such a signal ended.
bool showErrorBox(const std::string& title, const std::string& text);

/// `text` with each line longer than `maxLength` bytes broken (SDL's boxes break only at line
/// breaks): at the last blank that fits, which goes, or after the last slash (paths), else at
/// the length, never inside a UTF-8 sequence.
std::string breakLongLines(std::string_view text, std::size_t maxLength);

/// `text` with its long lines broken, and when that makes more than `maxLines` lines (at least
/// 3), its middle lines replaced by one "...", so that the box and its button fit the display.
std::string fitLines(std::string_view text, std::size_t maxLength, std::size_t maxLines);

}  // namespace platform
