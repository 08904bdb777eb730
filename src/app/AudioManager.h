#pragma once

#include "app/MovableSound.h"
#include "app/MusicState.h"
#include "app/ResourceIds.h"

#include <SFML/Audio/Sound.hpp>
#include <SFML/System/Mutex.hpp>
#include <SFML/System/Thread.hpp>

#include <array>
#include <cstdint>
#include <list>

class GameWindow;
class ResourceManager;

namespace sf {
class Music;
class SoundBuffer;
class SoundSource;
}

// Everything the player hears: the main music and a jingle that interrupts
// it, positional sound effects that may move while they play, and the two
// single sounds (jetpack, lava) that the game replays while they should be
// heard. It also owns the sound loader thread, which loads every sound
// effect in the background at start-up and publishes its progress.
class AudioManager {
public:
    // Opens all music tracks, so that a missing one fails at start-up. The
    // loader thread is not started here.
    AudioManager(ResourceManager& resources, GameWindow& window);
    ~AudioManager();
    AudioManager(const AudioManager&) = delete;
    AudioManager& operator=(const AudioManager&) = delete;

    void InitSpatialParameters();

    // A pooled sound (0..23) at (x, y) moving by (vx, vy) per step. A sound
    // at exactly (0, 0) plays at the listener. A sound that cannot be loaded,
    // whether the loader thread or this call finds it first, is logged once
    // and stays silent: the game goes on without it.
    void PlaySound(std::uint32_t id, float x, float y, float vx = 0.f, float vy = 0.f);
    // Sound 24 or 25 at (x, y): started, resumed or only moved; silent as
    // above.
    void PlaySingleSound(std::uint32_t id, float x, float y);
    void PauseSingleSound(std::uint32_t id);
    void StopSingleSounds();

    void SetMainMusic(std::uint32_t id) { mainMusic = id; }
    void PlayMainMusic();
    void PlayJingle(std::uint32_t id);
    void PauseMusic();
    void ResumeMusic();
    void StopMusic();
    // Plays the current music again from its beginning.
    void RestartMusic();
    void SetMusicVolume();
    // The music of the current state; throws std::logic_error when stopped.
    sf::Music& GetCurrentMusic();

    // Once a step: moves the sounds and brings the main music back after a
    // jingle has ended.
    void Update();
    // Drops finished sounds from the front of every pool.
    void PurgeSounds();

    void SetSuppressed(bool value) { suppressed = value; }
    float GetListenerHeight() const { return listenerHeight; }

    // The loader thread: cancel cleared and thread launched; cancel set under
    // the mutex and the thread awaited; progress read under the mutex.
    void StartLoading();
    void CancelLoading();
    float GetLoadingProgress();

    // The volumes of the selected options, 0 to 100 in steps of 25.
    float GetMusicVolume() const;
    float GetSoundVolume() const;

    ResourceManager* resources;
    GameWindow* window;
    std::array<std::list<MovableSound>, PooledSoundCount> pools;
    std::array<sf::Sound, 2> singleSounds;
    std::uint32_t mainMusic = MusicNone;
    std::uint32_t jingleMusic = MusicNone;
    float listenerHeight = 300.f;
    float maxDistanceSquared = 1000.f * 1000.f;
    float minDistance = 0.f;
    float attenuation = 8.05f;
    bool suppressed = false;
    // Whether an audio device is there; without one nothing is played.
    bool audible = true;
    sf::Thread thread;
    sf::Mutex mutex;
    bool cancel = false;
    float progress = 0.f;
    MusicState state = MusicStopped;

private:
    void LoadSounds();
    // The buffer of a sound, loaded now unless it is already, on either
    // thread; null once it failed to load. Whatever fails is logged and the
    // sound marked damaged, and nothing leaves it: not even a failure to
    // build the log entry.
    const sf::SoundBuffer* LoadedSound(std::uint32_t id, const char* finder) noexcept;
    void MarkDamaged(std::uint32_t id, const char* finder, const char* reason) noexcept;
    bool IsDamaged(std::uint32_t id);
    // Where a new sound plays, or false when it is too far away to be heard.
    bool PlacedInHearing(float& x, float& y) const;
    void SetupMovableSound(MovableSound& sound, float x, float y, float vx, float vy);
    void SetupSingleSound(sf::Sound& sound, float x, float y);
    void StartMainMusic();
    void Play(sf::SoundSource& source);

    bool threadLaunched_ = false;
    // The sounds that failed to load, under the mutex. Fixed in size, so that
    // marking one never allocates.
    std::array<bool, SoundCount> damaged_{};
};
