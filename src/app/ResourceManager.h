#pragma once

#include "app/ResourceFile.h"
#include "foxp/Archive.h"

#include <SFML/System/Mutex.hpp>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

class TwistedStream;

namespace kest {
class BigTexture;
}
namespace sf {
class Font;
class Music;
class Shader;
class SoundBuffer;
class Texture;
}  // namespace sf

// One resource archive with the name it was opened under, which the
// messages of its failures give.
struct ResourceArchive {
    foxp::Archive archive;
    std::string path;
};

// The owner of the three resource archives and of every resource loaded from
// them. A resource is asked for by id, loaded on its first request and kept
// until the manager is destroyed; callers hold plain references.
//
// Two threads use it: the main thread for everything, the sound loader for
// sound buffers. The sound mutex, which callers take around sound look-ups,
// guards the sound cache; the stream map has a lock of its own that is held
// only around the map itself.
class ResourceManager {
public:
    // Opens "Data/Resources2.vrk", "Data/Resources1.vrk" and
    // "Data/Resources3.vrk", in that order.
    ResourceManager();
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // The one font, whatever the id.
    sf::Font& GetFont(std::uint32_t id = FontMain);
    sf::Shader& GetShader(std::uint32_t id);
    sf::Texture& GetTexture(std::uint32_t id);
    kest::BigTexture& GetBigTexture(std::uint32_t id);
    // The caller holds the sound mutex.
    sf::SoundBuffer& GetSound(std::uint32_t id);
    sf::SoundBuffer& GetSingleSound(std::uint32_t id);
    // GetSingleSound under the sound mutex.
    sf::SoundBuffer& GetSingleSoundLocked(std::uint32_t id);
    sf::Music& GetMusic(std::uint32_t id);

    // Whether the shaders can be used: false without shader support or when
    // one of them fails to load; both are logged.
    bool CheckShaders();

    sf::Mutex& GetSoundMutex() { return soundMutex_; }

private:
    TwistedStream& OpenStream(ResourceArchive& archive, const std::string& path, const char* kind);
    void LoadFont(sf::Font& font, const std::string& path);
    void LoadShader(sf::Shader& shader, const std::string& path);
    void LoadTexture(sf::Texture& texture, const std::string& path);
    void LoadBigTexture(kest::BigTexture& texture, const std::string& path);
    void LoadMusic(sf::Music& music, const std::string& path);
    void LoadSound(sf::SoundBuffer& buffer, const std::string& path);

    ResourceArchive graphicsArchive_;  // Resources2: font, shaders, textures
    ResourceArchive musicArchive_;     // Resources1: music
    ResourceArchive soundArchive_;     // Resources3: sound effects
    std::map<std::string, std::unique_ptr<TwistedStream>> streams_;
    std::mutex streamsMutex_;
    sf::Mutex soundMutex_;
    std::map<std::uint32_t, std::unique_ptr<sf::Font>> fonts_;
    std::map<std::uint32_t, std::unique_ptr<sf::Texture>> textures_;
    std::map<std::uint32_t, std::unique_ptr<kest::BigTexture>> bigTextures_;
    std::map<std::uint32_t, std::unique_ptr<sf::SoundBuffer>> sounds_;
    std::map<std::uint32_t, std::unique_ptr<sf::Music>> musics_;
    std::map<std::uint32_t, std::unique_ptr<sf::Shader>> shaders_;
};
