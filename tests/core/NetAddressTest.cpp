#include "core/NetAddress.h"
#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include "core/StringUtil.h"

namespace {

std::array<uint8_t, 16> bytesOf(const NetAddress& address) {
    std::array<uint8_t, 16> bytes;
    std::memcpy(bytes.data(), &address, bytes.size());
    return bytes;
}

}  // namespace

TEST(NetAddress, DefaultIsAnyAddressOnPort23006InStoredLayout) {
    const NetAddress address;
    const std::array<uint8_t, 16> want = {2, 0, 0x59, 0xDE, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(bytesOf(address), want);
    EXPECT_EQ(address.getPort(), 23006);
    EXPECT_EQ(address.toString(), u"0.0.0.0:23006");

    const NetAddress loopback(0x7F000001, 80);
    const std::array<uint8_t, 16> wantLoopback = {2, 0, 0, 80, 127, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(bytesOf(loopback), wantLoopback);
}

TEST(NetAddress, SetFromStringAcceptsHostAndPort) {
    const std::tuple<WideString, uint32_t, uint16_t> cases[] = {
        {u"127.0.0.1:80", 0x7F000001, 80},
        {u"10.1.2.3:0", 0x0A010203, 0},
        {u"255.255.255.255:65535", 0xFFFFFFFF, 65535},
        {u"192.168.0.10:00080", 0xC0A8000A, 80},
        {u"localhost:23006", 0x7F000001, 23006},  // from the hosts file, no name server asked
    };
    for (const auto& [text, address, port] : cases) {
        NetAddress parsed(0x01020304, 1);
        ASSERT_TRUE(parsed.setFromString(text)) << toUtf8(text);
        EXPECT_EQ(parsed.getAddress(), address);
        EXPECT_EQ(parsed.getPort(), port);
        EXPECT_EQ(parsed.family, NetAddress::FAMILY_IPV4);
    }
}

TEST(NetAddress, SetFromStringRejectsBadTextAndKeepsTheAddress) {
    const WideString cases[] = {
        u"",
        u"127.0.0.1",                       // no port
        u"127.0.0.1:",                      // empty port
        u":80",                             // empty host
        u"127.0.0.1:65536",                 // port too large
        u"127.0.0.1:-1",
        u"127.0.0.1:+80",
        u"127.0.0.1: 80",
        u"127.0.0.1:80 ",
        u"127.0.0.1:80x",
        u"127.0.0.1:0x50",
        u"127.0.0.1:4294967377",            // 2^32 + 81: would wrap to 81
        u"127.0.0.1:99999999999999999999",  // overflows every integer
        u"256.0.0.1:80",                    // malformed numbers are never looked up as names
        u"1.2.3:80",
        u"1.2.3.4.5:80",
        u"01.2.3.4:80",
        u"bad host:80",
        u"a..b:80",
        u"-leading:80",
        u"trailing-:80",
        u"dot.:80",
        u"\u00fcber.example:80",
        u"[::1]:80",
        WideString(64, u'a') + u":80",     // label longer than 63
        WideString(u"127.0.0.1") + u'\0' + u"junk:80",
    };
    for (const WideString& text : cases) {
        NetAddress parsed(0x01020304, 1);
        EXPECT_FALSE(parsed.setFromString(text)) << toUtf8(text);
        EXPECT_EQ(parsed.getAddress(), 0x01020304u);
        EXPECT_EQ(parsed.getPort(), 1);
    }
}
