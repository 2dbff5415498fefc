#pragma once
#include <cstdint>
#include <deque>
#include <vector>
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/TextLine.h"
#include "media/Vector.h"

class FontQuad;

/// A short scrolling log of text lines, newest last, that can fade out a while after the
/// last message. Colour markup ("^RRGGBB") holds across the lines a message wraps into; a
/// plain text's is not read.
class MessageViewer : public VekBase {
  public:
    MessageViewer();

    /// Wraps the text into lines and appends them, dropping the oldest beyond `maxLines`.
    void addMessage(WideStringView text);
    /// Appends a text from elsewhere (a server's reply) line by line (split as `splitLines`
    /// splits), as `addMessage` would append each line with its markup ignored; but only what
    /// can stay in view is laid out: the last `maxLines` lines, each from the last of its units
    /// that `maxLines` rows can hold (every glyph being a unit wide at least), so that a text of
    /// any size costs a frame about a screenful. The log gets its first LOGGEDLINES lines,
    /// each cut to LOGGEDUNITS units, and the count of the rest.
    void addPlainText(WideStringView text);

    void tick(double t, double dt) override;
    void render() override;

    /// The lines as they read, without their markup.
    std::vector<WideString> getLines() const;

    int wrapWidth;
    int maxLines = 9;
    Vector3 position;
    float lineStep;
    uint32_t colour = 0xFFFFFFFF;
    int textFlags = 4;
    double fadeAfter = 0.0; ///< seconds; 0 = never fade
    bool bottomAnchored = false;
    bool dimOlderLines = false;
    bool hidden = false;
    FontQuad* font;
    double lastMessageTime = 0.0;
    float alpha = 0.f;

    static constexpr std::size_t LOGGEDLINES = 20;
    static constexpr std::size_t LOGGEDUNITS = 200;

  private:
    /// Wraps the text into lines and appends them, dropping the oldest beyond `maxLines`.
    void appendWrapped(WideStringView text, TextLine::Markup markup);
    /// One line at height `y`, each run in its own colour (`colour` where it has none).
    void drawLine(const TextLine& line, float y, bool bDim);

    std::deque<TextLine> lines;
};
