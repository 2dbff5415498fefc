#include "menus/ContextSoundOptions.h"
#include "game/Global.h"
#include "menus/ChoiceButton.h"
#include "menus/ConfigCheckBox.h"
#include "menus/MenuCheckBox.h"
#include "menus/MenuLayout.h"
#include "menus/SliderButton.h"

namespace {

constexpr float CHOICE_X = 64.f;
constexpr float CHECK_BOX_X = -39.f;
constexpr int32_t MAX_VOLUME = 24;

} // namespace

ContextSoundOptions::ContextSoundOptions() {
    setUpMenuScreen(*this);
    GameConfiguration& configuration = Global::get()->configuration;
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_SOUND));
    addMenuItem(*this, new ChoiceButton(CHOICE_X, 2.f * r, 0.f, menuText(STR_SOUNDQUALITY),
                                        menuText(STR_SOUNDQUALITYHINT), &configuration.soundQuality, 0, 2,
                                        STR_ENUMSOUNDQUALITY0));
    addMenuItem(*this, new SliderButton(CHOICE_X, r, 0.f, menuText(STR_SOUNDVOLUME), u"",
                                        &configuration.soundVolume, 0, MAX_VOLUME));
    addMenuItem(*this, new SliderButton(CHOICE_X, 0.f, 0.f, menuText(STR_MUSICVOLUME), u"",
                                        &configuration.musicVolume, 0, MAX_VOLUME));
    addMenuItem(*this, new MenuCheckBox(CHECK_BOX_X, -r, 0.f, menuText(STR_INGAMEMUSIC),
                                        menuText(STR_INGAMEMUSICHINT), &configuration.inGameMusic));
    addMenuItem(*this, new ConfigCheckBox(CHECK_BOX_X, -2.f * r, 0.f, menuText(STR_MUTEAUDIO),
                                          menuText(STR_MUTEAUDIOHINT), &configuration.muteAudio));
    addMenuItem(*this, new MenuCheckBox(CHECK_BOX_X, -3.f * r, 0.f, menuText(STR_ORIGINALMUSIC),
                                        menuText(STR_ORIGINALMUSICHINT), &configuration.originalMusic));
    addBackButton(*this);
}

void ContextSoundOptions::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    if (!removed) return;
    Global& game = *Global::get();
    game.applyConfiguration(-1, -1);
    game.playMusic(u"musicMenu");
}
