#pragma once

class PointerTracker;
class VekInput;

/// The one place the game and the menus read the players' input and the pointer: the engine
/// media's, which polls its input source (the window's devices, or a script in tests and
/// headless runs) once per frame. A test that runs without the engine's media puts its own
/// in place. Main thread only.
class GameInput {
  public:
    /// Null when there is no media and nothing was put in its place.
    static VekInput* getInput();
    static PointerTracker* getPointerTracker();
    /// Both, or null to go back to the engine media's.
    static void replace(VekInput* input, PointerTracker* tracker);
};
