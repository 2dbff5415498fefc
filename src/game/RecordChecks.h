#pragma once
#include <cstdint>
#include <cstring>

/// Helpers that make a record read from a file safe to use; each caller says why its rule holds.

/// A flag byte of a stored record may hold any value; anything but 0 counts as set. Read as a
/// byte, since a bool holding neither 0 nor 1 must never be read as a bool.
inline void normaliseFlag(bool& flag) {
    uint8_t byte;
    std::memcpy(&byte, &flag, 1);
    flag = byte != 0;
}

inline bool isWithin(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}
