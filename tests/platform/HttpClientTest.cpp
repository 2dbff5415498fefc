#include "platform/HttpClient.h"
#include <gtest/gtest.h>
#include "LoopbackHttpServer.h"

namespace {

using namespace std::chrono_literals;
using Kind = LoopbackHttpServer::Kind;

std::string urlOf(const LoopbackHttpServer& server, const std::string& path) {
    return "http://127.0.0.1:" + std::to_string(server.port()) + path;
}

}  // namespace

TEST(HttpClient, GivesStatusAndBodyOfACompleteReply) {
    LoopbackHttpServer server({Kind::Text, 404, "nope"});
    platform::HttpRequest request;
    request.url = urlOf(server, "/a");
    const platform::HttpResponse response = platform::performHttpRequest(request, {});
    EXPECT_EQ(response.error, "");
    EXPECT_EQ(response.status, 404);
    EXPECT_EQ(std::string(response.body.begin(), response.body.end()), "nope");
}

TEST(HttpClient, GivesUpOnASilentServerAfterTheTotalTimeout) {
    LoopbackHttpServer server({Kind::Text, 200, "late", 20s});
    platform::HttpRequest request;
    request.url = urlOf(server, "/slow");
    request.totalTimeout = 300ms;
    const auto before = std::chrono::steady_clock::now();
    const platform::HttpResponse response = platform::performHttpRequest(request, {});
    EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
    EXPECT_NE(response.error.find("imed out"), std::string::npos) << response.error;
}

TEST(HttpClient, StopsWhenAsked) {
    LoopbackHttpServer server({Kind::Text, 200, "late", 20s});
    std::stop_source stop;
    platform::HttpRequest request;
    request.url = urlOf(server, "/slow");
    std::thread stopper([&] {
        server.waitForRequest(10s);
        stop.request_stop();
    });
    const platform::HttpResponse response = platform::performHttpRequest(request, stop.get_token());
    stopper.join();
    EXPECT_EQ(response.error, "Cancelled.");
}

TEST(HttpClient, RefusesSchemesOtherThanHttp) {
    for (const char* url : {"file:///etc/hostname", "ftp://127.0.0.1/", "gopher://127.0.0.1/", "scp://127.0.0.1/x"}) {
        platform::HttpRequest request;
        request.url = url;
        const platform::HttpResponse response = platform::performHttpRequest(request, {});
        EXPECT_FALSE(response.error.empty()) << url;
        EXPECT_TRUE(response.body.empty()) << url;
    }
}
