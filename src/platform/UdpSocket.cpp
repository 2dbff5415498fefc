#include "platform/UdpSocket.h"
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

constexpr std::size_t MAXHOSTNAME = 253;
constexpr std::size_t MAXLABEL = 63;

bool isLabelChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

// Letters, digits and hyphens in dot-separated labels; a name made only of digits and dots
// is a malformed address, which the resolver must not send on as a name.
bool isWellFormedHostName(std::string_view host) {
    if (host.empty() || host.size() > MAXHOSTNAME) return false;
    if (host.find_first_not_of("0123456789.") == std::string_view::npos) return false;
    std::size_t start = 0;
    while (start <= host.size()) {
        std::size_t end = host.find('.', start);
        if (end == std::string_view::npos) end = host.size();
        const std::string_view label = host.substr(start, end - start);
        if (label.empty() || label.size() > MAXLABEL || label.front() == '-' || label.back() == '-') return false;
        for (const char c : label)
            if (!isLabelChar(c)) return false;
        start = end + 1;
    }
    return true;
}

sockaddr_in toSockaddr(SocketAddress address) {
    sockaddr_in out{};
    out.sin_family = AF_INET;
    out.sin_port = address.port;
    out.sin_addr.s_addr = address.address;
    return out;
}

}  // namespace

std::optional<uint32_t> resolveIPv4(const std::string& host) {
    if (host.find('\0') != std::string::npos) return std::nullopt;  // the C calls would stop short
    in_addr numeric{};
    if (inet_pton(AF_INET, host.c_str(), &numeric) == 1) return numeric.s_addr;
    if (!isWellFormedHostName(host)) return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
    const uint32_t address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return address;
}

UdpSocket::~UdpSocket() { close(); }

UdpSocket::UdpSocket(UdpSocket&& other) noexcept : descriptor(std::exchange(other.descriptor, -1)) {}

UdpSocket& UdpSocket::operator=(UdpSocket&& other) noexcept {
    if (this != &other) {
        close();
        descriptor = std::exchange(other.descriptor, -1);
    }
    return *this;
}

bool UdpSocket::open(SocketAddress local, std::string& error) {
    close();
    const int candidate = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_UDP);
    if (candidate < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    const sockaddr_in address = toSockaddr(local);
    if (bind(candidate, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = std::string("bind: ") + std::strerror(errno);
        ::close(candidate);
        return false;
    }
    descriptor = candidate;
    return true;
}

std::optional<SocketAddress> UdpSocket::localAddress() const {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (!isOpen() || getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &length) != 0) return std::nullopt;
    return SocketAddress{address.sin_addr.s_addr, address.sin_port};
}

bool UdpSocket::sendTo(SocketAddress to, std::span<const uint8_t> bytes) {
    if (!isOpen()) return false;
    const sockaddr_in address = toSockaddr(to);
    const ssize_t sent = sendto(descriptor, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return sent >= 0 && static_cast<std::size_t>(sent) == bytes.size();
}

std::optional<std::size_t> UdpSocket::receiveFrom(std::span<uint8_t> buffer, SocketAddress& from) {
    if (!isOpen()) return std::nullopt;
    sockaddr_in address{};
    socklen_t length = sizeof address;
    const ssize_t received =
        recvfrom(descriptor, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&address), &length);
    if (received < 0) return std::nullopt;
    from = SocketAddress{address.sin_addr.s_addr, address.sin_port};
    return static_cast<std::size_t>(received);
}

void UdpSocket::close() {
    if (descriptor >= 0) ::close(descriptor);
    descriptor = -1;
}

}  // namespace platform
