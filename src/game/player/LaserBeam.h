#pragma once
#include "game/player/PlayerShot.h"

/// A laser beam: it lives one frame, strikes the nearest enemy above it at once and is drawn
/// from the gun up to that enemy, or past the top of the screen when it finds none. Wider
/// beams from pattern damage 200 and 400.
class LaserBeam : public PlayerShot {
    VEK_REGISTERED_CLASS()

    /// Deals trunc(n x 0.8) / (difficulty + 1); a muzzle flash at full detail.
    LaserBeam(int player, int32_t n, double startX, double startY);

    /// Strikes, draws and dies.
    void frameUpdate() override;
    /// The enemy the beam strikes: of those with a picture between the top of the screen and
    /// the beam whose bounding circle spans the beam's x, the lowest one; null for none.
    Enemy* findTarget() const;

    int32_t sizeKind; ///< 0 to 2, the frame of the beam

  private:
    void drawBeam(double top) const;
};
