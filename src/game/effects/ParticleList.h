#pragma once

#include "game/effects/Particle.h"

#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <vector>

// The simulation half of a particle system: the live particles, unordered,
// and the carry offset of the next update. Dead particles are removed by
// swapping with the last live one, so that neither update nor removal shifts
// the vector. No graphics: ParticleSystem draws it.
class ParticleList {
public:
    void AddParticle(const Particle& particle) { particles.push_back(particle); }
    // One step for every particle; a particle whose life is below 1 is
    // removed instead. A particle is thus updated for the last time when its
    // life goes from 1 to 0 (showing its end colour) and removed on the
    // following step.
    void Update();
    void UpdateWithOffset(sf::Vector2f offset);
    // One step with the carry offset (plainly when it is zero); the offset
    // is then reset.
    void UpdateCarried();
    void Clear() { particles.clear(); }
    std::size_t Size() const { return particles.size(); }

    std::vector<Particle> particles;
    // Extra motion for the next update.
    sf::Vector2f carryOffset;
};
