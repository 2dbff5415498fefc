#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace webhost {

/// One request as it arrived.
struct Request {
    std::string method;  // "TLS" for a client that opened with a TLS handshake
    std::string target;
    std::string head;  // the request line and header lines as received
    std::string body;

    /// The value of a header line (name without regard to case), or "" when absent.
    std::string header(const std::string& name) const;
    /// The target without its query.
    std::string path() const;
};

/// What to answer, and how.
struct Reply {
    enum class Kind {
        Text,     // "HTTP/1.1 <status>" with the body, after `delay`
        Garbage,  // bytes that are not HTTP at all
        Reset,    // the connection is reset once the request is read
        CutHead,  // the status line alone, then the connection closes: the header block never ends
        ShortBody,  // as Text, but the header declares more body than follows before the close
    };
    Kind kind = Kind::Text;
    int status = 200;
    std::string body;
    std::string contentType = "text/plain; charset=utf-8";
    std::chrono::milliseconds delay{0};
};

/// An HTTP/1.1 server on 127.0.0.1 that serves one connection at a time, each with one
/// request, answered by the handler (on the server's thread). It records every request and
/// stops on destruction, and by itself once its lifetime has passed, so that nothing it
/// serves outlives the check that started it.
class HttpServer {
public:
    using Handler = std::function<Reply(const Request&)>;

    /// Requests longer than this are answered with status 413 without being read whole.
    static constexpr std::size_t MAXREQUEST = 16 << 20;

    /// Listens on `port` (0: a free one the system picks).
    HttpServer(Handler handler, uint16_t port, std::chrono::seconds lifetime);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    /// False when the port could not be bound; the server then serves nothing.
    bool isListening() const { return listener >= 0; }
    uint16_t port() const { return boundPort; }
    /// "127.0.0.1:<port>".
    std::string host() const;
    /// False once stopped or past its lifetime.
    bool isRunning() const { return isListening() && !shouldStop(); }
    std::vector<Request> requests() const;
    /// True once a request has been read completely, waiting up to `limit`.
    bool waitForRequest(std::chrono::milliseconds limit) const;

    /// A loopback port with nothing listening on it: connecting is refused.
    static uint16_t closedPort();

private:
    bool shouldStop() const;
    bool waitFor(int fd, short events) const;
    void serve();
    // False when the connection ended before a whole request arrived.
    bool readRequest(int client, Request& request, bool& bTooLarge);
    void sendAll(int client, const std::string& bytes);
    void answer(int client, const Reply& reply);
    void handle(int client);

    Handler handler;
    int listener = -1;
    uint16_t boundPort = 0;
    std::chrono::steady_clock::time_point deadline;
    std::atomic<bool> bStop{false};
    mutable std::mutex mutex;
    std::vector<Request> received;
    std::thread thread;
};

}  // namespace webhost
