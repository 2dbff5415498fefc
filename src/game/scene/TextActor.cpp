#include "game/scene/TextActor.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/GameFont.h"
#include "media/FontQuad.h"

VEK_REGISTER_CLASS(TextActor, SpriteActor, u"TextActor")

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFF;

} // namespace

TextActor::TextActor(StringId id, GameFont* textFont, double startX, double startY, double waitSeconds,
                     double showSeconds)
    : SpriteActor(startX, startY, nullptr), stringId(id), font(textFont),
      delay(waitSeconds * SCENE_TO_ENGINE), duration(showSeconds * SCENE_TO_ENGINE) {}

void TextActor::frameUpdate() {
    const double step = Vek::get()->tickStep;
    if (delay > 0.0) {
        delay -= step;
        return;
    }
    if (duration <= 0.0) return;
    if (font)
        font->drawText(FontQuad::TEXT_CENTRE, WHITE, x, y,
                       text.empty() ? Vek::get()->getLanguage().getString(stringId) : text);
    duration -= step;
}
