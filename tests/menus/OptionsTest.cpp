#include <gtest/gtest.h>
#include "MenuTestSupport.h"
#include "core/AppEnvironment.h"
#include "core/EngineLifecycle.h"
#include "core/FileManager.h"
#include "core/StaticSettings.h"
#include "core/UserSettings.h"
#include "game/LoaderResourceTable.h"
#include "media/SoundStream.h"
#include "media/VekAudio.h"
#include "media/VekGraphics.h"
#include "menus/ConfigCheckBox.h"
#include "menus/ContextAdvancedGraphics.h"
#include "menus/ContextControls.h"
#include "menus/ContextGameplayOptions.h"
#include "menus/ContextGraphicsOptions.h"
#include "menus/ContextHelp.h"
#include "menus/ContextJoystickControls.h"
#include "menus/ContextOptions.h"
#include "menus/ContextSoundOptions.h"
#include "menus/MenuButton.h"
#include "menus/MenuCheckBox.h"
#include "menus/SliderButton.h"

namespace {

/// The items of a screen in the order they were registered.
template <class Item> std::vector<Item*> itemsOf(Context& screen) {
    std::vector<Item*> items;
    for (VekBase* child = screen.getChildren().getHead(); child; child = child->getNext())
        if (auto* item = dynamic_cast<Item*>(child)) items.push_back(item);
    return items;
}

/// Registers the menu music, which leaving the sound screen starts again.
SoundStream* registerMenuMusic(MenuRig& rig) {
    Vek::get()->getFileManager().useWad(rig.f.engine.mainArchive);
    for (const LoaderResource& row : loaderResourceTable()) {
        if (row.name != WideStringView(u"musicMenuRemastered")) continue;
        auto* stream = new SoundStream(row.file, row.loop);
        Loader::registerResource(stream, row.name);
        return stream;
    }
    return nullptr;
}

int sampleVolume() {
    return VekAudio::get()->getGlobalVolume(VolumeGroup::Sample);
}

} // namespace

TEST(ContextOptions, OpensEveryScreenClickedInOneFrameInOrderAndAsksForTheLanguageByRestarting) {
    MenuRig rig;
    auto* hub = new ContextOptions();
    rig.stack->addContext(hub);
    rig.tickStack();
    hub->gameplay->clicked = hub->sound->clicked = hub->help->clicked = true;
    rig.tickStack();
    auto* first = rig.stack->getChildren().getHead()->getNext();
    EXPECT_NE(dynamic_cast<ContextGameplayOptions*>(first), nullptr);
    EXPECT_NE(dynamic_cast<ContextSoundOptions*>(first->getNext()), nullptr);
    EXPECT_NE(dynamic_cast<ContextHelp*>(first->getNext()->getNext()), nullptr);
    EXPECT_EQ(itemsOf<MenuButton>(*hub).size(), 8u);
    hub->language->clicked = true;
    hub->tickContents(0.0, 0.0);
    EXPECT_EQ(Vek::get()->defaultLanguage, -1);
    EXPECT_TRUE(restartRequested);
    EXPECT_FALSE(hub->closed);
    restartRequested = false;
    Vek::get()->getStaticSettings().singleLanguage = 2; // no language button; help stays at the bottom
    ContextOptions single;
    EXPECT_EQ(single.language, nullptr);
    EXPECT_FLOAT_EQ(single.help->position.y, -static_cast<float>(single.originY));
}

TEST(OptionsScreens, VolumesAndMuteApplyAtOnceTheQualityAtTheNextStart) {
    MenuRig rig;
    SoundStream* music = registerMenuMusic(rig);
    ASSERT_NE(music, nullptr);
    GameConfiguration& configuration = rig.f.game->configuration;
    auto* screen = new ContextSoundOptions();
    rig.stack->addContext(screen);
    rig.tickStack();
    const auto sliders = itemsOf<SliderButton>(*screen);
    ASSERT_EQ(sliders.size(), 2u);
    EXPECT_EQ(sliders[0]->value, &configuration.soundVolume);
    configuration.soundVolume = 12;
    sliders[0]->activate();
    EXPECT_EQ(sampleVolume(), 5000);
    configuration.muteAudio = true;
    itemsOf<ConfigCheckBox>(*screen).front()->activate();
    EXPECT_EQ(sampleVolume(), 0);
    configuration.soundQuality = 0;
    const int playing = VekAudio::get()->getDeviceFrequency();
    ASSERT_NE(playing, 11025);
    screen->closed = true;
    rig.tickStack();
    // The quality is kept for the next start; the output carries on at its rate.
    EXPECT_EQ(VekAudio::get()->getDeviceFrequency(), playing);
    EXPECT_EQ(VekAudio::get()->getOutputFrequency(), 11025);
    EXPECT_EQ(Vek::get()->getUserSettings().getInt(VekAudio::SETTINGS_SECTION, u"frequency", 0), 11025);
    EXPECT_EQ(VekAudio::get()->getCurrentMusic(), music);
}

TEST(OptionsScreens, CheckBoxesWriteTheirFieldsAndOnlySomeScreensApplyWhenLeft) {
    MenuRig rig;
    registerMenuMusic(rig);
    GameConfiguration& configuration = rig.f.game->configuration;
    const std::pair<ContextMenu*, bool> cases[] = {{new ContextGameplayOptions(), false},
                                                   {new ContextGraphicsOptions(), false},
                                                   {new ContextSoundOptions(), true},
                                                   {new ContextJoystickControls(), true}};
    for (const auto& [screen, appliesWhenLeft] : cases) {
        rig.f.game->applyConfiguration(-1, -1);
        rig.stack->addContext(screen);
        rig.tickStack();
        for (MenuCheckBox* box : itemsOf<MenuCheckBox>(*screen)) {
            const bool before = *box->value;
            rig.pointAt(box->position.x, box->position.y);
            rig.setMouseButton(true);
            rig.tickStack();
            rig.setMouseButton(false);
            rig.tickStack();
            EXPECT_NE(*box->value, before) << toUtf8(box->caption);
            *box->value = before;
        }
        configuration.soundVolume = configuration.soundVolume == 3 ? 6 : 3;
        screen->closed = true;
        rig.tickStack();
        EXPECT_EQ(sampleVolume() == configuration.soundVolume * 10000 / 24, appliesWhenLeft)
            << appliesWhenLeft;
    }
}

TEST(ContextAdvancedGraphics, PreselectsTheDisplaysModeAndAppliesTheModeItShows) {
    struct Case {
        const char* name;
        std::vector<VideoMode> modes;
        VideoMode saved;   // the mode the graphics keep before
        VideoMode display; // what the display shows: full screen may cover more than the mode
        int preselected;
        int choose;        // -1: leave the choice alone
        VideoMode applied; // the mode afterwards
        bool bSafe = false; // "-safe": an 800 by 600 window whatever is saved
        int thenChoose = -1; // -1: no second choice
    };
    const std::vector<VideoMode> twoModes{{640, 480}, {1280, 1024}};
    const Case cases[] = {
        {"the display's size not listed", {{800, 600}, {1024, 768}}, {640, 480}, {640, 480}, 0, -1, {800, 600}},
        {"another mode chosen", {{800, 600}, {1024, 768}}, {640, 480}, {640, 480}, 0, 1, {1024, 768}},
        {"the later of two equal modes", {{640, 480}, {800, 600}, {640, 480}}, {640, 480}, {640, 480}, 2, -1,
         {640, 480}},
        {"the first mode chosen", {{640, 480}, {800, 600}}, {640, 480}, {640, 480}, 0, 0, {640, 480}},
        {"no modes at all", {}, {640, 480}, {640, 480}, 0, -1, {640, 480}},
        {"full screen over the whole display", twoModes, {640, 480}, {1280, 1024}, 1, -1, {1280, 1024}},
        {"a window smaller than the kept mode", twoModes, {1280, 1024}, {640, 480}, 0, -1, {640, 480}},
        {"-safe, the choice left alone", twoModes, {-1, -1}, {800, 600}, 0, -1, {800, 600}, true},
        {"-safe, a mode chosen", twoModes, {-1, -1}, {800, 600}, 0, 1, {1280, 1024}, true},
        {"-safe, the first mode chosen again", twoModes, {-1, -1}, {800, 600}, 0, 1, {640, 480}, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const char* arguments[] = {"zelbin-vorlanx", "-safe"};
        setProgramArguments(c.bSafe ? 2 : 0, arguments);
        MenuRig rig;
        setProgramArguments(0, nullptr);
        VekGraphics& graphics = *rig.f.engine.graphics.graphics;
        graphics.videoModes = c.modes;
        graphics.changePresentationParameters(c.saved.width, c.saved.height, false, true, true, false);
        graphics.displayWidth = c.display.width;
        graphics.displayHeight = c.display.height;
        GameConfiguration& configuration = rig.f.game->configuration;
        configuration.fullScreen = false;
        configuration.vsync = true;
        auto* screen = new ContextAdvancedGraphics();
        rig.stack->addContext(screen);
        rig.tickStack();
        EXPECT_TRUE(screen->letterbox->disabled);
        EXPECT_EQ(screen->selectedMode, c.preselected);
        for (const int choice : {c.choose, c.thenChoose}) {
            if (choice < 0) continue;
            screen->selectedMode = choice;
            rig.tickStack();
        }
        rig.tickStack();
        EXPECT_FALSE(graphics.getSettings().bVSync); // nothing applied while open
        screen->closed = true;
        rig.tickStack();
        EXPECT_TRUE(graphics.getSettings().bVSync);
        EXPECT_EQ(graphics.getSettings().width, c.applied.width);
        EXPECT_EQ(graphics.getSettings().height, c.applied.height);
    }
}
