#include "media/TextLine.h"
#include <algorithm>
#include <optional>

namespace {

constexpr char16_t LINE_END = u'|';
constexpr char16_t COLOUR_MARK = u'^';
constexpr char16_t BLANK = u' ';
constexpr std::size_t COLOUR_DIGITS = 6;

// One drawn unit with the colour in force where it stands.
struct Cell {
    char16_t unit;
    std::optional<uint32_t> rgb;
};
using Cells = std::vector<Cell>;

std::optional<uint32_t> parseColour(WideStringView text, std::size_t at) {
    if (at + COLOUR_DIGITS > text.size()) return std::nullopt;
    uint32_t rgb = 0;
    for (std::size_t i = 0; i < COLOUR_DIGITS; ++i) {
        const char16_t c = text[at + i];
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        rgb = (rgb << 4) | static_cast<uint32_t>(digit);
    }
    return rgb;
}

// The text split at the bars into lines of cells, colour codes resolved.
std::vector<Cells> parseHardLines(WideStringView text) {
    std::vector<Cells> lines(1);
    std::optional<uint32_t> colour;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == LINE_END) {
            lines.emplace_back();
            continue;
        }
        if (unit == COLOUR_MARK) {
            if (const std::optional<uint32_t> rgb = parseColour(text, i + 1)) {
                colour = rgb;
                i += COLOUR_DIGITS;
                continue;
            }
        }
        lines.back().push_back({unit, colour});
    }
    return lines;
}

WideString unitsOf(const Cells& cells, std::size_t from, std::size_t to) {
    WideString out;
    out.reserve(to - from);
    for (std::size_t i = from; i < to; ++i)
        out.push_back(cells[i].unit);
    return out;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// Greedy wrapping of one bar-delimited line into [from, to) ranges of its cells.
class Wrapper {
  public:
    Wrapper(const Cells& lineCells, float width, const TextLine::Measure& measureText)
        : cells(lineCells), maxWidth(width), measure(measureText) {}

    std::vector<std::pair<std::size_t, std::size_t>> run() {
        std::vector<std::pair<std::size_t, std::size_t>> ranges;
        std::size_t start = 0;
        std::size_t end = 0;
        while (end < cells.size()) {
            const std::size_t wordEnd = nextWordEnd(end);
            if (fits(start, wordEnd)) {
                end = wordEnd;
                continue;
            }
            if (end == start) { // the first word alone is too wide: break it
                end = balancedEnd(start, wordEnd);
            }
            ranges.emplace_back(start, end);
            start = end;
            while (start < cells.size() && cells[start].unit == BLANK)
                ++start;
            end = start;
        }
        if (ranges.empty() || start < cells.size()) ranges.emplace_back(start, cells.size());
        return ranges;
    }

  private:
    std::size_t nextWordEnd(std::size_t at) const {
        while (at < cells.size() && cells[at].unit == BLANK)
            ++at;
        while (at < cells.size() && cells[at].unit != BLANK)
            ++at;
        return at;
    }
    bool fits(std::size_t from, std::size_t to) const {
        return maxWidth <= 0.f || measure(unitsOf(cells, from, to)) <= maxWidth;
    }
    std::size_t nextCharacterEnd(std::size_t at, std::size_t to) const {
        return at + (isHighSurrogate(cells[at].unit) && at + 2 <= to ? 2 : 1);
    }
    // The end of the first of as many pieces as breaking at the longest fit gives, about as
    // wide as each other: a sentence without blanks (Japanese) leaves no lone character at
    // its end.
    std::size_t balancedEnd(std::size_t from, std::size_t to) const {
        std::size_t pieces = 0;
        for (std::size_t at = from; at < to; at = longestFittingEnd(at, to))
            ++pieces;
        const float share = measure(unitsOf(cells, from, to)) / static_cast<float>(pieces);
        const std::size_t longest = longestFittingEnd(from, to);
        std::size_t end = nextCharacterEnd(from, to);
        while (end < longest && measure(unitsOf(cells, from, end)) < share)
            end = nextCharacterEnd(end, to);
        return end;
    }
    // At least one character, never splitting a surrogate pair.
    std::size_t longestFittingEnd(std::size_t from, std::size_t to) const {
        std::size_t end = from + 1;
        if (end < to && isHighSurrogate(cells[from].unit)) ++end;
        for (std::size_t next = end + 1; next <= to; ++next) {
            if (isHighSurrogate(cells[next - 1].unit) && next < to) continue;
            if (!fits(from, next)) break;
            end = next;
        }
        return end;
    }

    const Cells& cells;
    float maxWidth;
    const TextLine::Measure& measure;
};

// Characters in reverse order, surrogate pairs kept in theirs.
Cells reversed(Cells cells) {
    std::reverse(cells.begin(), cells.end());
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        if (isHighSurrogate(cells[i + 1].unit) && !isHighSurrogate(cells[i].unit)) {
            std::swap(cells[i], cells[i + 1]);
            ++i;
        }
    }
    return cells;
}

TextLine buildLine(const Cells& cells, const TextLine::Measure& measure) {
    TextLine line;
    std::size_t from = 0;
    while (from < cells.size()) {
        std::size_t to = from + 1;
        while (to < cells.size() && cells[to].rgb == cells[from].rgb)
            ++to;
        TextSegment segment;
        segment.text = unitsOf(cells, from, to);
        segment.width = measure(segment.text);
        segment.bColoured = cells[from].rgb.has_value();
        segment.rgb = cells[from].rgb.value_or(0);
        line.segments.push_back(std::move(segment));
        from = to;
    }
    line.width = measure(unitsOf(cells, 0, cells.size()));
    return line;
}

} // namespace

std::vector<TextLine> TextLine::wrap(WideStringView text, float maxWidth, float lineHeight,
                                     const Measure& measure, bool bRightToLeft) {
    std::vector<TextLine> lines;
    for (const Cells& hardLine : parseHardLines(text)) {
        for (const auto& [from, to] : Wrapper(hardLine, maxWidth, measure).run()) {
            Cells cells(hardLine.begin() + static_cast<std::ptrdiff_t>(from),
                        hardLine.begin() + static_cast<std::ptrdiff_t>(to));
            if (bRightToLeft) cells = reversed(std::move(cells));
            TextLine line = buildLine(cells, measure);
            line.y = static_cast<float>(lines.size()) * lineHeight;
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

WideString TextLine::plainText(WideStringView text) {
    WideString out;
    const std::vector<Cells> lines = parseHardLines(text);
    for (const Cells& line : lines)
        out += unitsOf(line, 0, line.size());
    return out;
}
