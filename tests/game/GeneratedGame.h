#pragma once
#include <filesystem>
#include "GameTestSupport.h"
#include "core/ResourceManager.h"
#include "core/StaticSettings.h"
#include "game/ContextManager.h"
#include "game/Loader.h"
#include "media/Texture.h"

#ifdef VEK_ASSETS_DIR

/// The game root loaded in `language` from the archives that the build generated.
struct GeneratedGame {
    static constexpr const char* ARCHIVES[] = {"ZV2rmBrumedemo.dat",          "ZV2rmBrumedemo.dat.language.v2",
                                               "ZV2rmBrumedemo.dat.1252",     "ZV2rmBrumedemo.dat.1250",
                                               "ZV2rmBrumedemo.dat.Japanese", "ZV2rmBrumedemo.dat.Korean"};

    GameTestEngine engine;
    std::unique_ptr<GameGlobal> game;

    explicit GeneratedGame(int language) {
        for (const char* archive : ARCHIVES)
            std::filesystem::copy_file(std::filesystem::path(VEK_ASSETS_DIR) / archive, engine.home.path() / archive,
                                       std::filesystem::copy_options::overwrite_existing);
        engine.audio->setDelayedLoad(false);
        engine.vek->getStaticSettings().singleLanguage = language;
        game = std::make_unique<GameGlobal>(std::make_unique<TestMenuScreens>(), engine.mainArchive);
        game->initPreLoader();
        auto* loader = static_cast<Loader*>(game->contextManager->getChildren().getHead());
        for (int frame = 0; frame < 20 && loader->step < Loader::STEP_COUNT; ++frame)
            engine.vek->frame(game->getRootContext());
        finished = loader->step == Loader::STEP_COUNT;
    }
    ~GeneratedGame() { game.reset(); }

    Resource* find(const std::u16string& name) const { return engine.vek->getResourceManager().find(name, false); }
    int frames(const std::u16string& name) const {
        const auto* texture = dynamic_cast<const Texture*>(find(name));
        return texture ? static_cast<int>(texture->skins.size()) : -1;
    }

    bool finished = false;
};

#endif
