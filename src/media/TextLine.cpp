#include "media/TextLine.h"
#include <algorithm>
#include <optional>
#include <tuple>
#include "core/StringUtil.h"

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

// The text split at the bars into lines of cells, colour codes resolved; without markup, one
// line of every unit.
std::vector<Cells> parseHardLines(WideStringView text, TextLine::Markup markup) {
    std::vector<Cells> lines(1);
    std::optional<uint32_t> colour;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (markup == TextLine::Markup::Ignored) {
            lines.back().push_back({unit, colour});
            continue;
        }
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

using Range = std::pair<std::size_t, std::size_t>;

// Greedy wrapping of one bar-delimited line into [from, to) ranges of its cells. Each measure
// spans about a line and a word, or a whole word a few times, so the time grows with the
// text's length: a reply of one unbroken megabyte takes no longer than one of words.
class Wrapper {
  public:
    Wrapper(const Cells& lineCells, float width, const TextLine::Measure& measureText)
        : cells(lineCells), units(unitsOf(lineCells, 0, lineCells.size())), maxWidth(width),
          measure(measureText) {}

    std::vector<Range> run() {
        std::vector<Range> ranges;
        std::size_t start = 0;
        std::size_t end = 0;
        while (end < cells.size()) {
            const std::size_t wordEnd = nextWordEnd(end);
            if (fits(start, wordEnd)) {
                end = wordEnd;
                continue;
            }
            if (end != start) { // the word starts the next line
                ranges.emplace_back(start, end);
                start = end = skipBlanks(end);
                continue;
            }
            // The word alone is too wide: its pieces but the last are lines; the last starts one.
            const std::vector<Range> pieces = breakWord(start, wordEnd);
            if (pieces.size() > 1 && cells[pieces.front().second].unit == BLANK) {
                // A piece of the blanks that lead the line: the blanks at its wrap go too.
                ranges.push_back(pieces.front());
                start = end = skipBlanks(pieces.front().second);
                continue;
            }
            ranges.insert(ranges.end(), pieces.begin(), pieces.end() - 1);
            std::tie(start, end) = pieces.back();
        }
        if (ranges.empty() || start < cells.size()) ranges.emplace_back(start, cells.size());
        return ranges;
    }

  private:
    std::size_t skipBlanks(std::size_t at) const {
        while (at < cells.size() && cells[at].unit == BLANK)
            ++at;
        return at;
    }
    std::size_t nextWordEnd(std::size_t at) const {
        at = skipBlanks(at);
        while (at < cells.size() && cells[at].unit != BLANK)
            ++at;
        return at;
    }
    float widthOf(std::size_t from, std::size_t to) const {
        return measure(WideStringView(units).substr(from, to - from));
    }
    bool fits(std::size_t from, std::size_t to) const {
        return maxWidth <= 0.f || widthOf(from, to) <= maxWidth;
    }
    std::size_t nextCharacterEnd(std::size_t at, std::size_t to) const {
        return at + (isHighSurrogate(cells[at].unit) && at + 2 <= to ? 2 : 1);
    }
    // Where the characters of [from, to) end; a surrogate pair is one character.
    std::vector<std::size_t> characterEnds(std::size_t from, std::size_t to) const {
        std::vector<std::size_t> ends;
        for (std::size_t at = from; at < to; at = ends.back())
            ends.push_back(nextCharacterEnd(at, to));
        return ends;
    }

    // The fewest pieces that breaking at the longest fit gives, each about as wide as the rest
    // of the word shared among the pieces still to come: a sentence without blanks
    // (Japanese) leaves no lone character at its end. The last piece ends with the word.
    std::vector<Range> breakWord(std::size_t from, std::size_t to) const {
        const std::vector<std::size_t> ends = characterEnds(from, to);
        std::size_t piecesLeft = 0;
        for (std::size_t first = 0; first < ends.size(); first = longestFit(ends, from, first) + 1)
            ++piecesLeft;
        float widthLeft = widthOf(from, to);
        std::vector<Range> pieces;
        for (std::size_t first = 0; first < ends.size();) {
            const std::size_t pieceStart = first == 0 ? from : ends[first - 1];
            std::size_t last = longestFit(ends, from, first);
            if (last + 1 < ends.size()) {
                const float share = widthLeft / static_cast<float>(piecesLeft);
                last = firstEndWhere(ends, first, last,
                                     [&](std::size_t end) { return widthOf(pieceStart, end) >= share; });
            }
            pieces.emplace_back(pieceStart, ends[last]);
            widthLeft -= widthOf(pieceStart, ends[last]);
            first = last + 1;
            if (piecesLeft > 1) --piecesLeft;
        }
        return pieces;
    }
    // The index of the last character end from `ends[first]` on whose piece fits; at least
    // `first` (a character wider than the line still stands on one).
    std::size_t longestFit(const std::vector<std::size_t>& ends, std::size_t from, std::size_t first) const {
        const std::size_t pieceStart = first == 0 ? from : ends[first - 1];
        const std::size_t tooWide =
            firstEndWhere(ends, first, ends.size(), [&](std::size_t end) { return !fits(pieceStart, end); });
        return tooWide > first ? tooWide - 1 : first;
    }
    // The first index in [first, limit) whose end makes `isReached` true (false before it,
    // true from it on), or `limit`. Steps that double and then halve measure only about as
    // many characters as the answer spans, a few times over.
    template <class Predicate>
    static std::size_t firstEndWhere(const std::vector<std::size_t>& ends, std::size_t first,
                                     std::size_t limit, const Predicate& isReached) {
        std::size_t low = first;
        std::size_t high = first;
        for (std::size_t step = 1; high < limit && !isReached(ends[high]); step *= 2) {
            low = high + 1;
            high = first + step;
        }
        high = std::min(high, limit);
        const auto begin = ends.begin();
        return static_cast<std::size_t>(
            std::partition_point(begin + static_cast<std::ptrdiff_t>(low),
                                 begin + static_cast<std::ptrdiff_t>(high),
                                 [&](std::size_t end) { return !isReached(end); }) -
            begin);
    }

    const Cells& cells;
    const WideString units; // the cells' units, measured without a copy each time
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
                                     const Measure& measure, bool bRightToLeft, Markup markup) {
    std::vector<TextLine> lines;
    for (const Cells& hardLine : parseHardLines(text, markup)) {
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
    const std::vector<Cells> lines = parseHardLines(text, Markup::Read);
    for (const Cells& line : lines)
        out += unitsOf(line, 0, line.size());
    return out;
}

WideString TextLine::cutToWidth(WideStringView text, float maxWidth, const Measure& measure) {
    if (measure(text) <= maxWidth) return WideString(text);
    std::vector<std::size_t> ends; // where each character ends
    for (std::size_t at = 0; at < text.size();) {
        nextCodePoint(text, at);
        ends.push_back(at);
    }
    // Wider starts are never narrower, so a halving search measures a few of them only.
    const auto tooWide = std::partition_point(
        ends.begin(), ends.end(), [&](std::size_t end) { return measure(text.substr(0, end)) <= maxWidth; });
    return WideString(text.substr(0, tooWide == ends.begin() ? 0 : *(tooWide - 1)));
}
