#pragma once

#include <SFML/Audio/Sound.hpp>
#include <SFML/System/Vector3.hpp>

// A sound effect that may move while it plays: the audio manager adds its
// velocity (pixels per step) to its position every step.
class MovableSound : public sf::Sound {
public:
    MovableSound() = default;
    explicit MovableSound(const sf::SoundBuffer& buffer) : sf::Sound(buffer) {}
    MovableSound(const MovableSound&) = default;
    MovableSound& operator=(const MovableSound&) = default;
    virtual ~MovableSound() = default;

    sf::Vector3f velocity;
};
