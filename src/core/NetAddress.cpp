#include "core/NetAddress.h"
#include <bit>
#include <optional>
#include "core/Format.h"
#include "core/StringUtil.h"
#include "platform/UdpSocket.h"

namespace {

constexpr std::size_t MAXPORTDIGITS = 5;

uint16_t swapIfLittle(uint16_t value) {
    if constexpr (std::endian::native == std::endian::big) return value;
    return static_cast<uint16_t>((value >> 8) | (value << 8));
}

uint32_t swapIfLittle(uint32_t value) {
    if constexpr (std::endian::native == std::endian::big) return value;
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

// Decimal digits only (no sign, blanks or trailing text), 0 to 65535.
std::optional<uint16_t> parsePort(WideStringView text) {
    if (text.empty() || text.size() > MAXPORTDIGITS) return std::nullopt;
    uint32_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    if (value > 0xFFFF) return std::nullopt;
    return static_cast<uint16_t>(value);
}

}  // namespace

NetAddress::NetAddress() : port(swapIfLittle(DEFAULT_PORT)) {}

NetAddress::NetAddress(uint32_t hostAddress, uint16_t hostPort)
    : port(swapIfLittle(hostPort)), address(swapIfLittle(hostAddress)) {}

bool NetAddress::setFromString(WideStringView text) {
    const std::size_t colon = text.rfind(u':');
    if (colon == WideStringView::npos) return false;
    const std::optional<uint16_t> parsedPort = parsePort(text.substr(colon + 1));
    if (!parsedPort) return false;
    const std::optional<uint32_t> resolved = platform::resolveIPv4(toUtf8(text.substr(0, colon)));
    if (!resolved) return false;
    family = FAMILY_IPV4;
    port = swapIfLittle(*parsedPort);
    address = *resolved;
    zero.fill(0);
    return true;
}

uint32_t NetAddress::getAddress() const { return swapIfLittle(address); }

uint16_t NetAddress::getPort() const { return swapIfLittle(port); }

WideString NetAddress::toString() const {
    const uint32_t a = getAddress();
    return stringf(u"%u.%u.%u.%u:%u", a >> 24, (a >> 16) & 0xFF, (a >> 8) & 0xFF, a & 0xFF, getPort());
}
