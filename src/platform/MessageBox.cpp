#include "platform/MessageBox.h"
#include <SDL.h>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// About 700 by 420 pixels of text in SDL's own box: with its button it fits the smallest
// display the game runs on.
constexpr std::size_t BOX_LINE_LENGTH = 100;
constexpr std::size_t BOX_LINES = 30;

// Offscreen and dummy drivers have no one to read a box.
bool hasReader() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Where the first line of `line` (longer than `maxLength`) ends, and where the next begins.
std::pair<std::size_t, std::size_t> findLineBreak(std::string_view line, std::size_t maxLength) {
    const std::size_t at = line.find_last_of(" /", maxLength - 1);
    if (at != std::string_view::npos && at > 0)
        return line[at] == ' ' ? std::pair{at, at + 1} : std::pair{at + 1, at + 1};
    std::size_t cut = maxLength;
    while (cut > 0 && isContinuationByte(line[cut])) --cut;
    if (cut == 0) cut = maxLength;  // not UTF-8 at all: any place will do
    return {cut, cut};
}

}  // namespace

std::string breakLongLines(std::string_view text, std::size_t maxLength) {
    std::string broken;
    broken.reserve(text.size() + text.size() / maxLength);
    while (true) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        while (line.size() > maxLength) {
            const auto [lineEnd, nextStart] = findLineBreak(line, maxLength);
            broken.append(line.substr(0, lineEnd)).push_back('\n');
            line.remove_prefix(nextStart);
        }
        broken.append(line);
        if (end == text.size()) return broken;
        broken.push_back('\n');
        text.remove_prefix(end + 1);
    }
}

std::string fitLines(std::string_view text, std::size_t maxLength, std::size_t maxLines) {
    const std::string broken = breakLongLines(text, maxLength);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= broken.size();) {
        const std::size_t end = std::min(broken.find('\n', start), broken.size());
        lines.push_back(std::string_view(broken).substr(start, end - start));
        start = end + 1;
    }
    if (lines.size() <= maxLines) return broken;
    // The start says what failed, the end why: the middle of a deep path goes.
    const std::size_t head = (maxLines - 1) / 2;
    const std::size_t tail = maxLines - 1 - head;
    std::string fitted;
    for (std::size_t i = 0; i < head; ++i) fitted.append(lines[i]).push_back('\n');
    fitted += "...";
    for (std::size_t i = lines.size() - tail; i < lines.size(); ++i) fitted.append("\n").append(lines[i]);
    return fitted;
}

bool showErrorBox(const std::string& title, const std::string& text) {
    // Before the window opens, or after it closed, the display is opened for the box alone.
    const bool bOwnDisplay = !SDL_WasInit(SDL_INIT_VIDEO);
    if (bOwnDisplay && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    bool bShown = false;
    if (hasReader()) {
        const std::string fitted = fitLines(text, BOX_LINE_LENGTH, BOX_LINES);
        bShown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), fitted.c_str(), nullptr) == 0;
    }
    if (bOwnDisplay) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return bShown;
}

}  // namespace platform
