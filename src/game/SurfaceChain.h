#pragma once
#include <cstdint>
#include <vector>
#include "core/VekBase.h"

class Surface;
class Texture;

/// Every frame of a game picture as `Surface`s, in frame order, linked into animations.
class SurfaceChain : public VekBase {
  public:
    /// One frame per frame of `texture` (none for a texture without frames).
    explicit SurfaceChain(Texture* texture);
    ~SurfaceChain() override;

    /// Frame `index`; an index outside the chain is fatal.
    Surface* getSurf(int index) const;
    /// Links frames `first` to the last in order; the last one's next is, by `mode`: 0 none
    /// (the animation ends), 1 itself (it stops there), 2 frame `first` (it loops).
    void linkFrames(int mode, int first);
    void setRadiusFactor(double factor);

    int32_t count;
    std::vector<Surface*> surfaces; ///< owned
};
