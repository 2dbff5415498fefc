#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

namespace platform {

/// One HTTP exchange. A non-empty body is POSTed with `contentType`; an empty one makes a GET.
struct HttpRequest {
    std::string url;  // http:// or https:// only; other schemes fail
    std::string contentType;
    std::string body;
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds totalTimeout{60000};
    std::size_t maxReplyBytes = 1 << 20;  // a longer reply fails the exchange
};

/// `error` is empty exactly when a complete reply arrived, whatever its `status`: a reply cut
/// inside its header block or short of its declared length is an error.
struct HttpResponse {
    long status = 0;
    std::vector<uint8_t> body;
    std::string error;
};

/// Runs the exchange on the calling thread (any thread), through the proxies that the
/// environment names (as the transfer library reads them, `no_proxy` included), except to a
/// loopback host (`localhost`, 127.0.0.0/8, ::1), which is always reached directly. Returns
/// within about 50 ms of `stop` being requested, with the error "Cancelled.", and at the
/// connect timeout when the host's name does not resolve by then, whatever the name server does.
HttpResponse performHttpRequest(const HttpRequest& request, std::stop_token stop);

}  // namespace platform
