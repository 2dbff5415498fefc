#pragma once
#include "core/Context.h"

class Snowfall;

/// The snow layer that menus draw over themselves, on its own camera.
class ContextSnowfall : public Context {
  public:
    ContextSnowfall();

    Snowfall* snowfall; ///< child
};
