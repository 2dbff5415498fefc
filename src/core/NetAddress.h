#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include "core/WideString.h"

/// An IPv4 address and port in the 16-byte layout that stored records keep: family 2, then
/// port and address in network byte order, then 8 zero bytes. Copied with memcpy.
struct NetAddress {
    static constexpr uint16_t FAMILY_IPV4 = 2;
    static constexpr uint16_t DEFAULT_PORT = 23006;

    /// Any local address (0.0.0.0), port 23006.
    NetAddress();
    /// From an address and port in host byte order.
    NetAddress(uint32_t hostAddress, uint16_t hostPort);

    /// "host:port" with a host name or dotted-quad address and a decimal port 0 to 65535;
    /// names are resolved on the calling thread, which waits as long as the name server takes (so
    /// not a frame's or the exit's). False, leaving this address untouched, for anything else.
    bool setFromString(WideStringView text);

    uint32_t getAddress() const;  // host byte order
    uint16_t getPort() const;     // host byte order
    /// "a.b.c.d:port".
    WideString toString() const;

    uint16_t family = FAMILY_IPV4;
    uint16_t port;         // network byte order
    uint32_t address = 0;  // network byte order
    std::array<uint8_t, 8> zero{};
};

static_assert(sizeof(NetAddress) == 16);
static_assert(offsetof(NetAddress, port) == 2);
static_assert(offsetof(NetAddress, address) == 4);
static_assert(offsetof(NetAddress, zero) == 8);
