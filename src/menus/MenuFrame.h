#pragma once
#include "core/WideString.h"
#include "media/Renderable.h"

/// A panel behind a group of items, with an optional title at its top.
class MenuFrame : public Renderable {
  public:
    MenuFrame(float x, float y, float z, int width, int height, bool highlighted,
              WideStringView frameTitle = {});

    void render() override;

    WideString title;
};
