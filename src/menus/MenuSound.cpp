#include "menus/MenuSound.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/Sound.h"

void playMenuSound(WideStringView name) {
    if (!Vek::get()) return;
    if (Sound* sound = Vek::get()->getResourceManager().find<Sound>(name, false)) sound->play();
}
