#include "core/Md5.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string hex(const Md5Digest& digest) {
    static const char DIGITS[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : digest) {
        text += DIGITS[b >> 4];
        text += DIGITS[b & 15];
    }
    return text;
}

// The test suite of RFC 1321, appendix A.5.
const std::pair<std::string, std::string> RFC_VECTORS[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

}  // namespace

TEST(Md5, MatchesTheRfcTestSuite) {
    for (const auto& [message, expected] : RFC_VECTORS)
        EXPECT_EQ(hex(md5Digest(message.data(), message.size())), expected) << '"' << message << '"';
}

TEST(Md5, IncrementalDigestEqualsOneShotForEverySplit) {
    // Lengths around the 56- and 64-byte padding edges, split at every point.
    std::string message;
    for (int i = 0; i < 130; ++i) message += static_cast<char>('a' + i % 26);
    for (std::size_t length : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 128u, 130u}) {
        const Md5Digest whole = md5Digest(message.data(), length);
        for (std::size_t split = 0; split <= length; ++split) {
            Md5Context context;
            md5Update(context, message.data(), split);
            md5Update(context, message.data() + split, length - split);
            ASSERT_EQ(md5Final(context), whole) << "length " << length << " split " << split;
        }
    }
}

TEST(Md5, EqualsComparesAllSixteenBytes) {
    const Md5Digest a = md5Digest("abc", 3);
    for (std::size_t i = 0; i < a.size(); ++i) {
        Md5Digest b = a;
        b[i] ^= 1;
        EXPECT_FALSE(md5Equals(a, b)) << i;
    }
    const uint8_t field[16] = {0x90, 0x01, 0x50, 0x98, 0x3c, 0xd2, 0x4f, 0xb0,
                               0xd6, 0x96, 0x3f, 0x7d, 0x28, 0xe1, 0x7f, 0x72};
    EXPECT_TRUE(md5Equals(a, field));
}
