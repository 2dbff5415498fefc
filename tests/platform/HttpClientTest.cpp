#include "platform/HttpClient.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <optional>
#include "LoopbackHttpServer.h"
#include "SilentNameServer.h"

namespace {

using namespace std::chrono_literals;
using Kind = LoopbackHttpServer::Kind;

std::string urlOf(const LoopbackHttpServer& server, const std::string& path) {
    return "http://127.0.0.1:" + std::to_string(server.port()) + path;
}

/// Sets an environment variable (nullopt: unsets it) for one scope, then puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* variable, std::optional<std::string> value) : name(variable) {
        if (const char* old = std::getenv(name)) previous = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~ScopedVariable() {
        if (previous) setenv(name, previous->c_str(), 1);
        else unsetenv(name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name;
    std::optional<std::string> previous;
};

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

TEST(HttpClient, EndsAtOnceWhenStoppedOrAtTheConnectLimitWhileTheNameServerNeverAnswers) {
    struct Case {
        const char* what;
        bool bStop;  // stopped once the name server has the query, else left alone
        std::chrono::milliseconds connectTimeout;
        std::chrono::milliseconds within;  // of the stop, else of the start
        const char* error;
    };
    const Case cases[] = {
        {"stopped", true, 10s, 500ms, "Cancelled."},
        {"left to the connect limit", false, 1s, 1500ms, "Resolving timed out after 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SilentNameServer::Outcome outcome = SilentNameServer::run([&c](SilentNameServer& nameServer) {
            platform::HttpRequest request;
            request.url = std::string("http://") + SilentNameServer::NAME + "/zv2/nettest.php";
            request.connectTimeout = c.connectTimeout;
            std::stop_source stop;
            auto from = std::chrono::steady_clock::now();
            bool bAsked = true;
            std::jthread stopper([&] {
                if (!c.bStop) return;
                bAsked = nameServer.waitForQuery(5s);
                from = std::chrono::steady_clock::now();
                stop.request_stop();
            });
            const platform::HttpResponse response = platform::performHttpRequest(request, stop.get_token());
            stopper.join();
            if (!bAsked) return "the name server was never asked: " + response.error;
            const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - from);
            return (took < c.within ? "in time: " : "after " + std::to_string(took.count()) + " ms: ") +
                   response.error;
        });
        if (!outcome.skipped.empty()) GTEST_SKIP() << outcome.skipped;
        EXPECT_TRUE(outcome.report.starts_with(std::string("in time: ") + c.error)) << outcome.report;
    }
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

TEST(HttpClient, AddsTheLoopbackNamesToTheUsersOwnNoProxyList) {
    struct Case {
        std::optional<std::string> lower, upper;
        std::string expected;
    };
    const std::nullopt_t unset = std::nullopt;
    const Case cases[] = {
        {unset, unset, "localhost,127.0.0.1"},
        {"", unset, "localhost,127.0.0.1"},
        {"", "", "localhost,127.0.0.1"},
        {"corp.example", unset, "corp.example,localhost,127.0.0.1"},
        {unset, ".corp.example,10.0.0.0/8", ".corp.example,10.0.0.0/8,localhost,127.0.0.1"},
        {"a.example", "b.example", "a.example,localhost,127.0.0.1"},  // the lower-case one wins
        {"", "b.example", "b.example,localhost,127.0.0.1"},          // an empty one counts as unset
        {"LocalHost, 127.0.0.1", unset, "LocalHost, 127.0.0.1"},
        {"127.0.0.1", unset, "127.0.0.1,localhost"},
        {"a.example,", unset, "a.example,localhost,127.0.0.1"},
        {"127.0.0.10,localhost.example", unset, "127.0.0.10,localhost.example,localhost,127.0.0.1"},
        {"*", unset, "*"},  // every host goes without a proxy already
    };
    for (const Case& c : cases) {
        const ScopedVariable lower("no_proxy", c.lower), upper("NO_PROXY", c.upper);
        EXPECT_EQ(platform::noProxyHosts(), c.expected)
            << "no_proxy=" << c.lower.value_or("(unset)") << " NO_PROXY=" << c.upper.value_or("(unset)");
    }
}

TEST(HttpClient, ReachesTheLoopbackDirectlyWhileAProxyAndTheUsersOwnNoProxyListAreSet) {
    LoopbackHttpServer server({Kind::Text, 200, "direct"});
    const std::string deadProxy = "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::closedPort());
    const ScopedVariable proxy("http_proxy", deadProxy), lower("no_proxy", "corp.example"),
        upper("NO_PROXY", std::nullopt);
    platform::HttpRequest request;
    request.url = urlOf(server, "/a");
    const platform::HttpResponse response = platform::performHttpRequest(request, {});
    EXPECT_EQ(response.error, "");
    EXPECT_EQ(std::string(response.body.begin(), response.body.end()), "direct");
}

TEST(HttpClient, SendsAHostOfTheUsersOwnNoProxyListPastTheProxy) {
    LoopbackHttpServer proxy({Kind::Text, 200, "via the proxy"});
    const ScopedVariable httpProxy("http_proxy", "http://" + proxy.HttpServer::host()), lower("no_proxy", "::1"),
        upper("NO_PROXY", std::nullopt);
    platform::HttpRequest request;
    request.url = "http://[::1]:" + std::to_string(LoopbackHttpServer::closedPort()) + "/a";  // nothing listens
    request.connectTimeout = std::chrono::milliseconds(2000);
    const platform::HttpResponse response = platform::performHttpRequest(request, {});
    EXPECT_TRUE(proxy.requests().empty());
    EXPECT_NE(response.error, "");
}
