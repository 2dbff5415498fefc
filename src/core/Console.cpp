#include "core/Console.h"
#include "core/StringUtil.h"

void Console::print(WideStringView text) {
    for (WideString& line : splitLines(text)) {
        lines.push_back(std::move(line));
        if (lines.size() > MAXLINES) lines.pop_front();
    }
}
