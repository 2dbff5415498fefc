#include "menus/MenuSound.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/Sound.h"

namespace {

Sound* findMenuSound(WideStringView name) {
    return Vek::get() ? Vek::get()->getResourceManager().find<Sound>(name, false) : nullptr;
}

} // namespace

void playMenuSound(WideStringView name) {
    if (Sound* sound = findMenuSound(name)) sound->play();
}

void playMenuSoundPitched(WideStringView name, float factor) {
    if (Sound* sound = findMenuSound(name)) sound->playPitched(factor);
}
