// Opens fuzzed bytes as a WAD archive and reads every entry it accepts.
#include <sys/mman.h>
#include <unistd.h>
#include "FuzzInput.h"
#include "core/Format.h"
#include "core/WadArchive.h"
#include "core/WadWriter.h"

namespace {

std::vector<uint8_t> validArchive() {
    WadWriter writer(1);
    WideString error;
    writer.addEntry(u"gfx/a.tga", std::vector<uint8_t>(300, 7), error);
    writer.addEntry(u"sfx/b.wav", {1, 2, 3, 4, 5}, error);
    writer.addEntry(u"empty", {}, error);
    return writer.build(error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::vector<uint8_t> valid = validArchive();
    // The archive reads from a file; an in-memory one leaves nothing behind.
    static const int fd = memfd_create("wad", 0);
    static const WideString path = stringf(u"/proc/self/fd/%d", fd);
    const std::vector<uint8_t> file = fuzzedFile(data, size, valid);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, file.data(), file.size(), 0) != static_cast<ssize_t>(file.size()))
        return 0;
    WideString error;
    const auto archive = WadArchive::open(path, error);
    if (!archive) return 0;
    for (const auto& entry : archive->getEntries()) {
        std::vector<uint8_t> bytes;
        if (archive->read(entry, bytes, error) && bytes.size() != entry.size) __builtin_trap();
        if (archive->find(u"GFX/A.TGA") && !archive->find(u"gfx/a.tga")) __builtin_trap();
    }
    return 0;
}
