#include "menus/MenuButton.h"
#include "core/Language.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/Global.h"
#include "media/SlicedSkin.h"
#include "media/Texture.h"
#include "media/TouchPoint.h"
#include "menus/ContextPopup.h"

MenuButton::MenuButton(float x, float y, float z, WideStringView buttonCaption, WideStringView buttonHint,
                       WideStringView title, WideStringView message)
    : MenuItem(x, y, z, buttonCaption, buttonHint), confirmTitle(title), confirmMessage(message) {
    captionLocation = CAPTION_CENTRED;
    const float width = getBody()->getWidth();
    setTexture(*Vek::get()->getResourceManager().find<Texture>(u"gui-game-button"), END_INSET, 0.f, 0.f,
               END_INSET);
    setWidth(static_cast<int>(width));
}

void MenuButton::tick(double t, double dt) {
    MenuItem::tick(t, dt);
    if (disabled || hidden) return;
    if (TouchPoint* touch = pointingTouch()) {
        if (hovered && touch->bPressed && !touch->handler) touch->handler = this;
        // Dragged off and lifted elsewhere does not count; back over the button it does.
        if (touch->bReleased && touch->handler.get() == this && hovered) {
            if (confirmTitle.empty() && confirmMessage.empty()) {
                activate();
            } else {
                const Language& language = Vek::get()->getLanguage();
                auto* popup = new ContextPopup();
                popup->title = confirmTitle;
                popup->message = confirmMessage;
                popup->firstButtonText = language.getString(STR_YES);
                popup->secondButtonText = language.getString(STR_NO);
                popup->answer = &confirmAnswer;
                popup->createContents();
                popup->deleteWhenClosed = true;
                Global::get()->contextManager->addContext(popup);
            }
        }
    }
    if (confirmAnswer == 0) {
        confirmAnswer = -1;
        activate();
    }
}
