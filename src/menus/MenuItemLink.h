#pragma once
#include "menus/MenuButton.h"

/// A button that ends the program and has the address opened once it has exited.
class MenuItemLink : public MenuButton {
  public:
    MenuItemLink(float x, float y, float z, WideStringView linkCaption, WideStringView linkHint,
                 WideStringView address);

    void activate() override;

    WideString url; ///< a web address or a file path
};
