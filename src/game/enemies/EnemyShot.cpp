#include "game/enemies/EnemyShot.h"

VEK_REGISTER_CLASS(EnemyShot, SpriteActor, u"EnemyShot")
