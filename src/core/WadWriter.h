#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>
#include "core/WideString.h"

/// Builds a WAD archive (layout in core/WadFormat.h) with every entry compressed by Zopfli.
/// Entries keep the order in which they were added.
class WadWriter {
public:
    /// More Zopfli iterations give smaller archives and take longer (15 is Zopfli's default).
    /// Entries are compressed on up to `threads` threads; the archive's bytes do not depend on it.
    explicit WadWriter(int zopfliIterations = 15, int threads = 1) : iterations(zopfliIterations), threads(threads) {}

    /// False with `error` for a name the format does not allow or one already added
    /// (ASCII case ignored).
    bool addEntry(WideStringView name, std::vector<uint8_t> bytes, WideString& error);
    /// Compresses every entry and writes the archive to `path` in one atomic step.
    bool write(const WideString& path, WideString& error) const;
    /// The archive's bytes, as `write` stores them; empty with `error` when it cannot be made.
    std::vector<uint8_t> build(WideString& error) const;

private:
    struct Pending {
        std::string name;
        std::vector<uint8_t> bytes;
    };

    std::vector<std::vector<uint8_t>> compressEntries() const;

    int iterations;
    int threads;
    std::vector<Pending> pending;
    std::unordered_set<std::string> keys;
};
