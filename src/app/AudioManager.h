#pragma once

// Stand-in: music and sound playback with the sound loader thread. It keeps
// the music state machine's fields and the loader's control so the shell can
// drive them, but plays nothing and loads no sounds yet.

#include "app/MusicState.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/System/Mutex.hpp>
#include <SFML/System/Thread.hpp>

#include <cstdint>

class GameWindow;
class ResourceManager;

class AudioManager {
public:
    AudioManager(ResourceManager& resources, GameWindow& window);
    ~AudioManager();
    AudioManager(const AudioManager&) = delete;
    AudioManager& operator=(const AudioManager&) = delete;

    void SetMainMusic(std::uint32_t id) { mainMusic = id; }
    void PlayMainMusic();
    // Stops whatever music plays: state Stopped, no main and no jingle music.
    void StopMusic();
    void SetSuppressed(bool value) { suppressed = value; }
    // The music of the current state.
    sf::Music& GetCurrentMusic();

    // The sound loader thread: launched after construction, cancelled and
    // awaited on quitting.
    void StartLoading();
    void CancelLoading();
    float GetLoadingProgress();

    ResourceManager* resources;
    GameWindow* window;
    std::uint32_t mainMusic = MusicNone;
    std::uint32_t jingleMusic = MusicNone;
    bool suppressed = false;
    sf::Thread thread;
    sf::Mutex mutex;
    bool cancel = false;
    float progress = 0.f;
    MusicState state = MusicStopped;

private:
    void LoadSounds();

    sf::Music silence_;
    bool threadRunning_ = false;
};
