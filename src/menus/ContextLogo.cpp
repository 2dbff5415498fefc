#include "menus/ContextLogo.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/TextureSkin.h"
#include "menus/TimedImage.h"

ContextLogo::ContextLogo() {
    lifetime = LIFETIME;
    clearColor = 0xFF000000;
    deleteWhenClosed = true;
    closeOnFire = true;
    auto* logo = new TimedImage();
    logo->setSkin(Vek::get()->getResourceManager().find<TextureSkin>(u"kelvoro:0"));
    logo->bScreenSpace = true;
    logo->duration = 2.5;
    logo->fadeIn = 0.25;
    logo->fadeOut = 0.5;
    logo->removeWhenDone = true;
    addChild(logo);
}
