#pragma once
#include "core/Context.h"

/// The short start-up screen with the maker's logo on black: the logo fades in, stays and
/// fades out within 2.5 s; the screen closes after 3.5 s, or at once on fire or a touch.
class ContextLogo : public Context {
  public:
    static constexpr double LIFETIME = 3.5;

    ContextLogo();
};
