#include "app/ResourceManager.h"

#include "app/ArchivePasswords.h"
#include "app/Log.h"
#include "app/ResourceException.h"
#include "foxp/TwistedStream.h"
#include "kest/BigTexture.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Lock.hpp>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

const char* const KindSound = "Sound Effects";
const char* const KindMusic = "Music";
const char* const KindFont = "Font";
const char* const KindShader = "Shader";
const char* const KindTexture = "Texture";
const char* const KindBigTexture = "Big Texture";

// What a kind of resource is called in a message.
const char* KindName(const char* kind)
{
    if (kind == KindSound)
        return "a sound effect";
    if (kind == KindMusic)
        return "music";
    if (kind == KindFont)
        return "a font";
    if (kind == KindShader)
        return "a shader";
    return "an image";
}

// A resource that its archive does not hold: the entry is missing, or its
// name in the archive's index is damaged.
[[noreturn]] void NotFoundError(const std::string& path, const char* kind, const std::string& archive)
{
    throw ResourceException("Loading error at " + path + " (" + archive + " holds no entry of that name)", kind);
}

// A resource whose data its loader refuses.
[[noreturn]] void LoadingError(const std::string& path, const char* kind, const std::string& archive)
{
    throw ResourceException(
        "Loading error at " + path + " (its data in " + archive + " do not load as " + KindName(kind) + ")", kind);
}

// The one pattern of every getter: the cached object, or a new one that is
// cached only once it has loaded.
template <typename T, typename Load>
T& GetOrLoad(std::map<std::uint32_t, std::unique_ptr<T>>& cache, std::uint32_t id, Load load)
{
    auto it = cache.find(id);
    if (it != cache.end())
        return *it->second;
    auto object = std::make_unique<T>();
    load(*object);
    return *cache.emplace(id, std::move(object)).first->second;
}

// Fills a sound buffer from a sound file. Unlike
// sf::SoundBuffer::loadFromStream, which makes room for as many samples as the
// file's header claims, it never sets aside more samples than the stream has
// bytes, and it refuses a file that holds fewer samples than its header
// claims: a damaged header cannot make it ask for gigabytes.
bool LoadSamples(sf::SoundBuffer& buffer, sf::InputStream& stream)
{
    sf::InputSoundFile file;
    if (!file.openFromStream(stream))
        return false;
    const sf::Uint64 claimed = file.getSampleCount();
    std::vector<sf::Int16> samples;
    samples.reserve(static_cast<std::size_t>(std::min<sf::Uint64>(claimed, stream.getSize())));
    sf::Int16 chunk[4096];
    while (const sf::Uint64 count = file.read(chunk, sizeof chunk / sizeof chunk[0]))
        samples.insert(samples.end(), chunk, chunk + count);
    return samples.size() == claimed &&
           buffer.loadFromSamples(samples.data(), samples.size(), file.getChannelCount(), file.getSampleRate());
}

}  // namespace

namespace {

// Opens one resource archive. The reason of a failure names the archive: the
// reader's own texts do so only where the file cannot be opened.
void OpenArchive(ResourceArchive& archive, const char* path)
{
    archive.path = path;
    try {
        archive.archive.Open(path, ResourceArchivePassword);
    } catch (const std::runtime_error& e) {
        std::string cause = e.what();
        if (cause.find(path) == std::string::npos)
            cause = "Archive " + archive.path + ": " + cause;
        throw ResourceException("Failed to load resources: " + cause, "");
    }
}

}  // namespace

ResourceManager::ResourceManager()
{
    OpenArchive(graphicsArchive_, "Data/Resources2.vrk");
    OpenArchive(musicArchive_, "Data/Resources1.vrk");
    OpenArchive(soundArchive_, "Data/Resources3.vrk");
}

ResourceManager::~ResourceManager() = default;

TwistedStream& ResourceManager::OpenStream(ResourceArchive& archive, const std::string& path, const char* kind)
{
    {
        std::lock_guard<std::mutex> lock(streamsMutex_);
        auto it = streams_.find(path);
        if (it != streams_.end()) {
            it->second->seek(0);
            return *it->second;
        }
    }
    foxp::File file = archive.archive.Get(path);
    if (!file.IsFound())
        NotFoundError(path, kind, archive.path);
    auto stream = std::make_unique<TwistedStream>(std::move(file), path);
    std::lock_guard<std::mutex> lock(streamsMutex_);
    return *streams_.emplace(path, std::move(stream)).first->second;
}

void ResourceManager::LoadFont(sf::Font& font, const std::string& path)
{
    if (!font.loadFromStream(OpenStream(graphicsArchive_, path, KindFont)))
        LoadingError(path, KindFont, graphicsArchive_.path);
}

void ResourceManager::LoadShader(sf::Shader& shader, const std::string& path)
{
    if (!shader.loadFromStream(OpenStream(graphicsArchive_, path, KindShader), sf::Shader::Fragment))
        LoadingError(path, KindShader, graphicsArchive_.path);
}

void ResourceManager::LoadTexture(sf::Texture& texture, const std::string& path)
{
    if (!texture.loadFromStream(OpenStream(graphicsArchive_, path, KindTexture)))
        LoadingError(path, KindTexture, graphicsArchive_.path);
}

void ResourceManager::LoadBigTexture(kest::BigTexture& texture, const std::string& path)
{
    if (!texture.loadFromStream(OpenStream(graphicsArchive_, path, KindBigTexture)))
        LoadingError(path, KindBigTexture, graphicsArchive_.path);
}

void ResourceManager::LoadMusic(sf::Music& music, const std::string& path)
{
    if (!music.openFromStream(OpenStream(musicArchive_, path, KindMusic)))
        LoadingError(path, KindMusic, musicArchive_.path);
}

void ResourceManager::LoadSound(sf::SoundBuffer& buffer, const std::string& path)
{
    if (!LoadSamples(buffer, OpenStream(soundArchive_, path, KindSound)))
        LoadingError(path, KindSound, soundArchive_.path);
}

sf::Font& ResourceManager::GetFont(std::uint32_t)
{
    // There is one font: every id asks for it.
    ResourceFile file = FontFile(FontMain);
    return GetOrLoad(fonts_, FontMain, [&](sf::Font& font) { LoadFont(font, file.path); });
}

sf::Shader& ResourceManager::GetShader(std::uint32_t id)
{
    ResourceFile file = ShaderFile(id);
    return GetOrLoad(shaders_, id, [&](sf::Shader& shader) { LoadShader(shader, file.path); });
}

sf::Texture& ResourceManager::GetTexture(std::uint32_t id)
{
    ResourceFile file = TextureFile(id);
    return GetOrLoad(textures_, id, [&](sf::Texture& texture) {
        LoadTexture(texture, file.path);
        texture.setSmooth(file.smooth);
        texture.setRepeated(file.repeated);
    });
}

kest::BigTexture& ResourceManager::GetBigTexture(std::uint32_t id)
{
    ResourceFile file = TextureFile(id);
    return GetOrLoad(bigTextures_, id, [&](kest::BigTexture& texture) { LoadBigTexture(texture, file.path); });
}

sf::SoundBuffer& ResourceManager::GetSound(std::uint32_t id)
{
    ResourceFile file = SoundFile(id);
    return GetOrLoad(sounds_, id, [&](sf::SoundBuffer& buffer) { LoadSound(buffer, file.path); });
}

sf::SoundBuffer& ResourceManager::GetSingleSound(std::uint32_t id)
{
    ResourceFile file = SingleSoundFile(id);
    return GetOrLoad(sounds_, id, [&](sf::SoundBuffer& buffer) { LoadSound(buffer, file.path); });
}

sf::SoundBuffer& ResourceManager::GetSingleSoundLocked(std::uint32_t id)
{
    sf::Lock lock(soundMutex_);
    return GetSingleSound(id);
}

sf::Music& ResourceManager::GetMusic(std::uint32_t id)
{
    ResourceFile file = MusicFile(id);
    return GetOrLoad(musics_, id, [&](sf::Music& music) { LoadMusic(music, file.path); });
}

bool ResourceManager::CheckShaders()
{
    if (!sf::Shader::isAvailable()) {
        Log("Shaders are not supported on your system.");
        return false;
    }
    try {
        GetShader(ShaderBilinearTile);
        GetShader(ShaderHorizontalBlur);
        GetShader(ShaderVerticalBlur);
        return true;
    } catch (const ResourceException& e) {
        Log("Shaders not supported.\n" + e.GetMessage());
        return false;
    }
}
