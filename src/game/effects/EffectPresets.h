#pragma once

#include "game/effects/Particle.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstddef>
#include <cstdint>

// What one kind of particle looks like and how it moves.
struct EffectPreset {
    // Steps.
    std::int32_t lifetime;
    sf::Color startColour;
    sf::Color endColour;
    sf::Vector2f acceleration;
};

// The rotation of a new particle: angle, speed and acceleration.
struct ParticleRotation {
    float angle = 0;
    float speed = 0;
    float acceleration = 0;
};

// The particle presets, by number: the simulation asks for particles by
// preset (GraphicsContext::SpawnEffect).
class EffectPresets {
public:
    static constexpr std::size_t Count = 29;

    // Throws std::out_of_range for a preset outside the table.
    static const EffectPreset& Get(int preset);

    static const std::array<EffectPreset, Count> Table;
};

// The per-preset variation of a new particle: its acceleration (presets 0
// and 4 slow down), its fixed system (12: one of 5 to 10, 17 to 21: one of 1
// to 4), its rotation and spin, and for 21 a random grey start colour.
// Draws from the global random engine.
void ApplyEffectPreset(int preset, Particle& particle, ParticleRotation& rotation, sf::Color& startColour,
                       std::size_t& systemIndex);

// A particle of the preset at (x, y) moving at (vx, vy), with the preset's
// variation applied; systemIndex receives the fixed system it belongs to.
// Its colour is black until the first update. Throws std::out_of_range for
// an unknown preset.
Particle MakeEffectParticle(int preset, float x, float y, float vx, float vy, std::size_t& systemIndex);
