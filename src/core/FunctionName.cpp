#include "core/FunctionName.h"
#include <string_view>

std::string qualifiedFunctionName(const char* prettyFunction) {
    const std::string_view text(prettyFunction);
    // The name ends at the first '(' outside template brackets; "operator()" keeps its pair.
    int depth = 0;
    std::size_t end = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<') ++depth;
        else if (c == '>' && depth > 0) --depth;
        else if (c == '(' && depth == 0) {
            if (text.substr(0, i).ends_with("operator") && text.substr(i).starts_with("()")) {
                ++i;
                continue;
            }
            end = i;
            break;
        }
    }
    // The name starts after the last blank outside template brackets (the return type's end).
    std::size_t begin = 0;
    depth = 0;
    for (std::size_t i = end; i-- > 0;) {
        const char c = text[i];
        if (c == '>') ++depth;
        else if (c == '<' && depth > 0) --depth;
        else if ((c == ' ' || c == '*' || c == '&') && depth == 0) {
            begin = i + 1;
            break;
        }
    }
    std::string name(text.substr(begin, end - begin));
    // Helpers in unnamed namespaces read better without the compiler's marker.
    const std::string_view unnamed = "{anonymous}::";
    for (std::size_t at; (at = name.find(unnamed)) != std::string::npos;) name.erase(at, unnamed.size());
    return name;
}
