#include "menus/ContextSnowfall.h"
#include "menus/Snowfall.h"

ContextSnowfall::ContextSnowfall() : snowfall(new Snowfall(camera, 1.0f)) {
    addChild(snowfall);
}
