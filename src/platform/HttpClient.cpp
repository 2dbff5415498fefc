#include "platform/HttpClient.h"
#include <curl/curl.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>
#include <string_view>

namespace platform {
namespace {

// How long one wait for socket activity may last before the stop request is looked at again.
constexpr int POLL_MS = 50;
// The first byte of every IPv4 loopback address (127.0.0.0/8).
constexpr unsigned LOOPBACK_NET = 127;

struct CurlEasyFree {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlMultiFree {
    void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
};
struct CurlListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct CurlUrlFree {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyFree>;
using CurlMulti = std::unique_ptr<CURLM, CurlMultiFree>;
using CurlList = std::unique_ptr<curl_slist, CurlListFree>;
using CurlUrl = std::unique_ptr<CURLU, CurlUrlFree>;

// Keeps the transfer attached to the multi handle for exactly its own lifetime.
class Attachment {
public:
    Attachment(CURLM* multiHandle, CURL* easyHandle) : multi(multiHandle), easy(easyHandle) {
        bAttached = curl_multi_add_handle(multi, easy) == CURLM_OK;
    }
    ~Attachment() {
        if (bAttached) curl_multi_remove_handle(multi, easy);
    }
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;
    bool isAttached() const { return bAttached; }

private:
    CURLM* multi;
    CURL* easy;
    bool bAttached = false;
};

struct ReplySink {
    std::vector<uint8_t>& body;
    std::size_t limit;
    bool bTooLarge = false;
    bool bHeadEnded = false;  // the blank line that ends the last header block has arrived
};

size_t collectReply(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<ReplySink*>(user);
    const size_t length = size * count;
    if (length > sink->limit - sink->body.size()) {
        sink->bTooLarge = true;
        return 0;  // anything short of `length` makes curl abort the transfer
    }
    sink->body.insert(sink->body.end(), data, data + length);
    return length;
}

// The transfer library takes a reply cut inside its header block as complete; only the blank
// line at its end tells. A status line starts a new block (after an interim 1xx reply or a
// proxy's answer to CONNECT).
size_t watchHeaderLine(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<ReplySink*>(user);
    const std::string_view line(data, size * count);
    if (line == "\r\n" || line == "\n") sink->bHeadEnded = true;
    else if (line.starts_with("HTTP/")) sink->bHeadEnded = false;
    return line.size();
}

// The URL's host as the transfer library reads it (an IPv4 address in any of its spellings made
// dotted, an IPv6 address in brackets), or "" when it reads none.
std::string hostOf(const std::string& url) {
    const CurlUrl parsed(curl_url());
    const unsigned flags = CURLU_GUESS_SCHEME | CURLU_NON_SUPPORT_SCHEME;  // as the library reads CURLOPT_URL
    char* host = nullptr;
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), flags) != CURLUE_OK ||
        curl_url_get(parsed.get(), CURLUPART_HOST, &host, 0) != CURLUE_OK)
        return {};
    std::string text(host);
    curl_free(host);
    return text;
}

// Names under "localhost" are the loopback by their standard (the transfer library answers them
// itself), and a trailing dot names the same host, as in the library's own no_proxy matching.
bool isLoopbackHost(std::string host) {
    std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return std::tolower(c); });
    if (host.ends_with('.')) host.pop_back();
    if (host == "localhost" || host.ends_with(".localhost")) return true;
    // Any numeric spelling: the library leaves one with a trailing dot as it was written.
    in_addr ipv4{};
    if (inet_aton(host.c_str(), &ipv4) != 0) return ntohl(ipv4.s_addr) >> 24 == LOOPBACK_NET;
    in6_addr ipv6{};
    if (host.size() < 2 || host.front() != '[' || host.back() != ']') return false;
    if (inet_pton(AF_INET6, host.substr(1, host.size() - 2).c_str(), &ipv6) != 1) return false;
    return IN6_IS_ADDR_LOOPBACK(&ipv6) || (IN6_IS_ADDR_V4MAPPED(&ipv6) && ipv6.s6_addr[12] == LOOPBACK_NET);
}

CurlList makeHeaders(const HttpRequest& request) {
    // No "Expect: 100-continue" round trip: servers that ignore it would cost a second per request.
    CurlList headers(curl_slist_append(nullptr, "Expect:"));
    if (headers && !request.body.empty()) {
        const std::string type = "Content-Type: " + request.contentType;
        // Appending returns the same head, or null (list untouched) when out of memory.
        if (!curl_slist_append(headers.get(), type.c_str())) return nullptr;
    }
    return headers;
}

void configure(CURL* easy, const HttpRequest& request, curl_slist* headers, ReplySink& sink, char* errorBuffer) {
    curl_easy_setopt(easy, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // No proxy can reach our loopback; other hosts use the environment's proxies and no_proxy list.
    if (isLoopbackHost(hostOf(request.url))) curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);  // signals are process-wide; timeouts must not use them
    // A name lookup cannot be interrupted, and the library joins its resolver thread when a
    // transfer ends, however long the name server keeps it. Told to exit quickly, it leaves that
    // thread to finish on its own: the thread owns all it touches (its block, the system's
    // resolver), so a stop and the connect limit end the transfer at once, and the process may
    // end while it waits. The caller's worker stays joined: it runs the library's TLS code,
    // which the process tears down at exit.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(request.totalTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, collectReply);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, watchHeaderLine);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &sink);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
    if (!request.body.empty()) {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request.body.data());
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    } else {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    }
}

// Drives the transfer until it ends or a stop is requested; the curl result, or nothing when stopped.
bool runTransfer(CURLM* multi, std::stop_token stop, CURLcode& result) {
    int running = 1;
    while (running > 0) {
        if (stop.stop_requested()) return false;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            return true;
        }
        if (running > 0) curl_multi_poll(multi, nullptr, 0, POLL_MS, nullptr);
    }
    int queued = 0;
    result = CURLE_FAILED_INIT;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued))
        if (message->msg == CURLMSG_DONE) result = message->data.result;
    return true;
}

}  // namespace

HttpResponse performHttpRequest(const HttpRequest& request, std::stop_token stop) {
    static std::once_flag globalInit;
    std::call_once(globalInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    HttpResponse response;
    CurlMulti multi(curl_multi_init());
    CurlEasy easy(curl_easy_init());
    const CurlList headers = makeHeaders(request);
    if (!multi || !easy || !headers) {
        response.error = "Could not set up the HTTP transfer.";
        return response;
    }
    char errorBuffer[CURL_ERROR_SIZE] = {};
    ReplySink sink{response.body, request.maxReplyBytes};
    configure(easy.get(), request, headers.get(), sink, errorBuffer);

    const Attachment attachment(multi.get(), easy.get());
    CURLcode result = CURLE_FAILED_INIT;
    if (!attachment.isAttached()) {
        response.error = "Could not start the HTTP transfer.";
    } else if (!runTransfer(multi.get(), stop, result)) {
        response.error = "Cancelled.";
    } else if (sink.bTooLarge) {
        response.error = "The reply is longer than " + std::to_string(request.maxReplyBytes) + " bytes.";
    } else if (result != CURLE_OK) {
        response.error = errorBuffer[0] ? errorBuffer : curl_easy_strerror(result);
    } else if (!sink.bHeadEnded) {
        response.error = "The reply ended inside its header block.";
    } else {
        curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &response.status);
    }
    if (!response.error.empty()) response.body.clear();
    return response;
}

}  // namespace platform
