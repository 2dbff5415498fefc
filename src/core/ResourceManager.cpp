#include "core/ResourceManager.h"
#include <iterator>

ResourceManager::~ResourceManager() {
    for (auto& [name, resource] : map)
        if (resource->pManager == this) resource->pManager = nullptr;
}

Resource* ResourceManager::find(WideStringView name, bool mustExist) const {
    const auto found = map.find(name);
    if (found != map.end()) return found->second;
    if (mustExist) VEK_ERROR(u"Could not find resource '%s'.", name);
    return nullptr;
}

void ResourceManager::addResource(WideStringView name, Resource* resource) {
    VEK_ASSERT(resource != nullptr);
    const WideString key(name);
    VEK_ASSERT(map.find(key) == map.end());
    // A resource belongs to one manager; moving it between managers would leave stale names.
    VEK_ASSERT(resource->pManager == nullptr || resource->pManager == this);
    resource->pManager = this;
    map.emplace(key, resource);
}

void ResourceManager::forget(const Resource& resource) {
    std::erase_if(map, [&](const auto& entry) { return entry.second == &resource; });
}
