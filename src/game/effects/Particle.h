#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

// One short-lived coloured quad of a particle system: a plain record that is
// moved, aged and recoloured once per simulation step.
struct Particle {
    // One step: velocity, position, spin, one step of life, and the colour
    // blended from the start colour toward the end colour by the life left.
    void Update();
    // Update, then moved by an extra offset (the motion of what carries it).
    void UpdateWithOffset(sf::Vector2f offset);
    // Draws the quad with fixed-function GL; the caller has set up the
    // projection, texture and blending (ParticleSystem).
    void Draw(float halfWidth, float halfHeight) const;

    sf::Vector2f position;
    // Pixels per step.
    sf::Vector2f velocity;
    // Added to the velocity each step.
    sf::Vector2f acceleration;
    // Degrees.
    float rotation = 0;
    float rotationSpeed = 0;
    float rotationAcceleration = 0;
    // Steps at creation, and steps left.
    std::int32_t lifetime = 0;
    std::int32_t life = 0;
    // The colour at full life and at life 0.
    sf::Color startColour;
    sf::Color endColour;
    sf::Color colour;
};
