#include "core/NetConnection.h"
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>
#include "core/StringUtil.h"

namespace {

const NetAddress LOOPBACK_ANY_PORT(0x7F000001, 0);

std::optional<std::size_t> receiveWithin(NetConnection& connection, std::span<uint8_t> buffer, NetAddress& from) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < until) {
        if (auto got = connection.receive(buffer, from)) return got;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::nullopt;
}

}  // namespace

TEST(NetConnection, BindsOnLoopbackAndSendsToItself) {
    NetConnection connection(LOOPBACK_ANY_PORT);
    ASSERT_TRUE(connection.isOpen());
    const std::optional<NetAddress> local = connection.getLocalAddress();
    ASSERT_TRUE(local);
    EXPECT_EQ(local->getAddress(), 0x7F000001u);
    EXPECT_NE(local->getPort(), 0);

    uint8_t buffer[16] = {};
    NetAddress from;
    EXPECT_FALSE(connection.receive(buffer, from));  // non-blocking: nothing waits yet

    const uint8_t datagram[] = {'p', 'i', 'n', 'g', 0};
    ASSERT_TRUE(connection.sendTo(*local, datagram));
    const std::optional<std::size_t> got = receiveWithin(connection, buffer, from);
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, sizeof datagram);
    EXPECT_EQ(std::memcmp(buffer, datagram, sizeof datagram), 0);
    EXPECT_EQ(from.toString(), local->toString());
}

TEST(NetConnection, ReportsABindFailure) {
    NetConnection first(LOOPBACK_ANY_PORT);
    ASSERT_TRUE(first.isOpen());
    const NetAddress taken = *first.getLocalAddress();

    const NetAddress failing[] = {
        taken,                          // port already bound
        NetAddress(0xC0000201, 0),      // 192.0.2.1: an address this machine does not have
    };
    for (const NetAddress& address : failing) {
        NetConnection second(address);
        EXPECT_FALSE(second.isOpen()) << toUtf8(address.toString());
        EXPECT_FALSE(second.getLocalAddress());
        const uint8_t datagram[] = {1};
        EXPECT_FALSE(second.sendTo(taken, datagram));
        uint8_t buffer[4];
        NetAddress from;
        EXPECT_FALSE(second.receive(buffer, from));
    }
}
