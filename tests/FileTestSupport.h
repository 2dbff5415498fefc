#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

/// Small file helpers shared by the tests of files, archives and settings.

inline std::vector<uint8_t> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void writeText(const std::filesystem::path& file, const std::string& text) {
    writeBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
}

inline std::string readText(const std::filesystem::path& file) {
    const auto bytes = readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

/// `text` as a regular expression that matches exactly that text (for death-test messages).
inline std::string literalPattern(const std::string& text) {
    std::string pattern;
    for (char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) pattern += '\\';
        pattern += c;
    }
    return pattern;
}

/// Bytes that do not compress, from a fixed seed.
inline std::vector<uint8_t> noiseBytes(std::size_t size, uint32_t seed) {
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(seed >> 24);
    }
    return bytes;
}
