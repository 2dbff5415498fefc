#include "game/interludes/CutscenePig.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/scene/SpriteActor.h"

VEK_REGISTER_CLASS(CutscenePig, Cutscene, u"CutscenePig")

namespace {

constexpr double COLUMN = 270.0;
constexpr double SWERVE_ASIDE = 100.0;      // units to the left
constexpr double SWERVE_TANGENT = -125.0;   // the swerve sets off upwards
constexpr double AFTER_SWERVE = 4.0;        // seconds

} // namespace

CutscenePig::CutscenePig() {
    const GameGlobal& root = *GameGlobal::get();
    addProp(root.cutscenesignattention, 320.0, 300.0);
    pig = addProp(root.cutscenepig->getSurf(0), 260.0, -50.0);
    startAt(COLUMN, 550.0);
    wait(2.0);
    moveTo(COLUMN, -50.0);
    wait(1.0);
}

void CutscenePig::renderScene() {
    flyFighter();
    if (sceneClock >= PIG_FALLS) {
        pig->x += PIG_STEP;
        pig->y += PIG_STEP;
    }
    if (at(SWERVE)) swerve();
    if (sceneClock >= SWERVE && sceneClock < SKID_END) exhaustPuffs();
    if (at(HORN)) play(&GameGlobal::soundCarhorn, pig->x);
    if (at(SIGH)) play(&GameGlobal::soundBonewah);
    endWhenPathDone();
}

void CutscenePig::swerve() {
    Mover& path = fighter.mover;
    path.setPosition(path.x, path.y);
    path.addMove(path.x - SWERVE_ASIDE, -50.0, 0.0, SWERVE_TANGENT, 0.0, 0.0, 0);
    path.addWait(AFTER_SWERVE);
    play(&GameGlobal::soundSkid, fighter.x);
}
