#pragma once

class PointerTracker;
class VekInput;

/// Where the menus read the input and the pointer: the engine media's, unless replaced (a
/// scripted input in the tests). Main thread only.
class MenuInput {
  public:
    /// Null when there is no media and nothing was put in its place.
    static VekInput* getInput();
    static PointerTracker* getPointerTracker();
    /// Both, or null to go back to the engine media's.
    static void replace(VekInput* input, PointerTracker* tracker);
};
