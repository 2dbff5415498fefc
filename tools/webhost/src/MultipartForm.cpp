#include "MultipartForm.h"

namespace webhost {
namespace {

constexpr std::string_view CRLF = "\r\n";

// The quoted value of `key="..."` in a header line, or "".
std::string parameter(std::string_view header, std::string_view key) {
    const std::string pattern = "; " + std::string(key) + "=\"";
    const std::size_t at = header.find(pattern);
    if (at == std::string_view::npos) return {};
    const std::size_t begin = at + pattern.size();
    const std::size_t end = header.find('"', begin);
    return end == std::string_view::npos ? std::string() : std::string(header.substr(begin, end - begin));
}

std::string boundaryOf(std::string_view contentType) {
    constexpr std::string_view KEY = "boundary=";
    if (!contentType.starts_with("multipart/form-data")) return {};
    const std::size_t at = contentType.find(KEY);
    if (at == std::string_view::npos) return {};
    std::string_view value = contentType.substr(at + KEY.size());
    value = value.substr(0, value.find(';'));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return std::string(value);
}

}  // namespace

std::optional<MultipartForm> MultipartForm::parse(std::string_view contentType, std::string_view body) {
    const std::string boundary = boundaryOf(contentType);
    if (boundary.empty() || !body.starts_with("--" + boundary)) return std::nullopt;
    const std::string delimiter = "\r\n--" + boundary;
    MultipartForm form;
    std::size_t at = 2 + boundary.size();
    while (true) {
        const std::string_view rest = body.substr(at);
        if (rest.starts_with("--")) return form;  // the closing delimiter
        if (!rest.starts_with(CRLF)) return std::nullopt;
        const std::size_t headEnd = body.find("\r\n\r\n", at);
        const std::size_t dataEnd = body.find(delimiter, at);
        if (headEnd == std::string_view::npos || dataEnd == std::string_view::npos || headEnd > dataEnd)
            return std::nullopt;
        const std::string_view head = body.substr(at + CRLF.size(), headEnd - at - CRLF.size());
        form.parts.push_back({parameter(head, "name"), parameter(head, "filename"),
                              std::string(body.substr(headEnd + 4, dataEnd - headEnd - 4))});
        at = dataEnd + delimiter.size();
    }
}

const MultipartForm::Part* MultipartForm::find(std::string_view name) const {
    for (const Part& part : parts)
        if (part.name == name) return &part;
    return nullptr;
}

}  // namespace webhost
