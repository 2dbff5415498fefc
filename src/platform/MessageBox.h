#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

/// Shows a modal error box and waits for it to be closed, on the program's display or, before
/// the window opens, on the one it would open; its text is made valid UTF-8 and fitted to the
/// display (`fitLines`). The box is zenity's, else SDL's own one shown by the program itself in
/// a box process (`runBoxProcess`): each in a process of its own, which a kill of the program
/// takes with it, under a UTF-8 locale whatever the program's is. Closed means answered by the
/// reader or its window gone (another client destroyed it); a box program that is missing,
/// refuses the text or is killed by someone else leaves the next one to try. An end request
/// (`isEndRequested`) closes a box that is up, and from then on none opens. False when no box
/// was shown and closed: none of the above, no display, or one without a screen (offscreen,
/// dummy).
bool showErrorBox(const std::string& title, const std::string& text);

/// Whether the program was started as a box process, by `showErrorBox`.
bool isBoxProcess(int argc, char** argv);
/// Shows SDL's box with the title and text that the box process was given and ends the process
/// with zenity's statuses: 0 once closed, 255 when it could not be shown. Whatever ends it ends
/// what SDL starts for the box too.
[[noreturn]] void runBoxProcess(char** argv);

/// `text` with each line wider than `maxWidth` average glyphs broken (SDL's boxes break only
/// at line breaks): at the last blank that fits, which goes, or after the last slash (paths),
/// else at the width, between characters. Capitals and other wide glyphs count more than one,
/// ideographs and "W" two; a byte that is not UTF-8 counts one.
std::string breakLongLines(std::string_view text, std::size_t maxWidth);

/// `text` with its long lines broken, and when that makes more than `maxLines` lines (at least
/// 3), its middle lines replaced by one "...", so that the box and its button fit the display.
std::string fitLines(std::string_view text, std::size_t maxWidth, std::size_t maxLines);

}  // namespace platform
