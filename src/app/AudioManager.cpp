#include "app/AudioManager.h"

#include "app/GameWindow.h"
#include "app/Log.h"
#include "app/ResourceException.h"
#include "app/ResourceFile.h"
#include "app/ResourceManager.h"

#include <SFML/Audio/Listener.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/System/Lock.hpp>
#include <SFML/System/Sleep.hpp>

#include <AL/alc.h>

#include <cmath>
#include <exception>
#include <stdexcept>

namespace {

// How long PlayJingle waits for the device to report the paused music as
// no longer playing before it goes on anyway.
const sf::Time PauseWaitLimit = sf::seconds(1.f);

std::string SoundPath(std::uint32_t id)
{
    return (id < PooledSoundCount ? SoundFile(id) : SingleSoundFile(id)).path;
}

}  // namespace

AudioManager::AudioManager(ResourceManager& resourceManager, GameWindow& gameWindow)
    : resources(&resourceManager), window(&gameWindow), thread(&AudioManager::LoadSounds, this)
{
    InitSpatialParameters();
    for (std::uint32_t id = 0; id < MusicCount; ++id)
        resources->GetMusic(id);
    // The first music opened the audio device, or failed to. Without one,
    // every call on a playing source fails and is logged, music streams
    // retry theirs without end: the game then runs on without sound.
    audible = alcGetCurrentContext() != nullptr;
    if (!audible)
        Log("No audio device found: the game runs without sound.");
}

AudioManager::~AudioManager()
{
    // Normally quitting has cancelled and awaited the loader already.
    CancelLoading();
}

void AudioManager::InitSpatialParameters()
{
    listenerHeight = 300.f;
    attenuation = 8.05f;
    maxDistanceSquared = 1000.f * 1000.f;
    sf::Listener::setPosition(0.f, 0.f, listenerHeight);
    minDistance = std::sqrt(listenerHeight * listenerHeight + 40000.f);
}

float AudioManager::GetMusicVolume() const
{
    return 25.f * static_cast<float>(window->selected[OptionMusicVolume]);
}

float AudioManager::GetSoundVolume() const
{
    return 25.f * static_cast<float>(window->selected[OptionSoundVolume]);
}

bool AudioManager::PlacedInHearing(float& x, float& y) const
{
    sf::Vector3f listener = sf::Listener::getPosition();
    if (x == 0.f && y == 0.f) {
        x = listener.x;
        y = listener.y;
        return true;
    }
    float dx = x - listener.x, dy = y - listener.y;
    return dx * dx + dy * dy <= maxDistanceSquared;
}

void AudioManager::SetupSingleSound(sf::Sound& sound, float x, float y)
{
    sound.setPosition(x, y, 0.f);
    sound.setAttenuation(attenuation);
    sound.setMinDistance(minDistance);
    sound.setVolume(GetSoundVolume());
}

void AudioManager::SetupMovableSound(MovableSound& sound, float x, float y, float vx, float vy)
{
    sound.velocity = sf::Vector3f(vx, vy, 0.f);
    SetupSingleSound(sound, x, y);
}

void AudioManager::PlaySound(std::uint32_t id, float x, float y, float vx, float vy)
{
    if (suppressed || !audible || !PlacedInHearing(x, y))
        return;
    const sf::SoundBuffer* buffer = LoadedSound(id, "");
    if (!buffer)
        return;
    MovableSound sound(*buffer);
    SetupMovableSound(sound, x, y, vx, vy);
    pools[id].push_back(sound);
    pools[id].back().play();
}

void AudioManager::PlaySingleSound(std::uint32_t id, float x, float y)
{
    if (suppressed || !audible || !PlacedInHearing(x, y))
        return;
    sf::Sound& sound = singleSounds.at(id - PooledSoundCount);
    if (!sound.getBuffer()) {
        const sf::SoundBuffer* buffer = LoadedSound(id, "");
        if (!buffer)
            return;
        sound.setBuffer(*buffer);
    }
    SetupSingleSound(sound, x, y);
    if (sound.getStatus() != sf::Sound::Playing)
        sound.play();
}

void AudioManager::PauseSingleSound(std::uint32_t id)
{
    sf::Sound& sound = singleSounds.at(id - PooledSoundCount);
    if (sound.getBuffer())
        sound.pause();
}

void AudioManager::StopSingleSounds()
{
    for (sf::Sound& sound : singleSounds)
        sound.stop();
}

sf::Music& AudioManager::GetCurrentMusic()
{
    switch (state) {
    case MusicMainPlaying:
    case MusicMainPaused:
        return resources->GetMusic(mainMusic);
    case MusicJinglePlaying:
    case MusicJinglePaused:
        return resources->GetMusic(jingleMusic);
    case MusicStopped:
        break;
    }
    throw std::logic_error("GetCurrentMusic: Music in stopped state");
}

void AudioManager::StartMainMusic()
{
    state = MusicMainPlaying;
    sf::Music& music = resources->GetMusic(mainMusic);
    music.setLoop(true);
    music.setVolume(GetMusicVolume());
    Play(music);
}

void AudioManager::PlayMainMusic()
{
    if (state == MusicMainPlaying)
        return;
    if (state == MusicJinglePlaying)
        resources->GetMusic(jingleMusic).stop();
    StartMainMusic();
}

void AudioManager::PlayJingle(std::uint32_t id)
{
    if (state == MusicJinglePlaying) {
        resources->GetMusic(jingleMusic).stop();
    } else if (state != MusicStopped && audible) {
        // The device may take a moment to report the pause; wait for it,
        // but never without end.
        sf::Music& current = GetCurrentMusic();
        current.pause();
        sf::Clock waited;
        while (current.getStatus() == sf::SoundSource::Playing && waited.getElapsedTime() < PauseWaitLimit)
            sf::sleep(sf::milliseconds(1));
    }
    state = MusicJinglePlaying;
    jingleMusic = id;
    sf::Music& jingle = resources->GetMusic(jingleMusic);
    jingle.setVolume(GetMusicVolume());
    Play(jingle);
}

void AudioManager::PauseMusic()
{
    if (state == MusicStopped)
        return;
    state = state == MusicMainPlaying ? MusicMainPaused : MusicJinglePaused;
    if (audible)
        GetCurrentMusic().pause();
}

void AudioManager::ResumeMusic()
{
    if (state == MusicStopped)
        return;
    state = state == MusicMainPaused ? MusicMainPlaying : MusicJinglePlaying;
    Play(GetCurrentMusic());
}

void AudioManager::RestartMusic()
{
    if (state == MusicStopped)
        return;
    sf::Music& music = GetCurrentMusic();
    music.stop();
    Play(music);
}

void AudioManager::Play(sf::SoundSource& source)
{
    if (audible)
        source.play();
}

void AudioManager::StopMusic()
{
    if (state == MusicStopped)
        return;
    GetCurrentMusic().stop();
    state = MusicStopped;
    mainMusic = MusicNone;
    jingleMusic = MusicNone;
}

void AudioManager::SetMusicVolume()
{
    if (state != MusicStopped)
        GetCurrentMusic().setVolume(GetMusicVolume());
}

void AudioManager::Update()
{
    for (auto& pool : pools)
        for (MovableSound& sound : pool)
            sound.setPosition(sound.getPosition() + sound.velocity);
    // Without a device a jingle ends at once: nothing could tell when.
    if (state == MusicStopped || (audible && GetCurrentMusic().getStatus() != sf::SoundSource::Stopped))
        return;
    if (state == MusicJinglePlaying) {   // the jingle has ended
        resources->GetMusic(jingleMusic).stop();
        if (mainMusic != MusicNone) {
            StartMainMusic();
        } else {
            // A jingle played without a main music leaves silence behind.
            state = MusicStopped;
            jingleMusic = MusicNone;
        }
    }
}

void AudioManager::PurgeSounds()
{
    for (auto& pool : pools)
        while (!pool.empty() && pool.front().getStatus() == sf::SoundSource::Stopped)
            pool.pop_front();
}

void AudioManager::StartLoading()
{
    {
        sf::Lock lock(mutex);
        cancel = false;
    }
    thread.launch();
    threadLaunched_ = true;
}

void AudioManager::CancelLoading()
{
    {
        sf::Lock lock(mutex);
        cancel = true;
    }
    if (threadLaunched_) {
        thread.wait();
        threadLaunched_ = false;
    }
}

float AudioManager::GetLoadingProgress()
{
    sf::Lock lock(mutex);
    return progress;
}

void AudioManager::LoadSounds()
{
    for (std::uint32_t id = 0; id < SoundCount; ++id) {
        {
            sf::Lock lock(mutex);
            progress = static_cast<float>(id) / 25.f;
            if (cancel)
                return;
        }
        LoadedSound(id, "Sound loader: ");
    }
    sf::Lock lock(mutex);
    progress = 1.f;
}

const sf::SoundBuffer* AudioManager::LoadedSound(std::uint32_t id, const char* finder) noexcept
{
    if (IsDamaged(id))
        return nullptr;
    try {
        sf::Lock lock(resources->GetSoundMutex());
        return id < PooledSoundCount ? &resources->GetSound(id) : &resources->GetSingleSound(id);
    } catch (const ResourceException& e) {
        MarkDamaged(id, finder, e.GetMessage().c_str());
    } catch (const std::exception& e) {
        MarkDamaged(id, finder, e.what());
    } catch (...) {
        MarkDamaged(id, finder, nullptr);
    }
    return nullptr;
}

void AudioManager::MarkDamaged(std::uint32_t id, const char* finder, const char* reason) noexcept
{
    if (id < SoundCount) {
        sf::Lock lock(mutex);
        damaged_[id] = true;
    }
    try {
        // A reader's own error does not name the sound; the resource
        // manager's does.
        const std::string path = SoundPath(id);
        std::string failure = reason ? reason : "";
        if (failure.find(path) == std::string::npos)
            failure = "Failed to load " + path + (failure.empty() ? "" : ": " + failure);
        Log(finder + failure + "\nThe game goes on without this sound.");
    } catch (...) {
        // The entry is lost; the sound stays silent all the same.
    }
}

bool AudioManager::IsDamaged(std::uint32_t id)
{
    sf::Lock lock(mutex);
    return id < SoundCount && damaged_[id];
}
