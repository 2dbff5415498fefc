#include "core/WebHost.h"
#include "core/StaticSettings.h"
#include "core/Vek.h"

const WideString& webHost() {
    return Vek::get()->getStaticSettings().webHost;
}

WideString webAddress(WideStringView path) {
    return webHost() + WideString(path);
}
