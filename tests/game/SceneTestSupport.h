#pragma once
#include <memory>
#include <vector>
#include "GameTestSupport.h"
#include "game/SurfaceChain.h"
#include "media/Texture.h"

/// A game root that loaded nothing, for scene objects: chains of plain frames made in memory.
struct SceneKit {
    GameTestEngine engine;
    std::unique_ptr<GameGlobal> game =
        std::make_unique<GameGlobal>(std::make_unique<TestMenuScreens>(), engine.mainArchive);
    std::vector<std::unique_ptr<Texture>> textures;
    std::vector<std::unique_ptr<SurfaceChain>> chains; // go first, the engine last

    /// `frames` frames of `width` by `height` pixels (half that in world units), each a still.
    SurfaceChain* chain(int frames, int width, int height) {
        std::vector<Texture::Frame> rects;
        for (int i = 0; i < frames; ++i)
            rects.push_back({Rect{float(i * width), 0.f, float((i + 1) * width), float(height)}, {}});
        textures.push_back(std::make_unique<Texture>(*engine.graphics.graphics,
                                                     MemoryImageFile(frames * width, height), rects, 0));
        chains.push_back(std::make_unique<SurfaceChain>(textures.back().get()));
        return chains.back().get();
    }
};
