#include "platform/HttpClient.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <optional>
#include "LoopbackHttpServer.h"
#include "SilentNameServer.h"

namespace {

using namespace std::chrono_literals;
using Kind = LoopbackHttpServer::Kind;

// Every variable that the transfer library reads a proxy or a list of hosts without one from.
constexpr const char* PROXY_VARIABLES[] = {"http_proxy", "https_proxy", "ALL_PROXY",
                                           "all_proxy",  "no_proxy",    "NO_PROXY"};

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

TEST(HttpClient, ReachesEveryLoopbackHostDirectlyAndOtherHostsThroughTheEnvironmentsProxies) {
    LoopbackHttpServer proxy({Kind::Text, 200, "via the proxy"});
    struct Case {
        std::string host;  // nothing listens on it at the port the exchange names
        const char* proxyVariable;
        std::optional<std::string> noProxy;
        bool bViaProxy;
    };
    const std::nullopt_t unset = std::nullopt;
    const Case cases[] = {
        {"http://127.0.0.1", "http_proxy", unset, false},
        {"http://127.0.0.2", "http_proxy", unset, false},
        {"http://127.255.255.254", "http_proxy", unset, false},
        {"http://127.1", "http_proxy", unset, false},
        {"http://localhost", "http_proxy", unset, false},
        {"http://LocalHost", "http_proxy", unset, false},
        {"http://[::1]", "http_proxy", unset, false},
        {"http://[0:0:0:0:0:0:0:1]", "http_proxy", unset, false},
        {"http://[::ffff:127.0.0.1]", "http_proxy", unset, false},
        {"http://a.localhost", "http_proxy", unset, false},
        {"http://localhost.", "http_proxy", unset, false},
        {"http://127.0.0.1.", "http_proxy", unset, false},
        {"http://127.1.", "ALL_PROXY", unset, false},
        {"http://[::1]", "ALL_PROXY", unset, false},
        {"https://[::1]", "https_proxy", unset, false},
        {"http://[::1]", "http_proxy", "corp.example", false},  // the user's own list lacks it
        {"http://192.0.2.1", "http_proxy", "192.0.2.0/24", false},
        {"http://192.0.2.1", "http_proxy", "*", false},
        {"http://192.0.2.1", "http_proxy", unset, true},
        {"http://128.0.0.1", "http_proxy", unset, true},
        {"http://[::2]", "http_proxy", unset, true},
        {"http://localhost.example", "http_proxy", "corp.example", true},
        {"http://notlocalhost", "http_proxy", unset, true},
        {"http://127.0.0.1.example", "ALL_PROXY", unset, true},
    };
    const std::string port = std::to_string(LoopbackHttpServer::closedPort());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.host + " with " + c.proxyVariable + ", no_proxy " + c.noProxy.value_or("(unset)"));
        std::optional<ScopedVariable> cleared[std::size(PROXY_VARIABLES)];
        for (std::size_t i = 0; i < std::size(PROXY_VARIABLES); ++i)
            cleared[i].emplace(PROXY_VARIABLES[i], std::nullopt);
        const ScopedVariable chosen(c.proxyVariable, "http://" + proxy.HttpServer::host()),
            list("no_proxy", c.noProxy);
        const std::size_t seen = proxy.requests().size();
        platform::HttpRequest request;
        request.url = c.host + ":" + port + "/a";
        request.connectTimeout = 300ms;  // a direct way to a host of the documentation net leads nowhere
        const platform::HttpResponse response = platform::performHttpRequest(request, {});
        EXPECT_EQ(proxy.requests().size() - seen, c.bViaProxy ? 1u : 0u) << response.error;
        EXPECT_EQ(std::string(response.body.begin(), response.body.end()),
                  c.bViaProxy ? "via the proxy" : "");
    }
}
