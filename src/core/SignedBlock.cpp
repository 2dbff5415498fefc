#include "core/SignedBlock.h"
#include <bit>
#include <cstring>
#include "core/AppEnvironment.h"
#include "core/Format.h"
#include "core/Md5.h"
#include "platform/Compression.h"

static_assert(std::endian::native == std::endian::little, "stored records are little-endian");

namespace {

Md5Digest signatureOf(const SignedBlockHeader& header, std::span<const uint8_t> payload,
                      WideStringView fileName, WideStringView keyText) {
    Md5Context context;
    md5Update(context, &header, offsetof(SignedBlockHeader, digest));
    const std::string name = toUtf8(fileName);
    const std::string key = toUtf8(keyText);
    md5Update(context, name.c_str(), name.size() + 1);
    md5Update(context, key.c_str(), key.size() + 1);
    md5Update(context, &header.payloadSize, sizeof header.payloadSize);
    md5Update(context, payload.data(), payload.size());
    return md5Final(context);
}

}  // namespace

std::vector<uint8_t> encodeSignedBlock(std::span<const uint8_t> payload, WideStringView fileName,
                                       WideStringView keyText) {
    SignedBlockHeader header{};
    header.buildId.set(BUILD_IDENTIFIER);
    header.version.set(VERSION_TEXT);
    header.payloadSize = static_cast<uint32_t>(payload.size());
    const Md5Digest digest = signatureOf(header, payload, fileName, keyText);
    std::memcpy(header.digest, digest.data(), digest.size());

    const std::vector<uint8_t> stream = platform::compressZlib(payload);
    std::vector<uint8_t> file(sizeof header + stream.size());
    std::memcpy(file.data(), &header, sizeof header);
    std::memcpy(file.data() + sizeof header, stream.data(), stream.size());
    return file;
}

bool decodeSignedBlock(std::span<const uint8_t> file, std::span<uint8_t> out, WideStringView fileName,
                       WideStringView keyText, WideString& error) {
    SignedBlockHeader header;
    if (file.size() < sizeof header) {
        error = stringf(u"file of %d bytes is shorter than its header", static_cast<int>(file.size()));
        return false;
    }
    std::memcpy(&header, file.data(), sizeof header);
    if (header.payloadSize != out.size()) {
        error = stringf(u"holds %u bytes where %u are expected", header.payloadSize,
                        static_cast<uint32_t>(out.size()));
        return false;
    }
    const std::span<const uint8_t> stream = file.subspan(sizeof header);
    // No stream for this size can be longer; a longer one is not ours.
    if (stream.size() > platform::zlibCompressBound(out.size())) {
        error = u"compressed data is longer than its size allows";
        return false;
    }
    std::vector<uint8_t> payload(out.size());
    if (!platform::inflateZlib(stream, payload)) {
        error = u"compressed data is damaged";
        return false;
    }
    const Md5Digest digest = signatureOf(header, payload, fileName, keyText);
    if (!md5Equals(digest, std::span<const uint8_t, 16>(header.digest))) {
        error = u"signature does not match";
        return false;
    }
    if (!payload.empty()) std::memcpy(out.data(), payload.data(), payload.size());
    return true;
}
