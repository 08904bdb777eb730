#pragma once

#include "app/ResourceIds.h"

#include <string>

// Where a resource lives inside its archive, and how a texture is set up.
struct ResourceFile {
    std::string path;
    bool smooth = false;
    bool repeated = false;
};

// The id tables. An id outside its table throws std::logic_error
// "impossible default".
ResourceFile FontFile(std::uint32_t id);
ResourceFile ShaderFile(std::uint32_t id);
ResourceFile TextureFile(std::uint32_t id);
ResourceFile SoundFile(std::uint32_t id);        // 0..23
ResourceFile SingleSoundFile(std::uint32_t id);  // 24, 25
ResourceFile MusicFile(std::uint32_t id);
