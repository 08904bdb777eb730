#include "game/effects/ParticleList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Particle MakeParticle(int lifetime, float x = 0) {
    Particle particle;
    particle.position = sf::Vector2f(x, 0);
    particle.lifetime = lifetime;
    particle.life = lifetime;
    particle.startColour = sf::Color(255, 0, 100, 255);
    particle.endColour = sf::Color(0, 255, 0, 0);
    particle.colour = sf::Color(0, 0, 0, 255);
    return particle;
}

}  // namespace

TEST(Particle, MovesSpinsAndBlendsItsColourByTheLifeLeft) {
    Particle particle = MakeParticle(10);
    particle.velocity = sf::Vector2f(1, -2);
    particle.acceleration = sf::Vector2f(0, 0.5f);
    particle.rotationSpeed = 4;
    particle.rotationAcceleration = -1;

    particle.UpdateWithOffset(sf::Vector2f(10, 20));
    EXPECT_FLOAT_EQ(particle.velocity.y, -1.5f);
    EXPECT_FLOAT_EQ(particle.position.x, 11);
    EXPECT_FLOAT_EQ(particle.position.y, 18.5f);
    EXPECT_FLOAT_EQ(particle.rotationSpeed, 3);
    EXPECT_FLOAT_EQ(particle.rotation, 3);
    EXPECT_EQ(particle.life, 9);
    // u = 9 * 255 / 10 = 229, v = 26: integer blending per channel.
    EXPECT_EQ(particle.colour, sf::Color(229, 26, 89, 229));

    for (int i = 0; i < 4; ++i)
        particle.Update();
    // Life 5: u = 127, v = 128.
    EXPECT_EQ(particle.colour, sf::Color(127, 128, 49, 127));
}

TEST(ParticleList, ALifetimeOfTenIsUpdatedTenTimesEndsAtTheEndColourAndGoesAtTheEleventh) {
    ParticleList list;
    Particle particle = MakeParticle(10);
    particle.velocity = sf::Vector2f(1, 0);
    list.AddParticle(particle);

    for (int i = 1; i <= 10; ++i) {
        list.Update();
        ASSERT_EQ(list.Size(), 1u) << "update " << i;
        EXPECT_FLOAT_EQ(list.particles[0].position.x, static_cast<float>(i));
    }
    EXPECT_EQ(list.particles[0].life, 0);
    EXPECT_EQ(list.particles[0].colour, particle.endColour);
    list.Update();
    EXPECT_EQ(list.Size(), 0u);
}

TEST(ParticleList, RemovalSwapsInTheLastParticleAndUpdatesItInTheSameStep) {
    ParticleList list;
    // Dead ones at the front, the middle and the back; x tells them apart.
    const std::vector<int> lives = {0, 5, 0, 0, 7, 0};
    for (std::size_t i = 0; i < lives.size(); ++i) {
        Particle particle = MakeParticle(10, static_cast<float>(i) * 100);
        particle.life = lives[i];
        particle.velocity = sf::Vector2f(1, 0);
        list.AddParticle(particle);
    }
    list.Update();
    ASSERT_EQ(list.Size(), 2u);
    // Every survivor moved exactly once.
    std::vector<float> xs;
    for (const Particle& particle : list.particles)
        xs.push_back(particle.position.x);
    std::sort(xs.begin(), xs.end());
    EXPECT_EQ(xs, (std::vector<float>{101, 401}));
}

TEST(ParticleList, TheCarryOffsetMovesTheParticlesOnceAndIsThenReset) {
    ParticleList list;
    list.AddParticle(MakeParticle(10));
    list.carryOffset = sf::Vector2f(3, -2);
    list.UpdateCarried();
    EXPECT_EQ(list.particles[0].position, sf::Vector2f(3, -2));
    EXPECT_EQ(list.carryOffset, sf::Vector2f(0, 0));
    list.UpdateCarried();
    EXPECT_EQ(list.particles[0].position, sf::Vector2f(3, -2));
}

TEST(Particle, ARecordWithoutALifetimeShowsItsEndColourInsteadOfDividingByZero) {
    Particle particle = MakeParticle(0);
    particle.life = 1;
    particle.Update();
    EXPECT_EQ(particle.colour, particle.endColour);
}
