#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace webhost {

/// The parts of a multipart/form-data body.
struct MultipartForm {
    struct Part {
        std::string name;
        std::string fileName;  // empty for a plain field
        std::string data;
    };

    /// Nothing when the content type has no boundary or the body does not follow it.
    static std::optional<MultipartForm> parse(std::string_view contentType, std::string_view body);

    /// The first part named `name`, or null.
    const Part* find(std::string_view name) const;

    std::vector<Part> parts;
};

}  // namespace webhost
