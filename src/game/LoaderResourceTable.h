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
/// missing from it are the loader's own.
std::span<const LoaderResource> loaderResourceTable();
/// The row of `step`, or null when the step is not a plain resource step.
const LoaderResource* findLoaderResource(int step);
