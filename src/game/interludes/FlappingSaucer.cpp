#include "game/interludes/FlappingSaucer.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"

VEK_REGISTER_CLASS(FlappingSaucer, SpriteActor, u"FlappingSaucer")

FlappingSaucer::FlappingSaucer(double startX, double startY)
    : SpriteActor(startX, startY, GameGlobal::get()->flyingsaucer->getSurf(0)),
      flapping(Flapping::random(GameGlobal::get()->flyingsaucer->count)) {}

void FlappingSaucer::frameUpdate() {
    surface = GameGlobal::get()->flyingsaucer->getSurf(flapping.step());
    SpriteActor::frameUpdate();
}
