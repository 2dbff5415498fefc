#pragma once
#include <span>
#include "core/WideString.h"

/// One resource that a loader step makes from a file of the main archive.
struct LoaderResource {
    enum class Kind { Stream, Texture, Sample };

    int step;
    Kind kind;
    const char16_t* file;
    const char16_t* name;
    int textureFlags;         ///< textures
    int playbacks;            ///< samples: voices at once
    double minReplayInterval; ///< samples: seconds, 0 = none
    int loop;                 ///< samples and streams: bit 0 loops
    int anchor;               ///< textures: anchor of frame 0 (Quad), 0 = leave it
};

/// The loader's resource steps in step order (music streams, textures, samples); the steps
/// missing from it are the loader's own. A step may make several resources: the pictures and
/// sounds added after the first release ride on the step of their kin, so that the chain keeps
/// its number of steps.
std::span<const LoaderResource> loaderResourceTable();
/// The rows of `step` in table order; empty when the step is not a plain resource step.
std::span<const LoaderResource> loaderResourcesOfStep(int step);
