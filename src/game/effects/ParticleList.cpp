#include "game/effects/ParticleList.h"

#include <utility>

void ParticleList::Update() { UpdateWithOffset(sf::Vector2f(0, 0)); }

void ParticleList::UpdateWithOffset(sf::Vector2f offset) {
    std::size_t live = particles.size();
    std::size_t i = 0;
    while (i < live) {
        Particle& particle = particles[i];
        if (particle.life < 1) {
            // The swapped-in particle is looked at next.
            --live;
            if (i != live)
                std::swap(particle, particles[live]);
            continue;
        }
        if (offset.x != 0 || offset.y != 0)
            particle.UpdateWithOffset(offset);
        else
            particle.Update();
        ++i;
    }
    particles.erase(particles.begin() + static_cast<std::ptrdiff_t>(live), particles.end());
}

void ParticleList::UpdateCarried() {
    UpdateWithOffset(carryOffset);
    carryOffset = sf::Vector2f(0, 0);
}
