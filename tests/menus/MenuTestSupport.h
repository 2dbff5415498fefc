#pragma once
#include <memory>
#include "game/GameTestSupport.h"
#include "game/Loader.h"
#include "media/Texture.h"

/// A game root without loading, whose textures the test registers from memory.
struct MenuFixture {
    GameTestEngine engine;
    std::unique_ptr<GameGlobal> game;

    explicit MenuFixture(std::unique_ptr<MenuScreens> screens = std::make_unique<TestMenuScreens>()) {
        game = std::make_unique<GameGlobal>(std::move(screens), engine.mainArchive);
        game->loaderResources = new VekBase();
    }
    ~MenuFixture() { game.reset(); }

    /// A texture of `frames` frames of `w` by `h` pixels, registered as `name` and its frames.
    Texture* addTexture(const std::u16string& name, int frames, int w = 8, int h = 8) {
        std::vector<Texture::Frame> list;
        for (int i = 0; i < frames; ++i)
            list.push_back(
                {Rect{static_cast<float>(w * i), 0.f, static_cast<float>(w * (i + 1)), static_cast<float>(h)},
                 {}});
        auto* texture = new Texture(*engine.graphics.graphics, MemoryImageFile(w * frames, h), list, 0);
        Loader::registerTexture(texture, name);
        return texture;
    }
};
