#pragma once
#include <chrono>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include "HttpServer.h"

namespace webhost {

/// The game's three web pages: the crash report, the network test and the score upload.
/// It keeps what it receives in its folder (crash-<n>/<file> and scores-<n>.hst, n counting
/// from 1) and can be told to answer badly. Safe to configure from another thread.
class WebHost {
public:
    /// Misbehaviour applied to every page: CutHead ends the reply inside its header block,
    /// before the page reads the request; ShortBody cuts the page's answer short of its length.
    enum class Fault { None, ServerError, Garbage, Reset, Slow, CutHead, ShortBody };
    /// How the network test's frame is spoilt.
    enum class FrameDamage { None, Magic, Length, Digest, Short };
    /// What the network test answers.
    struct NetTestAnswer {
        enum class Form { Framed, PlainText, Binary };
        Form form = Form::Framed;
        std::string payload;  // UTF-8 settings text (framed) or the text itself
        bool bUtf16 = false;  // the payload goes out as UTF-16LE with a byte-order mark
        FrameDamage damage = FrameDamage::None;
    };

    /// The salt in front of a score record's MD5, and the record's size.
    static constexpr uint32_t SCORE_SALT = 0x3E9B71C4u;
    static constexpr std::size_t SCORE_RECORD_SIZE = 3072;
    static constexpr std::chrono::seconds SLOW_DELAY{20};

    explicit WebHost(std::filesystem::path folder);

    /// Answers one request; runs on the server's thread.
    Reply handle(const Request& request);

    void setFault(Fault fault);
    /// What the crash-report and score pages answer with status 200 once they have stored a
    /// good request, in place of their thanks; nothing: the thanks.
    void setUploadAnswer(std::optional<std::string> body);
    /// The default answer: a good frame with "masterServer" and "message".
    void setNetTestAnswer(NetTestAnswer answer);
    static NetTestAnswer framedAnswer(const std::string& masterServer, const std::string& message);
    /// The body of a framed answer: magic, length, MD5 of the payload, payload.
    static std::string frame(const std::string& payload, FrameDamage damage);

    /// True when the record's first 16 bytes are the MD5 of the salt and the record with them zeroed.
    static bool isScoreRecordSigned(const std::string& record);

private:
    Reply crashReport(const Request& request);
    Reply netTest() const;
    Reply scoreUpload(const Request& request);
    // The answer to a stored upload: `thanks`, or the body set in its place; under the lock.
    Reply uploadAnswerOr(std::string thanks) const;
    // The first free number n of "<prefix><n><suffix>" in the folder; called under the lock.
    int nextNumber(const std::string& prefix, const std::string& suffix) const;

    const std::filesystem::path folder;
    mutable std::mutex mutex;
    Fault fault = Fault::None;
    NetTestAnswer netTestAnswer;
    std::optional<std::string> uploadAnswer;
};

}  // namespace webhost
