#pragma once

class ResourceManager;

/// Base of everything the ResourceManager finds by name (textures and their frames, sounds,
/// streams, fonts, memory files). The manager does not own resources: their owner deletes them,
/// and a resource that dies first takes its names out of the manager, so no name ever leads to
/// a deleted object.
class Resource {
public:
    Resource() = default;
    virtual ~Resource();
    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;

private:
    friend class ResourceManager;
    ResourceManager* pManager = nullptr;  // where this resource is registered, if anywhere
};
