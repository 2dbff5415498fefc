#include "WebHost.h"
#include <cstring>
#include <fstream>
#include "MultipartForm.h"
#include "core/Md5.h"
#include "core/StringUtil.h"

namespace webhost {
namespace {

constexpr char CRASH_PAGE[] = "/zv2/crashreport.php";
constexpr char NETTEST_PAGE[] = "/zv2/nettest.php";
constexpr char SCORES_PAGE[] = "/zv2/highscoreupload.php";
constexpr const char* STANDARD_FIELDS[] = {"platform", "gameName", "gameVersion", "gamePatch"};
constexpr const char* CRASH_PARTS[] = {"crashLog", "crashMiniDump", "crashScreenshot", "crashNetTraffic"};
constexpr char SCORE_PART[] = "HSTfile";
constexpr uint8_t FRAME_MAGIC[] = {0x04, 0x03, 0x02, 0x01};
constexpr std::size_t FRAME_HEADER = 24;
constexpr std::size_t SHORT_FRAME = 12;
constexpr std::size_t DIGEST_SIZE = 16;
constexpr std::size_t SCORE_ROWS_AT = 104;  // the digest, the build's texts, install id and country
constexpr std::size_t SCORE_ROW_SIZE = 296;
constexpr std::size_t SCORE_OFFSET_IN_ROW = 272;
constexpr std::size_t SCORE_ROWS = 10;
constexpr std::size_t SCORE_TAIL = 8;  // zero bytes after the rows

Reply text(int status, std::string body) { return {Reply::Kind::Text, status, std::move(body)}; }

void appendU32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

int32_t readI32(const std::string& bytes, std::size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<int32_t>(value);
}

std::string utf16WithMark(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    for (const char16_t unit : fromUtf8(utf8)) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

// A name the host can store as it is: no folder part, nothing that walks out of its folder.
bool isBaseName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

// The form of a request to a page that takes one, or why it is refused.
std::optional<MultipartForm> formOf(const Request& request, Reply& refusal) {
    if (request.method != "POST") {
        refusal = text(405, "This page takes a POST.\n");
        return std::nullopt;
    }
    auto form = MultipartForm::parse(request.header("Content-Type"), request.body);
    if (!form) {
        refusal = text(400, "The form could not be read.\n");
        return std::nullopt;
    }
    for (const char* field : STANDARD_FIELDS) {
        if (!form->find(field)) {
            refusal = text(400, std::string("The form lacks the field ") + field + ".\n");
            return std::nullopt;
        }
    }
    return form;
}

}  // namespace

WebHost::WebHost(std::filesystem::path storage)
    : folder(std::move(storage)), netTestAnswer(framedAnswer("127.0.0.1:23006", "Hello from the test host.")) {
    std::filesystem::create_directories(folder);
}

void WebHost::setFault(Fault newFault) {
    std::lock_guard lock(mutex);
    fault = newFault;
}

void WebHost::setUploadAnswer(std::optional<std::string> body) {
    std::lock_guard lock(mutex);
    uploadAnswer = std::move(body);
}

Reply WebHost::uploadAnswerOr(std::string thanks) const {
    return text(200, uploadAnswer.value_or(std::move(thanks)));
}

void WebHost::setNetTestAnswer(NetTestAnswer answer) {
    std::lock_guard lock(mutex);
    netTestAnswer = std::move(answer);
}

WebHost::NetTestAnswer WebHost::framedAnswer(const std::string& masterServer, const std::string& message) {
    return {NetTestAnswer::Form::Framed, "masterServer=" + masterServer + "\r\nmessage=" + message + "\r\n"};
}

std::string WebHost::frame(const std::string& payload, FrameDamage damage) {
    std::string out(reinterpret_cast<const char*>(FRAME_MAGIC), sizeof FRAME_MAGIC);
    appendU32(out, static_cast<uint32_t>(payload.size() + (damage == FrameDamage::Length ? 1 : 0)));
    const Md5Digest digest = md5Digest(payload.data(), payload.size());
    out.append(reinterpret_cast<const char*>(digest.data()), digest.size());
    out += payload;
    if (damage == FrameDamage::Magic) out[0] = 0x05;
    if (damage == FrameDamage::Digest) out[8] = static_cast<char>(out[8] ^ 0x5A);
    if (damage == FrameDamage::Short) out.resize(SHORT_FRAME);
    return out;
}

bool WebHost::isScoreRecordSigned(const std::string& record) {
    if (record.size() != SCORE_RECORD_SIZE) return false;
    std::string zeroed = record;
    std::memset(zeroed.data(), 0, DIGEST_SIZE);
    std::string salt;
    appendU32(salt, SCORE_SALT);
    Md5Context context;
    md5Update(context, salt.data(), salt.size());
    md5Update(context, zeroed.data(), zeroed.size());
    const Md5Digest digest = md5Final(context);
    return std::memcmp(digest.data(), record.data(), DIGEST_SIZE) == 0;
}

Reply WebHost::handle(const Request& request) {
    Fault now;
    {
        std::lock_guard lock(mutex);
        now = fault;
    }
    switch (now) {
    case Fault::ServerError: return text(500, "The host is out of order.\n");
    case Fault::Garbage: return {Reply::Kind::Garbage, 0, {}};
    case Fault::Reset: return {Reply::Kind::Reset, 0, {}};
    case Fault::CutHead: return {Reply::Kind::CutHead, 200, {}};
    case Fault::None:
    case Fault::Slow:
    case Fault::ShortBody: break;
    }
    const std::string path = request.path();
    Reply reply = path == CRASH_PAGE     ? crashReport(request)
                  : path == NETTEST_PAGE ? netTest()
                  : path == SCORES_PAGE  ? scoreUpload(request)
                                         : text(404, "No such page.\n");
    if (now == Fault::Slow) reply.delay = SLOW_DELAY;
    if (now == Fault::ShortBody) reply.kind = Reply::Kind::ShortBody;
    return reply;
}

Reply WebHost::crashReport(const Request& request) {
    Reply refusal;
    const auto form = formOf(request, refusal);
    if (!form) return refusal;
    std::vector<const MultipartForm::Part*> files;
    for (const char* name : CRASH_PARTS) {
        const MultipartForm::Part* part = form->find(name);
        if (!part) continue;
        if (!isBaseName(part->fileName)) return text(400, "A file name carries a folder: " + part->fileName + "\n");
        files.push_back(part);
    }
    std::lock_guard lock(mutex);
    const int number = nextNumber("crash-", "");
    const std::filesystem::path report = folder / ("crash-" + std::to_string(number));
    std::filesystem::create_directories(report);
    std::size_t total = 0;
    for (const MultipartForm::Part* part : files) {
        if (!writeFile(report / part->fileName, part->data)) return text(500, "The report could not be stored.\n");
        total += part->data.size();
    }
    return uploadAnswerOr("Thank you!\r\nError report " + std::to_string(number) + " has arrived: " +
                          std::to_string(files.size()) + " files, " + std::to_string(total) + " bytes.\r\n");
}

Reply WebHost::netTest() const {
    std::lock_guard lock(mutex);
    const NetTestAnswer& answer = netTestAnswer;
    const std::string payload = answer.bUtf16 ? utf16WithMark(answer.payload) : answer.payload;
    switch (answer.form) {
    case NetTestAnswer::Form::PlainText: return text(200, payload);
    case NetTestAnswer::Form::Binary: return text(200, std::string("\x00\x01\xFE\xFF", 4) + payload);
    case NetTestAnswer::Form::Framed: break;
    }
    Reply reply = text(200, frame(payload, answer.damage));
    reply.contentType = "application/octet-stream";
    return reply;
}

Reply WebHost::scoreUpload(const Request& request) {
    Reply refusal;
    const auto form = formOf(request, refusal);
    if (!form) return refusal;
    const MultipartForm::Part* file = form->find(SCORE_PART);
    if (!file) return text(400, "The form carries no score file.\n");
    const std::string& record = file->data;
    if (record.size() != SCORE_RECORD_SIZE) return text(400, "The score file has the wrong size.\n");
    if (!isScoreRecordSigned(record)) return text(400, "The score file's digest does not match.\n");
    if (record.find_first_not_of('\0', SCORE_RECORD_SIZE - SCORE_TAIL) != std::string::npos)
        return text(400, "The score file's last bytes are not zero.\n");
    std::lock_guard lock(mutex);
    const int number = nextNumber("scores-", ".hst");
    if (!writeFile(folder / ("scores-" + std::to_string(number) + ".hst"), record))
        return text(500, "The scores could not be stored.\n");
    int best = 0;
    for (std::size_t row = 0; row < SCORE_ROWS; ++row)
        best = std::max(best, readI32(record, SCORE_ROWS_AT + row * SCORE_ROW_SIZE + SCORE_OFFSET_IN_ROW));
    return uploadAnswerOr("Thank you!\r\nReceived " + std::to_string(SCORE_ROWS) + " scores; the best is " +
                          std::to_string(best) + ".\r\n");
}

int WebHost::nextNumber(const std::string& prefix, const std::string& suffix) const {
    int number = 1;
    while (std::filesystem::exists(folder / (prefix + std::to_string(number) + suffix))) ++number;
    return number;
}

}  // namespace webhost
