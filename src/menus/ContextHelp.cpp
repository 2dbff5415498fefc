#include "menus/ContextHelp.h"
#include "core/AppEnvironment.h"
#include "core/WebHost.h"
#include "menus/MenuItemLink.h"
#include "menus/MenuLayout.h"

ContextHelp::ContextHelp() {
    setUpMenuScreen(*this);
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_HELPTITLE));
    addMenuItem(*this, new MenuItemLink(0.f, r, 0.f, menuText(STR_DOCUMENTATION),
                                        menuText(STR_DOCUMENTATIONHINT), documentationPath()));
    addMenuItem(*this, new MenuItemLink(0.f, 0.f, 0.f, menuText(STR_ONLINEHELP), menuText(STR_ONLINEHELPHINT),
                                        webAddress(u"/zv2/onlinehelp.php")));
    addBackButton(*this);
}

WideString ContextHelp::documentationPath() {
    return getProgramFolder() + u"/readme.htm";
}
