#pragma once
#include <cstddef>
#include <deque>
#include "core/WideString.h"

/// The engine console's text: the newest lines, oldest dropped first.
class Console {
public:
    static constexpr std::size_t MAXLINES = 256;

    void print(WideStringView text);
    const std::deque<WideString>& getLines() const { return lines; }

private:
    std::deque<WideString> lines;
};
