#include "core/HttpUploader.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include "LoopbackHttpServer.h"
#include "SilentNameServer.h"
#include "core/StringUtil.h"

namespace {

using namespace std::chrono_literals;
using Kind = LoopbackHttpServer::Kind;

const std::string BOUNDARY_LINE = "-----------------------------7d33992b80330";

std::string field(const std::string& name, const std::string& value, const std::string& fileName = {}) {
    return BOUNDARY_LINE + "\r\nContent-Disposition: form-data; name=\"" + name + "\"" +
           (fileName.empty() ? "" : "; filename=\"" + fileName + "\"") +
           "\r\nContent-Type: application/octet-stream\r\n\r\n" + value + "\r\n";
}

/// Starts `uploader` and polls as a screen does, once per "frame", until the request has ended.
int runToOutcome(HttpUploader& uploader) {
    uploader.start();
    const auto until = std::chrono::steady_clock::now() + 20s;
    while (uploader.state == HttpUploader::RUNNING && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(5ms);
    return uploader.state;
}

/// "prompt" when deleting a running uploader for `host`, once `underWay` says its request
/// waits, takes well under a second; else how long it took or what went wrong.
std::string deletionSpeed(const WideString& host, const std::function<bool()>& underWay) {
    auto uploader = std::make_unique<HttpUploader>(host, u"/zv2/crashreport.php");
    uploader->addStandardFields();
    uploader->start();
    if (!underWay()) return "the request never got under way";
    if (uploader->state != HttpUploader::RUNNING)
        return "the request ended by itself: " + toUtf8(uploader->errorText());
    const auto before = std::chrono::steady_clock::now();
    uploader.reset();
    const auto took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - before);
    return took < 500ms ? "prompt" : std::to_string(took.count()) + " ms";
}

}  // namespace

TEST(HttpUploader, PostsTheMultipartFormByteForByteAndAnEmptyFormAsAGet) {
    LoopbackHttpServer server({Kind::Text, 200, "Thanks.\r\nRank 7"});
    HttpUploader uploader(server.host(), u"/zv2/highscoreupload.php");
    EXPECT_EQ(uploader.state, HttpUploader::IDLE);
    uploader.addStandardFields();
    const std::string record("\0\x01\r\n--\xFF", 7);
    uploader.addPart(record.data(), record.size(), u"HSTfile", u"ZV2rmBrumedemo.hst");
    uploader.addPart("", 0, u"empty", u"");
    // Quotes and line breaks cannot escape the header line.
    uploader.addPart("x", 1, u"crash\"Log", u"/home/a\"b\r\nX-Injected: 1/crash.log");
    ASSERT_EQ(runToOutcome(uploader), HttpUploader::DONE) << toUtf8(uploader.errorText());
    EXPECT_EQ(uploader.reply().toWideString(), u"Thanks.\r\nRank 7");

    HttpUploader get(u"http://" + server.host(), u"/zv2/nettest.php");
    ASSERT_EQ(runToOutcome(get), HttpUploader::DONE) << toUtf8(get.errorText());

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].target, "/zv2/highscoreupload.php");
    EXPECT_EQ(requests[0].header("Content-Type"),
              "multipart/form-data; boundary=---------------------------7d33992b80330");
    EXPECT_EQ(requests[0].body, field("platform", "WIN") + field("gameName", "ZV2rmBrumedemo") +
                                    field("gameVersion", "3.07") + field("gamePatch", "g") +
                                    field("HSTfile", record, "ZV2rmBrumedemo.hst") + field("empty", "") +
                                    field("crash%22Log", "x", "/home/a%22b%0D%0AX-Injected: 1/crash.log") +
                                    BOUNDARY_LINE + "--\r\n");
    EXPECT_EQ(requests[1].method, "GET");
    EXPECT_EQ(requests[1].target, "/zv2/nettest.php");
    EXPECT_EQ(requests[1].body, "");
    EXPECT_EQ(requests[1].header("Content-Type"), "");
}

TEST(HttpUploader, EndsInDoneOrFailedForEveryKindOfReply) {
    struct Case {
        const char* what;
        Kind kind;
        int status;
        std::string_view body;
        std::chrono::milliseconds delay;
        int state;
        WideStringView text;  // the decoded reply when done, a part of the error text when failed
        long failureStatus;   // the status a failure names, 0 when it has none
    };
    const Case cases[] = {
        {"utf-8 mark", Kind::Text, 200, "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9", 0ms, HttpUploader::DONE, u"\u00e9t\u00e9", 0},
        {"utf-16 mark", Kind::Text, 200, {"\xFF\xFEO\0K\0", 6}, 0ms, HttpUploader::DONE, u"OK", 0},
        {"latin-1", Kind::Text, 200, "re\xE7u", 0ms, HttpUploader::DONE, u"re\uFFFDu", 0},
        {"a NUL byte", Kind::Text, 200, {"a\0b", 3}, 0ms, HttpUploader::DONE, {u"a\0b", 3}, 0},
        {"empty", Kind::Text, 200, "", 0ms, HttpUploader::DONE, u"", 0},
        {"slow", Kind::Text, 200, "late", 300ms, HttpUploader::DONE, u"late", 0},
        {"not found", Kind::Text, 404, "missing", 0ms, HttpUploader::FAILED, u"HTTP status 404", 404},
        {"no content", Kind::Text, 204, "", 0ms, HttpUploader::FAILED, u"HTTP status 204", 204},
        {"garbage", Kind::Garbage, 200, "", 0ms, HttpUploader::FAILED, u"", 0},
        {"reset", Kind::Reset, 200, "", 0ms, HttpUploader::FAILED, u"", 0},
        {"cut inside the header block", Kind::CutHead, 200, "", 0ms, HttpUploader::FAILED, u"header", 0},
        {"body shorter than declared", Kind::ShortBody, 200, "Thanks", 0ms, HttpUploader::FAILED, u"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoopbackHttpServer server({c.kind, c.status, std::string(c.body), c.delay});
        HttpUploader uploader(server.host(), u"/zv2/highscoreupload.php");
        uploader.addStandardFields();
        ASSERT_EQ(runToOutcome(uploader), c.state) << toUtf8(uploader.errorText());
        EXPECT_EQ(uploader.failureStatus(), c.failureStatus);
        if (c.state == HttpUploader::DONE) {
            EXPECT_EQ(uploader.reply().toWideString(), c.text);
        } else {
            EXPECT_FALSE(uploader.errorText().empty());
            EXPECT_NE(uploader.errorText().find(c.text), WideString::npos) << toUtf8(uploader.errorText());
            EXPECT_TRUE(uploader.reply().empty());
        }
    }
    HttpUploader nobody(fromUtf8("127.0.0.1:" + std::to_string(LoopbackHttpServer::closedPort())), u"/zv2/nettest.php");
    EXPECT_EQ(runToOutcome(nobody), HttpUploader::FAILED);
    EXPECT_FALSE(nobody.errorText().empty());
}

TEST(HttpUploader, AcceptsRepliesUpToTheCapOnlyAndUsesTheSchemeTheHostNames) {
    for (const std::size_t size : {HttpUploader::MAXREPLYBYTES, HttpUploader::MAXREPLYBYTES + 1}) {
        LoopbackHttpServer server({Kind::Text, 200, std::string(size, 'x')});
        HttpUploader uploader(server.host(), u"/zv2/nettest.php");
        const bool bFits = size == HttpUploader::MAXREPLYBYTES;
        ASSERT_EQ(runToOutcome(uploader), bFits ? HttpUploader::DONE : HttpUploader::FAILED);
        EXPECT_EQ(uploader.reply().size(), bFits ? size : 0u);
        EXPECT_EQ(uploader.errorText(), bFits ? u"" : u"The reply is longer than 1048576 bytes.");
    }
    const std::pair<WideString, std::string> schemes[] = {
        {u"", "GET"}, {u"HTTP://", "GET"}, {u"https://", "TLS"}, {u"HTTPS://", "TLS"}};
    for (const auto& [scheme, method] : schemes) {
        LoopbackHttpServer server({Kind::Text, 200, "OK"});
        HttpUploader uploader(scheme + server.host(), u"/zv2/nettest.php");
        EXPECT_EQ(runToOutcome(uploader), method == "GET" ? HttpUploader::DONE : HttpUploader::FAILED);
        ASSERT_EQ(server.requests().size(), 1u) << toUtf8(scheme);
        EXPECT_EQ(server.requests()[0].method, method) << toUtf8(scheme);
    }
}

TEST(HttpUploader, DeletingARunningUploaderStopsItPromptlyAndSafely) {
    LoopbackHttpServer server({Kind::Text, 200, "never seen", 25s});
    EXPECT_EQ(deletionSpeed(server.host(), [&] { return server.waitForRequest(10s); }), "prompt")
        << "waiting on a web host that never answers";
    for (int i = 0; i < 20; ++i) HttpUploader(server.host(), u"/zv2/nettest.php").start();  // deleted at once
    HttpUploader never(server.host(), u"/zv2/nettest.php");

    const SilentNameServer::Outcome lookup = SilentNameServer::run([](SilentNameServer& nameServer) {
        return deletionSpeed(fromUtf8(SilentNameServer::NAME), [&] { return nameServer.waitForQuery(10s); });
    });
    if (!lookup.skipped.empty()) GTEST_SKIP() << lookup.skipped;
    EXPECT_EQ(lookup.report, "prompt") << "waiting on a name server that never answers";
}
