#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include "core/NetAddress.h"
#include "platform/UdpSocket.h"

/// A non-blocking UDP socket bound to a local address; closed on destruction. A failed
/// bind is logged and leaves the connection closed: callers go on without it.
class NetConnection {
public:
    explicit NetConnection(const NetAddress& local);

    bool isOpen() const { return socket.isOpen(); }
    /// The bound address, with the port the system chose when asked for port 0.
    std::optional<NetAddress> getLocalAddress() const;
    /// False when closed or when the datagram could not be sent whole.
    bool sendTo(const NetAddress& to, std::span<const uint8_t> bytes);
    /// The size of one waiting datagram, or nothing when none waits (never blocks).
    std::optional<std::size_t> receive(std::span<uint8_t> buffer, NetAddress& from);

private:
    platform::UdpSocket socket;
};
