#pragma once
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

/// An HTTP server on 127.0.0.1 (ephemeral port) for tests. It serves one connection at a
/// time, records each request and plays the same scripted reply to every one. It stops on
/// destruction, and by itself after LIFETIME, so a failing test never leaves it running.
class LoopbackHttpServer {
public:
    enum class Kind {
        Text,     // "HTTP/1.1 <status>" with `body`, after `delay`
        Garbage,  // bytes that are not HTTP at all
        Reset,    // the connection is reset once the request is read
    };
    struct Script {
        Kind kind = Kind::Text;
        int status = 200;
        std::string body;
        std::chrono::milliseconds delay{0};
    };
    struct Request {
        std::string method;  // "TLS" for a client that opened with a TLS handshake
        std::string target;
        std::string head;  // the request line and header lines as received
        std::string body;
        std::string header(const std::string& name) const {
            const std::string key = "\r\n" + lower(name) + ":";
            const std::string folded = lower(head);
            const std::size_t at = folded.find(key);
            if (at == std::string::npos) return {};
            std::size_t begin = at + key.size();
            const std::size_t end = head.find("\r\n", begin);
            while (begin < end && head[begin] == ' ') ++begin;
            return head.substr(begin, end - begin);
        }
    };

    static constexpr std::chrono::seconds LIFETIME{30};
    static constexpr std::size_t MAXREQUEST = 8 << 20;
    static constexpr char TLS_HANDSHAKE = 0x16;

    explicit LoopbackHttpServer(Script replyScript) : script(std::move(replyScript)) {
        listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address = loopback(0);
        bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener, 8);
        socklen_t length = sizeof address;
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        boundPort = ntohs(address.sin_port);
        deadline = std::chrono::steady_clock::now() + LIFETIME;
        thread = std::thread([this] { serve(); });
    }
    ~LoopbackHttpServer() {
        bStop = true;
        thread.join();
        close(listener);
    }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    uint16_t port() const { return boundPort; }
    std::u16string host() const {
        const std::string text = "127.0.0.1:" + std::to_string(boundPort);
        return std::u16string(text.begin(), text.end());
    }
    std::vector<Request> requests() const {
        std::lock_guard lock(mutex);
        return received;
    }
    /// True once a request has been read completely, waiting up to `limit`.
    bool waitForRequest(std::chrono::milliseconds limit) const {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < until) {
            if (!requests().empty()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    /// A loopback port with nothing listening on it: connecting is refused.
    static uint16_t closedPort() {
        const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address = loopback(0);
        bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        close(probe);
        return ntohs(address.sin_port);
    }

private:
    static std::string lower(std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return text;
    }
    static sockaddr_in loopback(uint16_t port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }
    bool shouldStop() const { return bStop || std::chrono::steady_clock::now() >= deadline; }

    // Waits for `events` on `fd` in short slices so that a stop is noticed.
    bool waitFor(int fd, short events) const {
        while (!shouldStop()) {
            pollfd entry{fd, events, 0};
            const int ready = poll(&entry, 1, 10);
            if (ready > 0) return true;
            if (ready < 0 && errno != EINTR) return false;
        }
        return false;
    }

    void serve() {
        while (waitFor(listener, POLLIN)) {
            const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) continue;
            handle(client);
            close(client);
        }
    }

    bool readRequest(int client, Request& request) {
        std::string data;
        std::size_t headEnd = std::string::npos;
        std::size_t wanted = 0;
        char chunk[65536];
        while (headEnd == std::string::npos || data.size() < headEnd + 4 + wanted) {
            if (data.size() > MAXREQUEST || !waitFor(client, POLLIN)) return false;
            const ssize_t got = recv(client, chunk, sizeof chunk, 0);
            if (got <= 0) return false;
            data.append(chunk, static_cast<std::size_t>(got));
            if (data[0] == TLS_HANDSHAKE) {  // a client speaking https: recorded, then answered in plain text
                request.method = "TLS";
                return true;
            }
            if (headEnd == std::string::npos && (headEnd = data.find("\r\n\r\n")) != std::string::npos) {
                request.head = data.substr(0, headEnd);
                const std::string length = request.header("Content-Length");
                wanted = std::strtoul(length.c_str(), nullptr, 10);
            }
        }
        const std::size_t space = request.head.find(' ');
        request.method = request.head.substr(0, space);
        request.target = request.head.substr(space + 1, request.head.find(' ', space + 1) - space - 1);
        request.body = data.substr(headEnd + 4, wanted);
        return true;
    }

    void sendAll(int client, const std::string& bytes) {
        std::size_t sent = 0;
        while (sent < bytes.size() && waitFor(client, POLLOUT)) {
            const ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<std::size_t>(n);
        }
    }

    void handle(int client) {
        Request request;
        if (!readRequest(client, request)) return;
        {
            std::lock_guard lock(mutex);
            received.push_back(request);
        }
        switch (script.kind) {
        case Kind::Garbage:
            sendAll(client, "this is not a web server\r\n\r\n");
            return;
        case Kind::Reset: {
            const linger abortive{1, 0};  // close sends RST instead of FIN
            setsockopt(client, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
            return;
        }
        case Kind::Text:
            break;
        }
        const auto until = std::chrono::steady_clock::now() + script.delay;
        while (!shouldStop() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (shouldStop()) return;
        sendAll(client, "HTTP/1.1 " + std::to_string(script.status) + " Scripted\r\nContent-Length: " +
                            std::to_string(script.body.size()) + "\r\nConnection: close\r\n\r\n" + script.body);
    }

    Script script;
    int listener = -1;
    uint16_t boundPort = 0;
    std::chrono::steady_clock::time_point deadline;
    std::atomic<bool> bStop{false};
    mutable std::mutex mutex;
    std::vector<Request> received;
    std::thread thread;
};
