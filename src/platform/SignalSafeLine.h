#pragma once
#include <cstddef>

namespace platform {

/// A line of text built and written without formatting functions or the heap, which are not
/// safe inside a signal handler; what does not fit is cut.
class SignalSafeLine {
public:
    SignalSafeLine() { characters[0] = '\0'; }

    /// Two paths of the longest the system takes (4095 bytes) and the words around them.
    static constexpr std::size_t CAPACITY = 2 * 4096 + 128;

    void append(const char* part);
    void appendNumber(unsigned long value);
    /// Writes the whole line to `descriptor`, as far as it takes it.
    void writeTo(int descriptor) const;

private:
    char characters[CAPACITY];
    std::size_t length = 0;
};

}  // namespace platform
