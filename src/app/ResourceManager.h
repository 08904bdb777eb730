#pragma once

// Stand-in: the owner of the resource archives and their caches. Nothing is
// loaded yet; the shell only needs the object to exist.
class ResourceManager {
public:
    ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // Whether the shaders can be used on this machine.
    bool CheckShaders();
};
