#include "game/interludes/SystemCutscenes.h"
#include <algorithm>
#include <array>
#include "game/interludes/CutsceneBurgerJoint.h"
#include "game/interludes/CutsceneGasPump.h"
#include "game/interludes/CutsceneIgnition.h"
#include "game/interludes/CutscenePig.h"
#include "game/interludes/CutscenePoliceChase2.h"
#include "game/interludes/CutsceneSaucerDrive.h"
#include "game/interludes/CutsceneSkid.h"
#include "game/interludes/CutsceneStandstill.h"
#include "game/interludes/CutsceneStopover.h"
#include "game/interludes/CutsceneTrafficLight.h"

namespace {

template <class T>
Cutscene* make() {
    return new T();
}

// By system.
constexpr std::array<Cutscene* (*)(), 11> CUTSCENES = {
    make<CutsceneBurgerJoint>, make<CutsceneTrafficLight>, make<CutscenePig>,        make<CutsceneGasPump>,
    make<CutsceneSkid>,        make<CutsceneStopover>,     make<CutsceneIgnition>,   make<CutsceneSaucerDrive>,
    make<CutscenePoliceChase>, make<CutscenePoliceChase2>, make<CutsceneStandstill>,
};

} // namespace

Cutscene* SystemCutscenes::create(int32_t system) {
    return CUTSCENES[static_cast<std::size_t>(std::clamp(system, 0, static_cast<int32_t>(CUTSCENES.size()) - 1))]();
}
