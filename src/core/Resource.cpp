#include "core/Resource.h"
#include "core/ResourceManager.h"

Resource::~Resource() {
    if (pManager) pManager->forget(*this);
}
