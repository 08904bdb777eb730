#include "GlState.h"

#include "app/GameWindow.h"
#include "app/ResourceManager.h"
#include "game/effects/ParticleSystem.h"
#include "game/objects/Lift.h"
#include "game/objects/Weapon.h"
#include "game/render/GraphicsContext.h"
#include "kest/RandomEngine.h"
#include "support/TempDataDir.h"

#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The renderer over the built archives, in a 1024 x 768 window with the
// default view (0..1024, 0..768 of the map).
class GraphicsContextEffects : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(dir.CopyBuiltArchives(), 0);
        gameWindow = std::make_unique<GameWindow>();
        gameWindow->window.create(sf::VideoMode(1024, 768), "effects");
        resources = std::make_unique<ResourceManager>();
        graphics = std::make_unique<GraphicsContext>(*resources, *gameWindow);
        kest::RandomEngine::global().seed(21);
    }

    std::size_t FixedParticles() const {
        std::size_t count = 0;
        for (const ParticleSystem& system : graphics->particleSystems)
            count += system.particles.size();
        return count;
    }

    static Lift MovingLift() {
        Lift lift(Lift::BackAndForth, 300, 300);
        lift.waypoints.push_back(LiftWaypoint{144, 0});
        return lift;
    }

    testsupport::TempDataDir dir;
    std::unique_ptr<GameWindow> gameWindow;
    std::unique_ptr<ResourceManager> resources;
    std::unique_ptr<GraphicsContext> graphics;
};

}  // namespace

TEST_F(GraphicsContextEffects, EmissionsUpToSixtyPixelsOutsideTheViewAreKept) {
    ASSERT_EQ(graphics->particleSystems.size(), 11u);
    struct Row {
        float x, y;
        bool kept;
    };
    for (const Row& row : {Row{-60, 100, true}, Row{-61, 100, false}, Row{1084, 100, true}, Row{1085, 100, false},
                           Row{100, 828, true}, Row{100, 829, false}, Row{100, -61, false}}) {
        const std::size_t before = FixedParticles();
        graphics->SpawnEffect(5, nullptr, row.x, row.y, 0, 0);
        EXPECT_EQ(FixedParticles() - before, row.kept ? 1u : 0u) << row.x << ", " << row.y;
    }
    // A burst piece goes to its own system.
    graphics->SpawnEffect(12, nullptr, 100, 100, 0, 0);
    std::size_t inBurstSystems = 0;
    for (std::size_t i = 5; i <= 10; ++i)
        inBurstSystems += graphics->particleSystems[i].particles.size();
    EXPECT_EQ(inBurstSystems, 1u);
}

TEST_F(GraphicsContextEffects, AFadingLiftEmitsFadingParticlesIntoItsOwnSystem) {
    Lift lift(Lift::Triggered, 300, 300);
    lift.waypoints.push_back(LiftWaypoint{72, 0});
    lift.triggerTimer = 150;  // half faded
    graphics->SpawnLiftEffects(lift);
    ASSERT_EQ(graphics->liftSystems.size(), 1u);
    ParticleSystem& system = graphics->GetLiftParticleSystem(&lift);
    ASSERT_EQ(system.particles.size(), 4u);
    for (const Particle& particle : system.particles) {
        EXPECT_EQ(particle.startColour.a, lift.GetAlpha());
        EXPECT_EQ(particle.startColour.b, 250);  // preset 15
    }
    EXPECT_EQ(FixedParticles(), 0u);
    EXPECT_FLOAT_EQ(system.GetHalfWidth(), 4.5f);

    // Not while the secret tiles are shown.
    graphics->hideSecretTiles = false;
    graphics->SpawnLiftEffects(lift);
    EXPECT_EQ(system.particles.size(), 4u);
    EXPECT_EQ(graphics->liftSystems.size(), 1u);
}

TEST_F(GraphicsContextEffects, LiftParticlesRideAlongWithTheLift) {
    Lift lift = MovingLift();
    lift.Update(false);
    graphics->SpawnLiftEffects(lift);
    ParticleSystem& system = graphics->GetLiftParticleSystem(&lift);
    ASSERT_FALSE(system.particles.empty());
    const Particle before = system.particles[0];
    const float motion = boost::rational_cast<float>(lift.GetCarryMotion(false, false).first);
    ASSERT_GT(motion, 0);

    graphics->UpdateEffects();
    // Its own velocity (0, 3) plus the lift's motion.
    EXPECT_FLOAT_EQ(system.particles[0].position.x, before.position.x + motion);
    EXPECT_FLOAT_EQ(system.particles[0].position.y, before.position.y + 3 + before.acceleration.y);
    EXPECT_EQ(system.carryOffset, sf::Vector2f(0, 0));

    // Put back to its start: no jump.
    lift.Reset();
    const float x = system.particles[0].position.x;
    graphics->UpdateEffects();
    EXPECT_FLOAT_EQ(system.particles[0].position.x, x);
}

TEST_F(GraphicsContextEffects, TimeDistortionHalvesTheTrailsOfTheSlowShots) {
    const Weapon shot(6, 500, 400, true);
    graphics->SpawnPlayerEffects(shot);
    EXPECT_EQ(FixedParticles(), 4u);
    graphics->timeSlowed = true;
    graphics->SpawnPlayerEffects(shot);
    EXPECT_EQ(FixedParticles(), 6u);
}

TEST_F(GraphicsContextEffects, PopupTextsRiseAndFadeFor95Steps) {
    graphics->DrawOutlinedText(0, "+1", 500, 400);
    ASSERT_EQ(graphics->popupTexts.size(), 5u);
    const sf::Vector2f start = graphics->popupTexts.back().getPosition();
    for (int step = 1; step <= 94; ++step)
        graphics->UpdateEffects();
    ASSERT_EQ(graphics->popupTexts.size(), 5u);
    EXPECT_EQ(graphics->popupTexts.back().getFillColor().a, 5);
    EXPECT_NEAR(graphics->popupTexts.back().getPosition().y, start.y - 94 * 0.8f, 0.01f);
    graphics->UpdateEffects();
    EXPECT_TRUE(graphics->popupTexts.empty());
}

TEST_F(GraphicsContextEffects, ParticlesAreDrawnOnTheWindowAndTheGlStateIsKept) {
    sf::RenderWindow& window = gameWindow->window;
    graphics->SpawnEffect(2, nullptr, 200, 200, 0, 0);
    Lift lift = MovingLift();
    graphics->SpawnEffect(13, &lift, 600, 400, 0, 0);
    graphics->UpdateEffects();  // from black to their colours

    window.setView(window.getDefaultView());
    window.clear(sf::Color::Black);
    ASSERT_TRUE(window.setActive(true));
    const GlState before = GlState::Read();
    graphics->DrawBackgroundParticles();
    graphics->DrawParticles();
    ASSERT_TRUE(window.setActive(true));
    EXPECT_TRUE(GlState::Read() == before);

    sf::Texture shot;
    ASSERT_TRUE(shot.create(1024, 768));
    shot.update(window);
    const sf::Image picture = shot.copyToImage();
    EXPECT_NE(picture.getPixel(200, 200), sf::Color::Black);
    EXPECT_NE(picture.getPixel(600, 400), sf::Color::Black);
    EXPECT_EQ(picture.getPixel(400, 300), sf::Color::Black);
}
