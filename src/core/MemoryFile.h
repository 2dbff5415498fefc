#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>
#include "core/Resource.h"
#include "core/WideString.h"

/// A whole file held in memory, read through the engine's FileManager (archives or disk as
/// it says), or from the disk when no file manager exists.
class MemoryFile : public Resource {
public:
    enum Flags : uint32_t {
        MEMORYFILE_DEFAULT = 0,
        MEMORYFILE_REQUIRED = 1,  // a missing file is fatal instead of leaving the memory file empty
    };

    explicit MemoryFile(WideStringView path, uint32_t flags = MEMORYFILE_DEFAULT);

    /// False when the file was not found; the data is then empty.
    bool isLoaded() const { return bLoaded; }
    const uint8_t* getData() const { return bytes.data(); }
    std::size_t getSize() const { return bytes.size(); }
    std::span<const uint8_t> getBytes() const { return bytes; }

private:
    std::vector<uint8_t> bytes;
    bool bLoaded = false;
};
