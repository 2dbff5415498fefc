#include "menus/FadeAlpha.h"
#include <algorithm>

uint8_t fadeAlpha(double age, double duration, double fadeIn, double fadeOut) {
    double fraction = 1.0;
    if (fadeIn > 0.0 && age < fadeIn)
        fraction = age / fadeIn;
    else if (fadeOut > 0.0 && age > duration - fadeOut)
        fraction = (duration - age) / fadeOut;
    return static_cast<uint8_t>(std::clamp(fraction, 0.0, 1.0) * 255.0);
}
