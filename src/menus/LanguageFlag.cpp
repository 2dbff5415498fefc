#include "menus/LanguageFlag.h"
#include "core/ErrorManager.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/Global.h"
#include "media/PointerTracker.h"
#include "media/Texture.h"
#include "media/TextureSkin.h"
#include "media/VekInput.h"
#include "menus/ContextMenu.h"
#include "game/GameInput.h"

LanguageFlag::LanguageFlag(int languageIndex, int skinIndex) : language(languageIndex) {
    const Texture* tex = Vek::get()->getResourceManager().find<Texture>(u"languageFlags");
    VEK_ASSERT(skinIndex >= 0 && skinIndex < static_cast<int>(tex->skins.size()));
    setSkin(tex->skins[static_cast<std::size_t>(skinIndex)]);
    updateTransform();
}

void LanguageFlag::tick(double t, double dt) {
    Renderable::tick(t, dt);
    const PointerTracker* tracker = GameInput::getPointerTracker();
    const VekInput* input = GameInput::getInput();
    if (!tracker || !input || !input->isAnyTouchPressed()) return;
    if (!isPointInside({tracker->position.x, tracker->position.y, position.z})) return;
    Vek::get()->defaultLanguage = language;
    if (Context* top = Global::get()->contextManager->getTopContext()) top->closed = true;
}

Vector3 LanguageFlag::getFocusPoint(int index) {
    if (index != 0) return NO_FOCUS_POINT;
    return ContextMenu::toScreenOf(*this, position);
}
