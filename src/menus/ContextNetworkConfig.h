#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// The second step of the network wizard: the player's country. NEXT marks the network as
/// configured, which unlocks the uploads; CANCEL leaves it as it was (the country chosen in
/// the list stays, as the list stores it at once).
class ContextNetworkConfig : public ContextMenu {
  public:
    ContextNetworkConfig();

    void tickContents(double t, double dt) override;

  private:
    MenuButton* pNext;
};
