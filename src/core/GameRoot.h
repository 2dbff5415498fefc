#pragma once
#include "core/WideString.h"

class Context;

/// What the engine's frame step needs of the game above it. The game layer implements it
/// and installs a factory for it at start-up (see EngineLifecycle.h).
class GameRoot {
public:
    virtual ~GameRoot() = default;
    /// Prepares what the loading screen needs and opens it; called once, right after construction.
    virtual void initPreLoader() = 0;
    /// The context the engine ticks and draws every frame (the context stack).
    virtual Context* getRootContext() = 0;
    /// True once the game wants the program to end.
    virtual bool isQuitRequested() const = 0;
    /// The address to open after shut-down; empty for none.
    virtual WideString getExitUrl() const = 0;
    /// Tells the player that the file at `path`, which the engine saves when asked (a
    /// screenshot), could not be saved, as the game tells of its own files.
    virtual void tellFailedSave(const WideString& path) = 0;
};
