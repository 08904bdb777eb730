#include "app/AudioManager.h"

#include <SFML/System/Lock.hpp>

AudioManager::AudioManager(ResourceManager& resourceManager, GameWindow& gameWindow)
    : resources(&resourceManager), window(&gameWindow), thread(&AudioManager::LoadSounds, this)
{
}

AudioManager::~AudioManager()
{
    CancelLoading();
}

void AudioManager::PlayMainMusic()
{
    state = MusicMainPlaying;
}

void AudioManager::StopMusic()
{
    if (state != MusicStopped) {
        GetCurrentMusic().stop();
        state = MusicStopped;
        mainMusic = MusicNone;
        jingleMusic = MusicNone;
    }
}

sf::Music& AudioManager::GetCurrentMusic()
{
    return silence_;
}

void AudioManager::StartLoading()
{
    {
        sf::Lock lock(mutex);
        cancel = false;
    }
    thread.launch();
    threadRunning_ = true;
}

void AudioManager::CancelLoading()
{
    {
        sf::Lock lock(mutex);
        cancel = true;
    }
    if (threadRunning_) {
        thread.wait();
        threadRunning_ = false;
    }
}

float AudioManager::GetLoadingProgress()
{
    sf::Lock lock(mutex);
    return progress;
}

void AudioManager::LoadSounds()
{
    sf::Lock lock(mutex);
    progress = 1.f;
}
