#include "platform/SignalSafeLine.h"
#include <iterator>
#include <unistd.h>

namespace platform {

void SignalSafeLine::append(const char* part) {
    while (*part != '\0' && length < CAPACITY - 1) characters[length++] = *part++;
    characters[length] = '\0';
}

void SignalSafeLine::appendNumber(unsigned long value) {
    char digits[24];
    char* first = std::end(digits);
    *--first = '\0';
    do {
        *--first = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    append(first);
}

void SignalSafeLine::writeTo(int descriptor) const {
    const char* next = characters;
    std::size_t left = length;
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, left);
        if (written <= 0) return;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
}

}  // namespace platform
