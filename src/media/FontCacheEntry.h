#pragma once
#include "core/WideString.h"

/// One text held drawn in a font cache: where it lies on which cache page, in pixels (y down
/// from the page's top edge), and when it was last drawn.
struct FontCacheEntry {
    WideString text;
    int page = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int scale = 1; ///< texels per font pixel
    double lastUse = 0.0; ///< seconds on the cache's clock
};
