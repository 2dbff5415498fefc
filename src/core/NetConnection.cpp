#include "core/NetConnection.h"
#include <string>
#include "core/Logger.h"
#include "core/StringUtil.h"

namespace {

platform::SocketAddress toSocketAddress(const NetAddress& address) { return {address.address, address.port}; }

NetAddress toNetAddress(platform::SocketAddress address) {
    NetAddress out;
    out.address = address.address;
    out.port = address.port;
    return out;
}

}  // namespace

NetConnection::NetConnection(const NetAddress& local) {
    std::string error;
    if (!socket.open(toSocketAddress(local), error))
        VEK_LOG(u"Could not open a UDP socket on %s (%s).", local.toString(), fromUtf8(error));
}

std::optional<NetAddress> NetConnection::getLocalAddress() const {
    const std::optional<platform::SocketAddress> bound = socket.localAddress();
    if (!bound) return std::nullopt;
    return toNetAddress(*bound);
}

bool NetConnection::sendTo(const NetAddress& to, std::span<const uint8_t> bytes) {
    return socket.sendTo(toSocketAddress(to), bytes);
}

std::optional<std::size_t> NetConnection::receive(std::span<uint8_t> buffer, NetAddress& from) {
    platform::SocketAddress sender;
    const std::optional<std::size_t> received = socket.receiveFrom(buffer, sender);
    if (received) from = toNetAddress(sender);
    return received;
}
