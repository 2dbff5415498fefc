#pragma once
#include <chrono>
#include <string>
#include "HttpServer.h"

/// The web host's HTTP server playing one scripted reply to every request, for tests. It
/// stops by itself after LIFETIME, so a failing test never leaves it running.
class LoopbackHttpServer : public webhost::HttpServer {
public:
    using Kind = webhost::Reply::Kind;
    using Request = webhost::Request;
    struct Script {
        Kind kind = Kind::Text;
        int status = 200;
        std::string body;
        std::chrono::milliseconds delay{0};
    };
    static constexpr std::chrono::seconds LIFETIME{30};

    explicit LoopbackHttpServer(Script script)
        : HttpServer([script](const Request&) { return webhost::Reply{script.kind, script.status, script.body, "text/plain", script.delay}; },
                     0, LIFETIME) {}

    std::u16string host() const {
        const std::string text = HttpServer::host();
        return std::u16string(text.begin(), text.end());
    }
};
