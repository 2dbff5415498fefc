// Decodes fuzzed bytes as a signed data file: refused cleanly, or exactly the signed payload.
#include <cstring>
#include "FuzzInput.h"
#include "core/SignedBlock.h"

namespace {

constexpr std::size_t RECORD_SIZE = 3280;

std::vector<uint8_t> validRecord() {
    std::vector<uint8_t> payload(RECORD_SIZE);
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<uint8_t>(i * 31 / 7);
    return payload;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::vector<uint8_t> payload = validRecord();
    static const std::vector<uint8_t> valid = encodeSignedBlock(payload, u"ZV2rmBrumedemo.hst", u"3.07");
    const std::vector<uint8_t> file = fuzzedFile(data, size, valid);
    std::vector<uint8_t> out(RECORD_SIZE, 0xAA);
    WideString error;
    if (decodeSignedBlock(file, out, u"ZV2rmBrumedemo.hst", u"3.07", error)) {
        if (out != payload) __builtin_trap();  // only our own payload carries a matching digest
    } else if (out != std::vector<uint8_t>(RECORD_SIZE, 0xAA)) {
        __builtin_trap();  // a refused file must leave the data untouched
    }
    return 0;
}
