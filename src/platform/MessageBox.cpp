#include "platform/MessageBox.h"
#include <SDL.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include "platform/ProcessSetup.h"

extern char** environ;

namespace platform {

namespace {

// About 450 by 340 pixels of text in the boxes' fonts: with icon, margins and button a box fits
// the smallest display the game runs on, 640 by 480.
constexpr std::size_t BOX_LINE_WIDTH = 64;
constexpr std::size_t BOX_LINES = 20;

// Glyph widths in halves of an average glyph of the boxes' fonts (a small letter), each the
// widest of its kind rounded up.
constexpr std::size_t AVERAGE_WIDTH = 2;
constexpr std::size_t WIDE_WIDTH = 3;
constexpr std::size_t WIDEST_WIDTH = 4;
constexpr std::string_view WIDE_ASCII = "ABCDEFGHKLMNOPQRSTUVXYZw#%&+<=>^~";
constexpr std::string_view WIDEST_ASCII = "Wm@";
struct CodePointRange {
    char32_t first;
    char32_t last;
};
// Ideographs, kana, Hangul and the full-width forms, drawn an em wide.
constexpr CodePointRange EAST_ASIAN_WIDE[] = {
    {0x1100, 0x115F}, {0x2E80, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};

constexpr char REPLACEMENT[] = "\xEF\xBF\xBD";  // U+FFFD

constexpr char BOX_SWITCH[] = "--error-box";
constexpr char BOX_LOCALE[] = "LC_ALL=C.UTF-8";  // built into the C library: it always exists
// The box programs' statuses (zenity's): closed with OK or by its window going away; closed
// otherwise (Escape); not shown (refused, or no display). 127: the program is missing.
constexpr int BOX_OK = 0;
constexpr int BOX_CLOSED = 1;
constexpr int BOX_NOT_SHOWN = 255;
constexpr int EXEC_FAILED = 127;
constexpr long WAIT_STEP_NS = 50'000'000;
// How long an end request waits for the killed box to end: a tenth of a second in all.
constexpr long REAP_STEP_NS = 2'000'000;
constexpr int REAP_STEPS = 50;

// Offscreen and dummy drivers have no one to read a box.
bool hasReader() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

/// The length of the UTF-8 sequence at the start of `text` (not empty), with the code point it
/// encodes; 0 when none starts there (a stray or cut sequence, an overlong one, a surrogate).
std::size_t decodeSequence(std::string_view text, char32_t& codePoint) {
    constexpr char32_t LEAST[] = {0, 0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > text.size()) return 0;
    codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuationByte(text[i])) return 0;
        codePoint = codePoint << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    const bool bSurrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < LEAST[length] || codePoint > 0x10FFFF || bSurrogate ? 0 : length;
}

/// `text` with each byte that starts no UTF-8 sequence replaced by U+FFFD: box programs refuse
/// a text that is not UTF-8.
std::string toValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t codePoint = 0;
        const std::size_t length = decodeSequence(text.substr(at), codePoint);
        if (length == 0)
            valid += REPLACEMENT;
        else
            valid.append(text.substr(at, length));
        at += std::max<std::size_t>(length, 1);
    }
    return valid;
}

std::size_t widthOf(char32_t codePoint) {
    if (codePoint < 0x80) {
        const char ascii = static_cast<char>(codePoint);
        if (WIDEST_ASCII.find(ascii) != std::string_view::npos) return WIDEST_WIDTH;
        return WIDE_ASCII.find(ascii) != std::string_view::npos ? WIDE_WIDTH : AVERAGE_WIDTH;
    }
    const bool bEastAsianWide = std::any_of(std::begin(EAST_ASIAN_WIDE), std::end(EAST_ASIAN_WIDE),
                                            [codePoint](CodePointRange range) {
                                                return codePoint >= range.first && codePoint <= range.last;
                                            });
    return bEastAsianWide ? WIDEST_WIDTH : WIDE_WIDTH;
}

/// The length in bytes of the longest start of `line` no wider than `maxWidth` (in halves of an
/// average glyph), and at least its first character.
std::size_t fittingLength(std::string_view line, std::size_t maxWidth) {
    std::size_t width = 0;
    std::size_t at = 0;
    while (at < line.size()) {
        char32_t codePoint = 0;
        const std::size_t length = decodeSequence(line.substr(at), codePoint);
        width += length == 0 ? AVERAGE_WIDTH : widthOf(codePoint);
        if (width > maxWidth && at > 0) break;
        at += std::max<std::size_t>(length, 1);
    }
    return at;
}

// Where the first line of `line` (of which `fitting` bytes fit) ends, and where the next begins.
std::pair<std::size_t, std::size_t> findLineBreak(std::string_view line, std::size_t fitting) {
    const std::size_t at = line.find_last_of(" /", fitting - 1);
    if (at != std::string_view::npos && at > 0)
        return line[at] == ' ' ? std::pair{at, at + 1} : std::pair{at + 1, at + 1};
    return {fitting, fitting};
}

/// Whether the locale that the environment names is installed and UTF-8, under which a box
/// program takes any text.
bool hasUtf8Locale() {
    const locale_t named = ::newlocale(LC_ALL_MASK, "", nullptr);
    if (named == nullptr) return false;
    const bool bUtf8 = std::strcmp(::nl_langinfo_l(CODESET, named), "UTF-8") == 0;
    ::freelocale(named);
    return bUtf8;
}

/// The program's environment, with a UTF-8 locale that exists where it names none.
std::vector<std::string> boxEnvironment() {
    const bool bKeepLocale = hasUtf8Locale();
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable)
        if (bKeepLocale || std::strncmp(*variable, "LC_ALL=", std::strlen("LC_ALL=")) != 0)
            variables.emplace_back(*variable);
    if (!bKeepLocale) variables.emplace_back(BOX_LOCALE);
    return variables;
}

/// The strings as a null-terminated array of C strings, which live as long as the strings do.
std::vector<char*> toArray(std::vector<std::string>& strings) {
    std::vector<char*> array;
    for (std::string& string : strings) array.push_back(string.data());
    array.push_back(nullptr);
    return array;
}

/// In the forked child: every signal back to its default action and none blocked, whatever the
/// starter ignored or blocked (a launcher's SIGTERM, a background job's SIGINT) or the program
/// set. A SIGHUP ignored at start stays ignored, so that under nohup the box outlives a closed
/// terminal as the program does.
void resetSignals() {
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal)
        if (signal != SIGHUP) ::sigaction(signal, &byDefault, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

/// In the forked child: becomes the box program, in a process group of its own that goes with
/// the program however that ends (a parent-death signal that cannot be ignored).
/// Async-signal-safe, as a child of a program with threads must be.
[[noreturn]] void execBox(char* const* arguments, char* const* environment, pid_t program) {
    ::setpgid(0, 0);
    resetSignals();
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != program) _exit(EXEC_FAILED);
    const int quiet = ::open("/dev/null", O_RDWR);
    if (quiet >= 0) {
        for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) ::dup2(quiet, stream);
    }
    ::execvpe(arguments[0], arguments, environment);
    _exit(EXEC_FAILED);
}

/// Waits a moment for `process`, which was killed, to end, so that it leaves no zombie behind;
/// one that a kill does not end at once (stuck in the kernel) is left to the system.
void reap(pid_t process) {
    for (int step = 0; step < REAP_STEPS; ++step) {
        int status = 0;
        const pid_t ended = ::waitpid(process, &status, WNOHANG);
        if (ended == process || (ended < 0 && errno != EINTR)) return;
        const timespec pause{0, REAP_STEP_NS};
        ::nanosleep(&pause, nullptr);
    }
}

enum class BoxEnd { Closed, NotShown, Ended };

// Only the reader's answer and the box's window going away count: a box program that is missing,
// refused the text or was killed by someone else (the OOM killer) showed nothing one can count on.
BoxEnd boxEndOf(int status) {
    if (!WIFEXITED(status)) return BoxEnd::NotShown;
    const int code = WEXITSTATUS(status);
    return code == BOX_OK || code == BOX_CLOSED ? BoxEnd::Closed : BoxEnd::NotShown;
}

/// Waits for the box process to end, or for an end request, which then kills the box and all it
/// started: a kill, since the box may ignore anything else, and the program's exit waits for no
/// box.
BoxEnd waitForBox(pid_t box) {
    while (true) {
        int status = 0;
        const pid_t ended = ::waitpid(box, &status, WNOHANG);
        if (ended == box) return boxEndOf(status);
        if (ended < 0 && errno != EINTR) return BoxEnd::NotShown;
        if (isEndRequested()) {
            ::kill(-box, SIGKILL);
            reap(box);
            return BoxEnd::Ended;
        }
        const timespec step{0, WAIT_STEP_NS};
        ::nanosleep(&step, nullptr);
    }
}

/// Runs the box program that `arguments` name in a process of its own: one the program can end,
/// that goes away with the program, and that ends, as if closed, when another client destroys
/// its window.
BoxEnd showBoxProcess(std::vector<std::string> arguments, std::vector<std::string> environment) {
    const std::vector<char*> argumentArray = toArray(arguments);
    const std::vector<char*> environmentArray = toArray(environment);
    const pid_t program = ::getpid();
    const pid_t box = ::fork();
    if (box == 0) execBox(argumentArray.data(), environmentArray.data(), program);
    if (box < 0) return BoxEnd::NotShown;
    ::setpgid(box, box);  // as the child does, so that ending its group cannot come first
    return waitForBox(box);
}

pid_t boxProcess = 0;  // in a box process: its own id, which SDL's children check

/// In each child that SDL forks for its box: it dies with the box process, however that ends.
void dieWithBoxProcess() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != boxProcess) _exit(BOX_NOT_SHOWN);
}

}  // namespace

std::string breakLongLines(std::string_view text, std::size_t maxWidth) {
    std::string broken;
    broken.reserve(text.size() + text.size() / std::max<std::size_t>(maxWidth, 1));
    while (true) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        for (std::size_t fitting = 0; (fitting = fittingLength(line, AVERAGE_WIDTH * maxWidth)) < line.size();) {
            const auto [lineEnd, nextStart] = findLineBreak(line, fitting);
            broken.append(line.substr(0, lineEnd)).push_back('\n');
            line.remove_prefix(nextStart);
        }
        broken.append(line);
        if (end == text.size()) return broken;
        broken.push_back('\n');
        text.remove_prefix(end + 1);
    }
}

std::string fitLines(std::string_view text, std::size_t maxWidth, std::size_t maxLines) {
    const std::string broken = breakLongLines(text, maxWidth);
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
    if (isEndRequested()) return false;
    // Before the window opens, or after it closed, the display is opened to find out whether
    // there is one with a screen.
    const bool bOwnDisplay = !SDL_WasInit(SDL_INIT_VIDEO);
    if (bOwnDisplay && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    BoxEnd end = BoxEnd::NotShown;
    if (hasReader()) {
        const std::string fitted = fitLines(toValidUtf8(text), BOX_LINE_WIDTH, BOX_LINES);
        const std::vector<std::string> environment = boxEnvironment();
        end = showBoxProcess({"zenity", "--error", "--no-wrap", "--no-markup", "--title=" + title, "--text=" + fitted},
                             environment);
        if (end == BoxEnd::NotShown) end = showBoxProcess({"/proc/self/exe", BOX_SWITCH, title, fitted}, environment);
    }
    if (bOwnDisplay) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return end == BoxEnd::Closed;
}

bool isBoxProcess(int argc, char** argv) { return argc == 4 && std::strcmp(argv[1], BOX_SWITCH) == 0; }

void runBoxProcess(char** argv) {
    // SDL shows its box from a child of its own.
    boxProcess = ::getpid();
    ::pthread_atfork(nullptr, nullptr, dieWithBoxProcess);
    const bool bShown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, argv[2], argv[3], nullptr) == 0;
    // No exit handlers: nothing of the program was started here.
    _exit(bShown ? BOX_OK : BOX_NOT_SHOWN);
}

}  // namespace platform
