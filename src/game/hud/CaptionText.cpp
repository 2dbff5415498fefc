#include "game/hud/CaptionText.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/GameFont.h"
#include "game/scene/GameDigest.h"
#include "media/FontQuad.h"

VEK_REGISTER_CLASS(CaptionText, GameObject, u"CaptionText")

namespace {

constexpr double CENTRE_X = 320.0;
// A line wider than the screen is squeezed to leave this much of the screen on either side.
constexpr double EDGE_MARGIN = 10.0;
constexpr double ROOM = 2.0 * (CENTRE_X - EDGE_MARGIN);
constexpr uint32_t WHITE = 0xFFFFFFFF;

} // namespace

void CaptionText::setText(WideStringView newText, CaptionId newId, double seconds, int32_t period) {
    text = newText;
    id = newId;
    timeLeft = seconds;
    blinkPeriod = period;
}

void CaptionText::setText(StringId textId, double seconds, int32_t period) {
    setText(Vek::get()->getLanguage().getString(textId), {textId}, seconds, period);
}

void CaptionText::frameUpdate() {
    if (timeLeft <= 0.0) return;
    const Vek& engine = *Vek::get();
    const bool bBlinkedOff = blinkPeriod > 0 && (engine.renderedFrames / blinkPeriod) % 2 == 1;
    if (!bBlinkedOff && font) font->drawText(FontQuad::TEXT_CENTRE, WHITE, CENTRE_X, y, text, ROOM);
    timeLeft -= engine.tickStep;
}

void CaptionText::addToDigest(GameDigest& digest) const {
    GameObject::addToDigest(digest);
    digest.addInt(id.textId);
    digest.addInt(id.number);
    digest.addNumber(timeLeft);
}
