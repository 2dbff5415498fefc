#include "menus/TimedImage.h"

void TimedImage::render() {
    if (!isShowing()) return;
    Renderable::render();
}
