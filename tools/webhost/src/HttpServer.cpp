#include "HttpServer.h"
#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace webhost {
namespace {

constexpr int POLL_MS = 10;  // how often a wait looks at the stop flag
constexpr char TLS_HANDSHAKE = 0x16;
constexpr int TOO_LARGE = 413;
constexpr std::size_t MISSING_BODY = 16;  // what a short body lacks of its declared length

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

sockaddr_in loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

const char* reasonOf(int status) {
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

std::string statusLine(int status) {
    return "HTTP/1.1 " + std::to_string(status) + " " + reasonOf(status) + "\r\n";
}

}  // namespace

std::string Request::header(const std::string& name) const {
    const std::string key = "\r\n" + lower(name) + ":";
    const std::string folded = lower(head);
    const std::size_t at = folded.find(key);
    if (at == std::string::npos) return {};
    std::size_t begin = at + key.size();
    const std::size_t end = head.find("\r\n", begin);
    while (begin < end && head[begin] == ' ') ++begin;
    return head.substr(begin, end - begin);
}

std::string Request::path() const { return target.substr(0, target.find('?')); }

HttpServer::HttpServer(Handler requestHandler, uint16_t port, std::chrono::seconds lifetime)
    : handler(std::move(requestHandler)), deadline(std::chrono::steady_clock::now() + lifetime) {
    listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int reuse = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address = loopback(port);
    socklen_t length = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 8) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener >= 0) close(listener);
        listener = -1;
        return;
    }
    boundPort = ntohs(address.sin_port);
    thread = std::thread([this] { serve(); });
}

HttpServer::~HttpServer() {
    bStop = true;
    if (thread.joinable()) thread.join();
    if (listener >= 0) close(listener);
}

std::string HttpServer::host() const { return "127.0.0.1:" + std::to_string(boundPort); }

std::vector<Request> HttpServer::requests() const {
    std::lock_guard lock(mutex);
    return received;
}

bool HttpServer::waitForRequest(std::chrono::milliseconds limit) const {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        if (!requests().empty()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

uint16_t HttpServer::closedPort() {
    const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

bool HttpServer::shouldStop() const { return bStop || std::chrono::steady_clock::now() >= deadline; }

bool HttpServer::waitFor(int fd, short events) const {
    while (!shouldStop()) {
        pollfd entry{fd, events, 0};
        const int ready = poll(&entry, 1, POLL_MS);
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
    return false;
}

void HttpServer::serve() {
    while (waitFor(listener, POLLIN)) {
        const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        handle(client);
        close(client);
    }
}

bool HttpServer::readRequest(int client, Request& request, bool& bTooLarge) {
    std::string data;
    std::size_t headEnd = std::string::npos;
    std::size_t wanted = 0;
    char chunk[65536];
    while (headEnd == std::string::npos || data.size() < headEnd + 4 + wanted) {
        if (!waitFor(client, POLLIN)) return false;
        const ssize_t got = recv(client, chunk, sizeof chunk, 0);
        if (got <= 0) return false;
        data.append(chunk, static_cast<std::size_t>(got));
        if (data[0] == TLS_HANDSHAKE) {  // a client speaking https: recorded, then answered in plain text
            request.method = "TLS";
            return true;
        }
        if (headEnd == std::string::npos && (headEnd = data.find("\r\n\r\n")) != std::string::npos) {
            request.head = data.substr(0, headEnd);
            wanted = std::strtoull(request.header("Content-Length").c_str(), nullptr, 10);
        }
        bTooLarge = data.size() > MAXREQUEST || (headEnd != std::string::npos && wanted > MAXREQUEST);
        if (bTooLarge) break;
    }
    const std::size_t space = request.head.find(' ');
    request.method = request.head.substr(0, space);
    request.target = request.head.substr(space + 1, request.head.find(' ', space + 1) - space - 1);
    if (!bTooLarge) request.body = data.substr(headEnd + 4, wanted);
    return true;
}

void HttpServer::sendAll(int client, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size() && waitFor(client, POLLOUT)) {
        const ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

void HttpServer::answer(int client, const Reply& reply) {
    switch (reply.kind) {
    case Reply::Kind::Garbage:
        sendAll(client, "this is not a web server\r\n\r\n");
        return;
    case Reply::Kind::Reset: {
        const linger abortive{1, 0};  // close sends RST instead of FIN
        setsockopt(client, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
        return;
    }
    case Reply::Kind::CutHead:
        sendAll(client, statusLine(reply.status));
        return;
    case Reply::Kind::Text:
    case Reply::Kind::ShortBody:
        break;
    }
    const auto until = std::chrono::steady_clock::now() + reply.delay;
    while (!shouldStop() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (shouldStop()) return;
    const std::size_t declared = reply.body.size() + (reply.kind == Reply::Kind::ShortBody ? MISSING_BODY : 0);
    sendAll(client, statusLine(reply.status) + "Content-Type: " + reply.contentType +
                        "\r\nContent-Length: " + std::to_string(declared) +
                        "\r\nConnection: close\r\n\r\n" + reply.body);
}

void HttpServer::handle(int client) {
    Request request;
    bool bTooLarge = false;
    if (!readRequest(client, request, bTooLarge)) return;
    {
        std::lock_guard lock(mutex);
        received.push_back(request);
    }
    if (bTooLarge) {
        answer(client, {Reply::Kind::Text, TOO_LARGE, "The request is too large.\n"});
        return;
    }
    answer(client, handler(request));
}

}  // namespace webhost
