#pragma once
#include <atomic>
#include <cstddef>
#include <stop_token>
#include <string>
#include <thread>
#include "core/ByteBuffer.h"
#include "core/VekBase.h"
#include "core/WideString.h"

namespace platform {
struct HttpRequest;
}

/// One HTTP request to a web page, sent as a multipart form on a worker thread of its own.
/// The main thread builds the form, calls `start` and polls `state` each frame; once it
/// reads FAILED or DONE, `errorText` or `reply` is complete. The worker writes only
/// `state`, the error text and the reply. Deleting a running uploader stops its request.
class HttpUploader : public VekBase {
    VEK_REGISTERED_CLASS()

    static constexpr int IDLE = 0;
    static constexpr int RUNNING = 1;
    static constexpr int FAILED = 2;
    static constexpr int DONE = 3;
    static constexpr char BOUNDARY[] = "---------------------------7d33992b80330";
    static constexpr std::size_t MAXREPLYBYTES = 1 << 20;

    /// `host` may carry a port and an "http://" or "https://" prefix (plain http without
    /// one); `path` starts with "/".
    HttpUploader(WideStringView host, WideStringView path);
    /// Stops a request still running, whatever it waits on (a web host, a name server), and
    /// waits for the worker: within about 50 ms.
    ~HttpUploader() override;
    HttpUploader(const HttpUploader&) = delete;
    HttpUploader& operator=(const HttpUploader&) = delete;

    /// The fields every request carries: platform, gameName, gameVersion, gamePatch.
    void addStandardFields();
    /// One form part; a non-empty `fileName` makes it a file upload.
    void addPart(const void* data, std::size_t size, WideStringView partName, WideStringView fileName);
    /// Closes a non-empty form and sends it as a POST; with no parts, sends a GET. Once only.
    void start();

    /// Why the request failed, in the words of the transfer library or of this class (English,
    /// for the log); valid once `state` has read FAILED.
    const WideString& errorText() const { return failureText; }
    /// The HTTP status of a reply that failed for its status; 0 when the failure brought no
    /// status (no connection, a broken reply). Valid once `state` has read FAILED.
    long failureStatus() const { return failedStatus; }
    /// The reply body; valid once `state` has read DONE.
    const ByteBuffer& reply() const { return replyBody; }

    /// IDLE, RUNNING, FAILED or DONE. The worker stores the outcome with release ordering
    /// after the text and reply; the polling screen sets it back to IDLE once handled.
    std::atomic<int> state{IDLE};

private:
    void run(const platform::HttpRequest& request, std::stop_token stop);

    std::string url;
    std::string body;
    WideString failureText;
    long failedStatus = 0;
    ByteBuffer replyBody;
    std::jthread worker;  // declared last: stopped and joined before the members it writes go away
};
