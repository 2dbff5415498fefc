#include "core/HttpUploader.h"
#include <system_error>
#include <utility>
#include "core/AppEnvironment.h"
#include "core/ErrorManager.h"
#include "core/Format.h"
#include "core/StringUtil.h"
#include "platform/HttpClient.h"

namespace {

constexpr long HTTP_OK = 200;
// The web services file every build of the game under this platform name.
constexpr char PLATFORM_NAME[] = "WIN";

std::string makeUrl(WideStringView host, WideStringView path) {
    const WideString scheme = toLowerAscii(host.substr(0, 8));
    const bool bHasScheme = scheme.starts_with(u"http://") || scheme.starts_with(u"https://");
    return (bHasScheme ? "" : "http://") + toUtf8(host) + toUtf8(path);
}

// A quote or line break would end the header value early; they go percent-encoded, as
// browsers send them.
std::string headerValue(WideStringView text) {
    std::string out;
    for (const char c : toUtf8(text)) {
        switch (c) {
        case '"': out += "%22"; break;
        case '\r': out += "%0D"; break;
        case '\n': out += "%0A"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

VEK_REGISTER_CLASS_WITHOUT_CREATOR(HttpUploader, VekBase, u"HttpUploader")

HttpUploader::HttpUploader(WideStringView host, WideStringView path) : url(makeUrl(host, path)) {}

HttpUploader::~HttpUploader() {
    if (worker.joinable()) {
        worker.request_stop();
        worker.join();
    }
}

void HttpUploader::addStandardFields() {
    const std::pair<WideStringView, std::string> fields[] = {{u"platform", PLATFORM_NAME},
                                                             {u"gameName", toUtf8(BUILD_IDENTIFIER)},
                                                             {u"gameVersion", toUtf8(VERSION_TEXT)},
                                                             {u"gamePatch", toUtf8(PATCH_LETTER)}};
    for (const auto& [name, value] : fields) addPart(value.data(), value.size(), name, u"");
}

void HttpUploader::addPart(const void* data, std::size_t size, WideStringView partName, WideStringView fileName) {
    VEK_ASSERT(!worker.joinable());
    body += "--";
    body += BOUNDARY;
    body += "\r\nContent-Disposition: form-data; name=\"" + headerValue(partName) + "\"";
    if (!fileName.empty()) body += "; filename=\"" + headerValue(fileName) + "\"";
    body += "\r\nContent-Type: application/octet-stream\r\n\r\n";
    body.append(static_cast<const char*>(data), size);
    body += "\r\n";
}

void HttpUploader::start() {
    VEK_ASSERT(!worker.joinable());
    platform::HttpRequest request;
    request.url = url;
    request.maxReplyBytes = MAXREPLYBYTES;
    if (!body.empty()) {
        body += "--";
        body += BOUNDARY;
        body += "--\r\n";
        request.contentType = std::string("multipart/form-data; boundary=") + BOUNDARY;
        request.body = std::exchange(body, {});
    }
    state.store(RUNNING, std::memory_order_release);
    try {
        worker = std::jthread([this, request = std::move(request)](std::stop_token stop) { run(request, stop); });
    } catch (const std::system_error&) {
        failureText = u"Could not start the upload thread.";
        state.store(FAILED, std::memory_order_release);
    }
}

void HttpUploader::run(const platform::HttpRequest& request, std::stop_token stop) {
    platform::HttpResponse response = platform::performHttpRequest(request, stop);
    if (!response.error.empty()) {
        failureText = fromUtf8(response.error);
    } else if (response.status != HTTP_OK) {
        failedStatus = response.status;
        failureText = stringf(u"The server answered with HTTP status %d.", response.status);
    } else {
        replyBody = ByteBuffer(std::move(response.body));
        state.store(DONE, std::memory_order_release);
        return;
    }
    state.store(FAILED, std::memory_order_release);
}
