#include "game/effects/EffectPresets.h"
#include "game/effects/ParticleList.h"
#include "kest/RandomEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

// Runs one particle through its whole life and returns its last colour.
sf::Color FinalColour(const Particle& particle) {
    ParticleList list;
    list.AddParticle(particle);
    sf::Color last;
    while (list.Size() > 0) {
        list.Update();
        if (list.Size() > 0)
            last = list.particles[0].colour;
    }
    return last;
}

}  // namespace

TEST(EffectPresets, EveryPresetEndsAtItsEndColourAndOnlyTheTimeDistortionOneFadesIn) {
    kest::RandomEngine::global().seed(7);
    for (int preset = 0; preset < static_cast<int>(EffectPresets::Count); ++preset) {
        SCOPED_TRACE(preset);
        std::size_t system = 99;
        const Particle particle = MakeEffectParticle(preset, 10, 20, 1, 1, system);
        EXPECT_EQ(particle.life, particle.lifetime);
        EXPECT_GT(particle.lifetime, 0);
        EXPECT_EQ(particle.colour, sf::Color(0, 0, 0, 255));  // black until the first update
        EXPECT_LE(system, 10u);
        EXPECT_EQ(FinalColour(particle), EffectPresets::Get(preset).endColour);
        if (preset == 4) {
            EXPECT_EQ(particle.startColour.a, 0);
            EXPECT_EQ(particle.endColour.a, 255);
        }
    }
}

TEST(EffectPresets, RowsOfTheTable) {
    const struct {
        int preset;
        std::int32_t lifetime;
        sf::Color start, end;
        float accelerationY;
    } rows[] = {
        {0, 50, {0, 160, 100, 255}, {0, 100, 255, 0}, 0},
        {2, 40, {255, 255, 0, 255}, {255, 255, 255, 0}, 0},
        {4, 10, {0, 0, 200, 0}, {0, 0, 200, 255}, 0},
        {6, 35, {50, 50, 150, 255}, {0, 0, 0, 0}, 0.02f},
        {9, 20, {0, 130, 90, 255}, {0, 112, 25, 0}, 0.03f},
        {12, 70, {255, 255, 0, 255}, {255, 0, 0, 0}, 0.1f},
        {13, 40, {0, 150, 0, 255}, {250, 250, 0, 0}, -0.08f},
        {16, 40, {140, 0, 240, 255}, {250, 250, 0, 0}, -0.08f},
        {24, 60, {45, 196, 199, 255}, {0, 0, 0, 0}, 0.02f},
        {27, 20, {70, 40, 30, 255}, {70, 40, 30, 0}, 0},
        {28, 50, {100, 100, 100, 255}, {255, 255, 255, 0}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.preset);
        const EffectPreset& preset = EffectPresets::Get(row.preset);
        EXPECT_EQ(preset.lifetime, row.lifetime);
        EXPECT_EQ(preset.startColour, row.start);
        EXPECT_EQ(preset.endColour, row.end);
        EXPECT_FLOAT_EQ(preset.acceleration.x, 0);
        EXPECT_FLOAT_EQ(preset.acceleration.y, row.accelerationY);
    }
}

TEST(EffectPresets, AnUnknownPresetIsRefused) {
    std::size_t system = 0;
    EXPECT_THROW(EffectPresets::Get(29), std::out_of_range);
    EXPECT_THROW(EffectPresets::Get(-1), std::out_of_range);
    EXPECT_THROW(MakeEffectParticle(40, 0, 0, 0, 0, system), std::out_of_range);
}

TEST(ApplyEffectPreset, SlowingPresetsBrakeAgainstTheirVelocity) {
    for (int preset : {0, 4}) {
        std::size_t system = 5;
        const Particle particle = MakeEffectParticle(preset, 0, 0, 2, -4, system);
        EXPECT_FLOAT_EQ(particle.acceleration.x, -0.1f);
        EXPECT_FLOAT_EQ(particle.acceleration.y, 0.2f);
        EXPECT_EQ(system, 0u);
        EXPECT_EQ(particle.rotationSpeed, 0);
    }
}

TEST(ApplyEffectPreset, BurstPresetsPickASpinningPieceOfTheirOwnSystems) {
    kest::RandomEngine::global().seed(1234);
    for (int i = 0; i < 200; ++i) {
        std::size_t system = 0;
        const Particle explosion = MakeEffectParticle(12, 0, 0, 0, 0, system);
        EXPECT_GE(system, 5u);
        EXPECT_LE(system, 10u);
        EXPECT_EQ(explosion.rotation, std::trunc(explosion.rotation));
        EXPECT_LE(std::abs(explosion.rotationSpeed), 10.0f);
        EXPECT_FLOAT_EQ(explosion.rotationAcceleration, -0.02f * explosion.rotationSpeed);

        const int preset = 17 + i % 5;
        const Particle piece = MakeEffectParticle(preset, 0, 0, 0, 0, system);
        EXPECT_GE(system, 1u);
        EXPECT_LE(system, 4u);
        EXPECT_GE(piece.rotation, 0.0f);
        EXPECT_LE(piece.rotation, 360.0f);
        if (preset == 21) {
            // Smoke: a random grey, a little transparent.
            EXPECT_EQ(piece.startColour.a, 200);
            EXPECT_EQ(piece.startColour.r, piece.startColour.g);
            EXPECT_EQ(piece.startColour.g, piece.startColour.b);
            EXPECT_GE(piece.startColour.r, 155);
        } else {
            EXPECT_EQ(piece.startColour, EffectPresets::Get(preset).startColour);
        }
    }
}

TEST(ApplyEffectPreset, AFixedSeedGivesTheSameParticles) {
    auto run = [] {
        kest::RandomEngine::global().seed(99);
        std::size_t system = 0;
        std::vector<float> values;
        for (int preset : {12, 21, 3, 18}) {
            const Particle particle = MakeEffectParticle(preset, 0, 0, 0, 0, system);
            values.insert(values.end(), {particle.rotation, particle.rotationSpeed,
                                         static_cast<float>(particle.startColour.r), static_cast<float>(system)});
        }
        return values;
    };
    EXPECT_EQ(run(), run());
}
