#pragma once
#include <cstdint>
#include <deque>
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/Vector.h"

class FontQuad;

/// A short scrolling log of text lines, newest last, that can fade out a while after the
/// last message.
class MessageViewer : public VekBase {
  public:
    MessageViewer();

    /// Wraps the text into lines and appends them, dropping the oldest beyond `maxLines`.
    void addMessage(WideStringView text);

    void tick(double t, double dt) override;
    void render() override;

    const std::deque<WideString>& getLines() const { return lines; }

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

  private:
    std::deque<WideString> lines;
};
