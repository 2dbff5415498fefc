#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

/// Fuzz inputs either stand for themselves (first byte even) or, so that the fuzzer also reaches
/// the checks behind a valid header, patch a valid file: the rest of the input is read as pairs
/// of (position, value) that overwrite its bytes (first byte odd), a trailing byte cuts the file.
inline std::vector<uint8_t> fuzzedFile(const uint8_t* data, std::size_t size, const std::vector<uint8_t>& valid) {
    if (size == 0 || data[0] % 2 == 0) return std::vector<uint8_t>(data, data + size);
    std::vector<uint8_t> file = valid;
    std::size_t i = 1;
    for (; i + 1 < size; i += 2) {
        const std::size_t at = (std::size_t(data[i]) * 131) % file.size();
        file[at] = data[i + 1];
    }
    if (i < size) file.resize(file.size() - data[i] % 16);
    return file;
}
