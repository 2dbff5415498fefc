#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

/// An IPv4 address and port, both in network byte order.
struct SocketAddress {
    uint32_t address = 0;
    uint16_t port = 0;
};

/// The IPv4 address of a host name or dotted-quad text, in network byte order. Text that
/// is not a well-formed host name fails at once, without a name-server query; a name holds the
/// calling thread as long as the name server takes (so not a frame's or the exit's).
std::optional<uint32_t> resolveIPv4(const std::string& host);

/// A non-blocking IPv4 UDP socket; closed on destruction.
class UdpSocket {
public:
    UdpSocket() = default;
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;
    UdpSocket(UdpSocket&& other) noexcept;
    UdpSocket& operator=(UdpSocket&& other) noexcept;

    /// Opens a socket bound to `local`; on failure stays closed and `error` says why.
    bool open(SocketAddress local, std::string& error);
    bool isOpen() const { return descriptor >= 0; }
    /// The bound address, with the port the system chose when bound to port 0.
    std::optional<SocketAddress> localAddress() const;
    /// False when the datagram was not handed to the system whole.
    bool sendTo(SocketAddress to, std::span<const uint8_t> bytes);
    /// The size of one waiting datagram (cut to the buffer), or nothing when none waits.
    std::optional<std::size_t> receiveFrom(std::span<uint8_t> buffer, SocketAddress& from);

private:
    void close();

    int descriptor = -1;
};

}  // namespace platform
