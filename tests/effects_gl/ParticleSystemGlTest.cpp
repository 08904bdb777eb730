#include "GlState.h"

#include "app/GameWindow.h"
#include "game/effects/ParticleSystem.h"
#include "support/TempDataDir.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/View.hpp>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ParticleSystemGl : public ::testing::Test {
protected:
    void SetUp() override {
        gameWindow = std::make_unique<GameWindow>();
        gameWindow->window.create(sf::VideoMode(320, 240), "effects");
        white.create(4, 4, sf::Color::White);
        ASSERT_TRUE(target.create(64, 64));
    }

    Particle Dot(float x, float y, sf::Color colour) {
        Particle particle;
        particle.position = sf::Vector2f(x, y);
        particle.lifetime = particle.life = 10;
        particle.colour = colour;
        return particle;
    }

    sf::Image Render(ParticleSystem& system, sf::Color background) {
        target.clear(background);
        system.Draw(target);
        target.display();
        return target.getTexture().copyToImage();
    }

    testsupport::TempDataDir dir;
    std::unique_ptr<GameWindow> gameWindow;
    sf::Image white;
    sf::RenderTexture target;
};

}  // namespace

TEST_F(ParticleSystemGl, ParticlesLandWhereSfmlDrawsTheSameMapPointInTheView) {
    ParticleSystem system(*gameWindow, white, sf::IntRect(0, 0, 0, 0), false, 10, 10);
    system.AddParticle(Dot(20, 30, sf::Color::Red));

    sf::Image picture = Render(system, sf::Color::Blue);
    EXPECT_EQ(picture.getPixel(20, 30), sf::Color::Red);
    EXPECT_EQ(picture.getPixel(17, 27), sf::Color::Red);  // inside the 10 x 10 quad
    EXPECT_EQ(picture.getPixel(27, 30), sf::Color::Blue);
    EXPECT_EQ(picture.getPixel(5, 5), sf::Color::Blue);

    // A view that looks at (100..164, 200..264) of the map.
    target.setView(sf::View(sf::FloatRect(100, 200, 64, 64)));
    system.particles[0].position = sf::Vector2f(140, 250);
    picture = Render(system, sf::Color::Blue);
    EXPECT_EQ(picture.getPixel(40, 50), sf::Color::Red);
    EXPECT_EQ(picture.getPixel(20, 30), sf::Color::Blue);
}

TEST_F(ParticleSystemGl, BlendingIsAlphaOrAdditive) {
    ParticleSystem alpha(*gameWindow, white, sf::IntRect(0, 0, 0, 0), false, 10, 10);
    ParticleSystem additive(*gameWindow, white, sf::IntRect(0, 0, 0, 0), true, 10, 10);
    for (ParticleSystem* system : {&alpha, &additive})
        system->AddParticle(Dot(32, 32, sf::Color(0, 255, 0, 255)));
    EXPECT_EQ(Render(alpha, sf::Color::Red).getPixel(32, 32), sf::Color::Green);
    EXPECT_EQ(Render(additive, sf::Color::Red).getPixel(32, 32), sf::Color::Yellow);
}

TEST_F(ParticleSystemGl, DrawingRestoresTheGlStateAndSfmlDrawsCorrectlyAfterwards) {
    ParticleSystem system(*gameWindow, white, sf::IntRect(0, 0, 0, 0), false, 10, 10);
    system.AddParticle(Dot(10, 10, sf::Color::Red));
    target.setView(sf::View(sf::FloatRect(0, 0, 64, 64)));
    target.clear(sf::Color::Black);
    sf::RectangleShape first(sf::Vector2f(4, 4));
    target.draw(first);

    ASSERT_TRUE(target.setActive(true));
    glEnable(GL_DEPTH_TEST);
    glBlendFunc(GL_ONE, GL_ZERO);
    const GlState before = GlState::Read();
    system.Draw(target);
    ASSERT_TRUE(target.setActive(true));
    EXPECT_TRUE(GlState::Read() == before);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    sf::RectangleShape shape(sf::Vector2f(8, 8));
    shape.setPosition(40, 40);
    shape.setFillColor(sf::Color::Green);
    target.draw(shape);
    target.display();
    const sf::Image picture = target.getTexture().copyToImage();
    EXPECT_EQ(picture.getPixel(44, 44), sf::Color::Green);
    EXPECT_EQ(picture.getPixel(10, 10), sf::Color::Red);
}

TEST_F(ParticleSystemGl, PictureAndQuadSizeFromTheSourceRectangle) {
    sf::Image source;
    source.create(8, 8, sf::Color(0, 0, 0, 0));
    source.setPixel(5, 6, sf::Color(10, 20, 30, 40));

    // A rectangle is copied without blending over an opaque black picture;
    // the part beyond the source stays black.
    const ParticleSystem part(*gameWindow, source, sf::IntRect(4, 4, 6, 6), false, 13, 9);
    ASSERT_EQ(part.GetImage().getSize(), sf::Vector2u(6, 6));
    EXPECT_EQ(part.GetImage().getPixel(1, 2), sf::Color(10, 20, 30, 40));
    EXPECT_EQ(part.GetImage().getPixel(0, 0), sf::Color(0, 0, 0, 0));
    EXPECT_EQ(part.GetImage().getPixel(5, 5), sf::Color(0, 0, 0, 255));
    EXPECT_FLOAT_EQ(part.GetHalfWidth(), 6.5f);
    EXPECT_FLOAT_EQ(part.GetHalfHeight(), 4.5f);

    // No size: the picture's own.
    const ParticleSystem whole(*gameWindow, source, sf::IntRect(0, 0, 0, 0), true, 0, 0);
    EXPECT_EQ(whole.GetImage().getSize(), sf::Vector2u(8, 8));
    EXPECT_FLOAT_EQ(whole.GetHalfWidth(), 4);

    const std::unique_ptr<ParticleSystem> copy = CreateParticleSystem(part);
    EXPECT_EQ(copy->GetImage().getSize(), sf::Vector2u(6, 6));
    EXPECT_EQ(copy->GetImage().getPixel(1, 2), sf::Color(10, 20, 30, 40));
    EXPECT_FLOAT_EQ(copy->GetHalfWidth(), 6.5f);
    EXPECT_FLOAT_EQ(copy->GetHalfHeight(), 4.5f);
    EXPECT_FALSE(copy->IsAdditive());
    EXPECT_NE(copy->GetTexture(), part.GetTexture());
    EXPECT_TRUE(copy->particles.empty());
}

TEST_F(ParticleSystemGl, ASystemOutlivingItsWindowIsDestroyedQuietly) {
    auto system = std::make_unique<ParticleSystem>(*gameWindow, white, sf::IntRect(0, 0, 0, 0), false, 10, 10);
    system->AddParticle(Dot(10, 10, sf::Color::Red));
    gameWindow->window.close();
    EXPECT_NO_THROW(system.reset());
}
