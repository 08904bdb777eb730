#include "app/ResourceFile.h"

#include <stdexcept>

namespace {

const char* const ShaderNames[] = {"BilinearTile", "HorizontalBlur", "VerticalBlur"};

const char* const TextureNames[] = {"NormalTiles", "SpecialTiles", "Floor",   "Background1", "Background2",
                                    "Background3", "Player",       "Object",  "Item",        "Scenery",
                                    "Menu",        "Particles",    "Victory"};

const char* const SoundNames[] = {"Jump",     "Trampoline", "Spawn",     "Warp",      "Hurt",   "Die",
                                  "Item",     "Coin",       "Energy",    "Life",      "Checkpoint",
                                  "Switch",   "Rocket",     "RollingBomb", "Mine",    "Arrow",  "Fireball",
                                  "Darkball", "Ufo",        "Faller",    "Explosion", "HeavyExpl",
                                  "Block",    "Enemy",      "Jetpack",   "Lava"};

const char* const MusicNames[] = {"Forest1", "Forest2", "Forest3", "Forest4",
                                  "Volcano1", "Volcano2", "Volcano3", "Volcano4",
                                  "Lab1", "Lab2", "Lab3", "Lab4",
                                  "Invulnerability", "TimeDistortion", "Jetpack", "EndOfLevel", "GameOver",
                                  "Victory", "Menu"};

template <std::size_t N>
const char* Name(const char* const (&names)[N], std::uint32_t first, std::uint32_t end, std::uint32_t id)
{
    if (id < first || id >= end || id >= N)
        throw std::logic_error("impossible default");
    return names[id];
}

}  // namespace

ResourceFile FontFile(std::uint32_t id)
{
    if (id != FontMain)
        throw std::logic_error("impossible default");
    return {"Brlnsdb.ttf"};
}

ResourceFile ShaderFile(std::uint32_t id)
{
    return {std::string("Shader/") + Name(ShaderNames, 0, 3, id) + ".frag"};
}

ResourceFile TextureFile(std::uint32_t id)
{
    bool background = id >= TextureBackground1 && id <= TextureBackground3;
    return {std::string("Gfx/") + Name(TextureNames, 0, 13, id) + ".png", background, background};
}

ResourceFile SoundFile(std::uint32_t id)
{
    return {std::string("Sfx/") + Name(SoundNames, 0, PooledSoundCount, id) + ".wav"};
}

ResourceFile SingleSoundFile(std::uint32_t id)
{
    return {std::string("Sfx/") + Name(SoundNames, PooledSoundCount, SoundCount, id) + ".wav"};
}

ResourceFile MusicFile(std::uint32_t id)
{
    return {std::string("Music/") + Name(MusicNames, 0, MusicCount, id) + ".ogg"};
}
