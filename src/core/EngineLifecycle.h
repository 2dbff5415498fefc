#pragma once
#include <functional>
#include <memory>
#include <optional>
#include "core/GameRoot.h"
#include "core/MediaServices.h"

/// What the program's entry installs before the first frame tick: how to tell whether the
/// window is in the foreground, how time runs, and the game layer's factory of its root.
/// Without a factory the engine runs its frames over an empty context list.
struct EngineEnvironment {
    std::function<bool()> isInForeground;  ///< null: always in the foreground
    bool bFixedStep = false;
    std::function<std::unique_ptr<GameRoot>()> createGameRoot;
    std::function<std::unique_ptr<MediaServices>()> createMedia;  ///< null: no media
    std::optional<uint32_t> seed; ///< the random generator's seed; none: from the clock
};
void installEngineEnvironment(EngineEnvironment environment);

/// Makes the engine root, then the game root, and runs its pre-loader initialisation.
void createVEK();
/// Deletes the game root, then the engine root.
void deleteVEK();

enum class FrameTickResult {
    Waited,  ///< no engine yet and the window is not in the foreground: slept instead
    Ran,     ///< one engine frame ran
    Stop,    ///< the game asks to quit: close the window
};
/// The idle step of the message loop: builds the roots when there are none (once the window
/// is in the foreground), runs one engine frame, and rebuilds both roots after a restart
/// request.
FrameTickResult frameTick();
/// Deletes both roots and then opens the game's exit address, when it left one.
void shutDownEngine();

/// Raised by the game to rebuild engine and game root after the current frame; read and
/// cleared only by `frameTick`.
extern bool restartRequested;

/// The game root, or null while there is none.
GameRoot* getGameRoot();
