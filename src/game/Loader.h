#pragma once
#include <cstdint>
#include "core/Context.h"

class ProgressBar;
class Texture;

/// The loading screen, and the one place where the game's resources come into being: a fixed
/// chain of numbered steps (music, textures, samples, the language, font pages and fonts),
/// as many per frame as fit in a quarter of a second, each registering what it makes under
/// its name. Its last step hands over to `Global::initPostLoader` and closes the screen.
/// Main thread only.
class Loader : public Context {
  public:
    static constexpr int STEP_COUNT = 120;
    static constexpr double FRAME_BUDGET = 0.25; // seconds of loading per frame

    Loader();

    /// Runs steps until the frame's budget is spent (one only on the first frame, after the
    /// display step, and after the loader was covered by another screen).
    void tickContents(double t, double dt) override;
    /// With `countOnly` the number of steps; else runs the step after `step` and returns its
    /// number (STEP_COUNT, doing nothing, once the chain is done).
    virtual int32_t loadStuff(bool countOnly);

    /// Makes `object` a child of the game root's loader resources and registers it as `name`.
    static void registerResource(VekBase* object, WideStringView name);
    /// The same, and every frame of the texture as "name:index".
    static void registerTexture(Texture* texture, WideStringView name);
    /// The glyph pages of one font in `codePage` (the language's when empty), falling back to
    /// the pages of code page 1252; with none there either the program stops.
    static void fontRes(WideStringView resName, WideStringView prefix, WideStringView fontName,
                        WideStringView codePage = u"");

    ProgressBar* progressBar = nullptr;
    int32_t stepCount = 0;
    bool stepOnce = true;
    int32_t step = 0;

  private:
    void runStep(int number);
    void useLanguageArchive();
    /// Settles `defaultLanguage`: the single language, the system's, or the user's choice on
    /// the language screen, which covers the loader until a flag is pressed.
    void chooseLanguage();
    /// The language's font archive and flag exist; fatal otherwise.
    void checkLanguageFiles(int row);
    static double now();
};
