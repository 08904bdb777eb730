#include "game/effects/EffectPresets.h"

#include "kest/RandomEngine.h"

#include <stdexcept>
#include <string>

namespace {

EffectPreset Row(std::int32_t lifetime, sf::Color start, sf::Color end, float accelerationY) {
    return EffectPreset{lifetime, start, end, sf::Vector2f(0, accelerationY)};
}

using C = sf::Color;

}  // namespace

// lifetime, start colour, end colour, vertical acceleration
const std::array<EffectPreset, EffectPresets::Count> EffectPresets::Table = {{
    Row(50, C(0, 160, 100, 255), C(0, 100, 255, 0), 0),        // 0 respawn sparkle
    Row(10, C(0, 0, 150, 255), C(0, 100, 200, 255), 0),        // 1 warp
    Row(40, C(255, 255, 0, 255), C(255, 255, 255, 0), 0),      // 2 jetpack thrust
    Row(20, C(0, 150, 0, 255), C(0, 0, 0, 0), 0.3f),           // 3 invulnerability
    Row(10, C(0, 0, 200, 0), C(0, 0, 200, 255), 0),            // 4 time distortion (fades in)
    Row(35, C(255, 255, 0, 255), C(0, 0, 0, 0), 0),            // 5 rocket trail
    Row(35, C(50, 50, 150, 255), C(0, 0, 0, 0), 0.02f),        // 6 rolling bomb
    Row(20, C(255, 210, 0, 255), C(100, 80, 0, 0), 0.03f),     // 7 burst
    Row(20, C(255, 0, 130, 255), C(100, 0, 50, 0), 0.03f),     // 8 burst
    Row(20, C(0, 130, 90, 255), C(0, 112, 25, 0), 0.03f),      // 9 burst
    Row(20, C(255, 0, 130, 255), C(100, 0, 50, 0), 0.03f),     // 10 burst
    Row(20, C(255, 0, 130, 255), C(100, 0, 50, 0), 0.03f),     // 11 burst
    Row(70, C(255, 255, 0, 255), C(255, 0, 0, 0), 0.1f),       // 12 explosion
    Row(40, C(0, 150, 0, 255), C(250, 250, 0, 0), -0.08f),     // 13 lift of kind 1
    Row(40, C(0, 150, 250, 255), C(250, 250, 0, 0), -0.08f),   // 14 lift of kind 2
    Row(40, C(0, 0, 250, 255), C(250, 250, 0, 0), -0.08f),     // 15 lift of kind 0
    Row(40, C(140, 0, 240, 255), C(250, 250, 0, 0), -0.08f),   // 16 lift of kind 3
    Row(70, C(0, 200, 0, 255), C(0, 0, 0, 0), 0.1f),           // 17 burst
    Row(70, C(0, 0, 255, 255), C(0, 0, 0, 0), 0.1f),           // 18 burst
    Row(70, C(255, 0, 0, 255), C(0, 0, 0, 0), 0.1f),           // 19 burst
    Row(70, C(255, 255, 0, 255), C(0, 0, 0, 0), 0.1f),         // 20 burst
    Row(70, C(200, 200, 200, 255), C(0, 0, 0, 0), 0.1f),       // 21 smoke
    Row(60, C(255, 255, 0, 255), C(255, 0, 0, 0), 0.02f),      // 22 weapons of kinds 4 and 5
    Row(60, C(180, 255, 0, 255), C(0, 0, 0, 0), 0.02f),        // 23 weapon of kind 6
    Row(60, C(45, 196, 199, 255), C(0, 0, 0, 0), 0.02f),       // 24 weapon of kind 7
    Row(20, C(25, 140, 150, 255), C(100, 100, 100, 0), 0),     // 25 burst
    Row(20, C(225, 20, 30, 255), C(100, 100, 100, 0), 0),      // 26 burst
    Row(20, C(70, 40, 30, 255), C(70, 40, 30, 0), 0),          // 27 burst
    Row(50, C(100, 100, 100, 255), C(255, 255, 255, 0), 0),    // 28 debris
}};

const EffectPreset& EffectPresets::Get(int preset) {
    if (preset < 0 || static_cast<std::size_t>(preset) >= Count)
        throw std::out_of_range("EffectPresets::Get - unknown preset " + std::to_string(preset));
    return Table[static_cast<std::size_t>(preset)];
}

namespace {

void Spin(ParticleRotation& rotation) {
    rotation.speed = kest::randomDeviation(0, 10);
    rotation.acceleration = -0.02f * rotation.speed;
}

}  // namespace

void ApplyEffectPreset(int preset, Particle& particle, ParticleRotation& rotation, sf::Color& startColour,
                       std::size_t& systemIndex) {
    switch (preset) {
    case 0:
    case 4:
        particle.acceleration = particle.velocity * -0.05f;
        break;
    case 12:
        systemIndex = static_cast<std::size_t>(kest::randomInt(5, 10));
        rotation.angle = static_cast<float>(static_cast<int>(kest::randomFloat(0, 360)));
        Spin(rotation);
        break;
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
        systemIndex = static_cast<std::size_t>(kest::randomInt(1, 4));
        if (preset == 21) {
            const auto g = static_cast<sf::Uint8>(kest::randomInt(155, 255));
            startColour = sf::Color(g, g, g, 200);
        }
        rotation.angle = kest::randomFloat(0, 360);
        Spin(rotation);
        break;
    default:
        break;
    }
}

Particle MakeEffectParticle(int preset, float x, float y, float vx, float vy, std::size_t& systemIndex) {
    const EffectPreset& row = EffectPresets::Get(preset);
    Particle particle;
    particle.position = sf::Vector2f(x, y);
    particle.velocity = sf::Vector2f(vx, vy);
    particle.acceleration = row.acceleration;
    particle.lifetime = row.lifetime;
    particle.startColour = row.startColour;
    particle.endColour = row.endColour;
    systemIndex = 0;

    ParticleRotation rotation;
    ApplyEffectPreset(preset, particle, rotation, particle.startColour, systemIndex);
    particle.rotation = rotation.angle;
    particle.rotationSpeed = rotation.speed;
    particle.rotationAcceleration = rotation.acceleration;

    particle.life = particle.lifetime;
    particle.colour = sf::Color(0, 0, 0, 255);
    return particle;
}
