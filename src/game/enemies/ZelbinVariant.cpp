#include "game/enemies/ZelbinVariant.h"
#include <algorithm>

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ZelbinVariant, Zelbin, u"ZelbinVariant")

void ZelbinVariant::frameUpdate() {
    if (bAngry) {
        flap();
        flap();
    }
    Zelbin::frameUpdate();
}

void ZelbinVariant::takeDamage(int32_t amount, int killer) {
    if (!bAngry) {
        mover.speed += ANGRY_SPEED;
        podInterval = std::max(podInterval / ANGRY_PODS, 1);
        bAngry = true;
        onStepDone();
    }
    Zelbin::takeDamage(amount, killer);
}
