#pragma once
#include <map>
#include "core/ErrorManager.h"
#include "core/Resource.h"
#include "core/WideString.h"

/// Resources by name. Names are exact (case matters); the manager keeps pointers, not ownership.
/// Main thread only.
class ResourceManager {
public:
    ResourceManager() = default;
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    /// The resource of that name. When there is none: null, or with `mustExist` the fatal
    /// "Could not find resource '%s'.".
    Resource* find(WideStringView name, bool mustExist = true) const;
    /// The same, as the type the caller expects; a resource of another type is a fatal assertion.
    template <class T>
    T* find(WideStringView name, bool mustExist = true) const {
        Resource* resource = find(name, mustExist);
        if (!resource) return nullptr;
        T* typed = dynamic_cast<T*>(resource);
        VEK_ASSERT(typed != nullptr);
        return typed;
    }

    /// Registers `resource` under a new name; a taken name is a fatal assertion. One resource
    /// may carry several names.
    void addResource(WideStringView name, Resource* resource);

    std::size_t size() const { return map.size(); }

private:
    friend class Resource;
    /// Drops every name of a resource that is being deleted.
    void forget(const Resource& resource);

    std::map<WideString, Resource*, std::less<>> map;
};
