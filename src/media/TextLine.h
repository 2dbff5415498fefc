#pragma once
#include <cstdint>
#include <functional>
#include <vector>
#include "core/WideString.h"

/// A run of one line drawn in one colour.
struct TextSegment {
    WideString text;
    float width = 0.f;
    /// False: drawn in the caller's colour; true: in `rgb` with the caller's alpha.
    bool bColoured = false;
    uint32_t rgb = 0; ///< 0xRRGGBB
};

/// One line of a wrapped text: its segments in drawing order (left to right), its width, and
/// how far below the top of the block it stands.
///
/// The markup: "|" ends a line and is not drawn; "^RRGGBB" (six hexadecimal digits) draws
/// the rest in that colour and is not drawn either (a "^" not followed by six digits is an
/// ordinary character). Blanks (U+0020) are where a line that would be too wide wraps; the
/// blanks at a wrap are dropped. A word wider than the whole line is broken between
/// characters into the fewest pieces that stay inside, of about equal width. Every other
/// unit, U+000A and the icon units below U+0020 included, is a glyph.
class TextLine {
  public:
    /// Width of a plain text (no markup) in the caller's font, in the caller's units.
    using Measure = std::function<float(WideStringView)>;
    /// Whether the text's markup is read, or its bars and carets are characters like any other
    /// (a text from elsewhere, such as a server's, is shown as it was sent).
    enum class Markup { Read, Ignored };

    /// The lines of `text` wrapped to `maxWidth` (0 or less: only "|" ends lines), one
    /// `lineHeight` apart. With `bRightToLeft` every line's characters and segments are in
    /// reverse, so that drawn from the left they read from the right.
    static std::vector<TextLine> wrap(WideStringView text, float maxWidth, float lineHeight,
                                      const Measure& measure, bool bRightToLeft,
                                      Markup markup = Markup::Read);

    /// The text without its markup (the bars and colour codes dropped).
    static WideString plainText(WideStringView text);

    /// The longest start of a plain text, in whole characters (a surrogate pair is one), that
    /// is at most `maxWidth` wide; the whole text when it fits.
    static WideString cutToWidth(WideStringView text, float maxWidth, const Measure& measure);

    std::vector<TextSegment> segments;
    float width = 0.f;
    float y = 0.f; ///< top of the line, down from the top of the block
};
