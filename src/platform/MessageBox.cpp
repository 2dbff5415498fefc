#include "platform/MessageBox.h"
#include <SDL.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// About 450 by 340 pixels of text in the box's font: with its icon, margins and button it fits
// the smallest display the game runs on, 640 by 480.
constexpr std::size_t BOX_LINE_LENGTH = 64;
constexpr std::size_t BOX_LINES = 20;

constexpr int ENDING_SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int EXEC_FAILED = 127; // the box process's status when the box program is missing
constexpr long WAIT_STEP_NS = 50'000'000;

volatile sig_atomic_t endingSignal = 0; // asked to end while a box was up
bool bEnding = false;                   // a box was ended so: none waits for a reader any more

// Offscreen and dummy drivers have no one to read a box.
bool hasReader() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

void onEndingSignal(int signal) {
    endingSignal = signal;
}

/// In the forked child: becomes the box program, which goes with the program however that ends.
[[noreturn]] void execBox(const char* const* arguments, pid_t program) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != program) _exit(EXEC_FAILED);
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
    }
    ::execvp(arguments[0], const_cast<char* const*>(arguments));
    _exit(EXEC_FAILED);
}

/// Waits for `process` to end, whatever signals come meanwhile.
void reap(pid_t process) {
    int status = 0;
    while (::waitpid(process, &status, 0) < 0 && errno == EINTR)
        continue;
}

enum class BoxEnd { Closed, Missing, Signalled };

/// Waits for the box process to end, or for a signal that asks the program to end, which then
/// ends the box too.
BoxEnd waitForBox(pid_t box) {
    while (true) {
        int status = 0;
        const pid_t ended = ::waitpid(box, &status, WNOHANG);
        if (ended == box)
            return WIFEXITED(status) && WEXITSTATUS(status) == EXEC_FAILED ? BoxEnd::Missing : BoxEnd::Closed;
        if (ended < 0 && errno != EINTR) return BoxEnd::Closed;
        if (endingSignal != 0) {
            ::kill(box, SIGTERM);
            reap(box);
            return BoxEnd::Signalled;
        }
        const timespec step{0, WAIT_STEP_NS};
        ::nanosleep(&step, nullptr);
    }
}

/// The box in a process of its own (zenity, which SDL itself uses where it has no box of its
/// own): one the program can end on a signal, that goes away with the program, and that ends,
/// as if closed, when another client destroys its window. Missing when zenity is not installed.
BoxEnd showBoxProcess(const std::string& title, const std::string& text) {
    const std::string titleArgument = "--title=" + title;
    const std::string textArgument = "--text=" + text;
    const char* const arguments[] = {
        "zenity", "--error", "--no-wrap", "--no-markup", titleArgument.c_str(), textArgument.c_str(),
        nullptr};
    struct sigaction ending {};
    ending.sa_handler = onEndingSignal;
    sigemptyset(&ending.sa_mask);
    struct sigaction previous[std::size(ENDING_SIGNALS)]{};
    endingSignal = 0;
    for (std::size_t i = 0; i < std::size(ENDING_SIGNALS); ++i)
        ::sigaction(ENDING_SIGNALS[i], &ending, &previous[i]);
    const pid_t program = ::getpid();
    const pid_t box = ::fork();
    if (box == 0) execBox(arguments, program);
    const BoxEnd end = box < 0 ? BoxEnd::Missing : waitForBox(box);
    for (std::size_t i = 0; i < std::size(ENDING_SIGNALS); ++i)
        ::sigaction(ENDING_SIGNALS[i], &previous[i], nullptr);
    // Passed on once the box is gone: the program ends as it always does on that signal.
    if (end == BoxEnd::Signalled) {
        bEnding = true;
        std::raise(endingSignal);
    }
    return end;
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
    if (bEnding) return false;
    // Before the window opens, or after it closed, the display is opened for the box alone.
    const bool bOwnDisplay = !SDL_WasInit(SDL_INIT_VIDEO);
    if (bOwnDisplay && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    bool bShown = false;
    if (hasReader()) {
        const std::string fitted = fitLines(text, BOX_LINE_LENGTH, BOX_LINES);
        const BoxEnd end = showBoxProcess(title, fitted);
        bShown = end == BoxEnd::Closed;
        if (end == BoxEnd::Missing)
            bShown =
                SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), fitted.c_str(), nullptr) == 0;
    }
    if (bOwnDisplay) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return bShown;
}

}  // namespace platform
