#include "app/GameWindow.h"
#include "app/ResourceManager.h"
#include "game/render/BlurEffect.h"
#include "support/TempDataDir.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <sstream>

namespace {

class BlurEffectGl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(dir.CopyBuiltArchives(), 0);
        gameWindow = std::make_unique<GameWindow>();
        gameWindow->window.create(sf::VideoMode(1024, 768), "blur");
        resources = std::make_unique<ResourceManager>();
        blur = std::make_unique<BlurEffect>(*resources, 1024, 768);
        view = sf::View(sf::FloatRect(1000, 500, 1024, 768));
    }

    // One glowing square of the map, drawn as the scene does.
    void Glow(float x, float y) {
        sf::RectangleShape square(sf::Vector2f(16, 16));
        square.setPosition(x, y);
        blur->AddGlow(square, view);
    }

    sf::Image Result() { return blur->targets[0].getTexture().copyToImage(); }

    testsupport::TempDataDir dir;
    std::unique_ptr<GameWindow> gameWindow;
    std::unique_ptr<ResourceManager> resources;
    std::unique_ptr<BlurEffect> blur;
    sf::View view;
};

}  // namespace

TEST_F(BlurEffectGl, AQuarterSizePictureThatCoversTheViewExactly) {
    EXPECT_EQ(blur->targets[0].getSize(), sf::Vector2u(256, 192));
    EXPECT_EQ(blur->targets[1].getSize(), sf::Vector2u(256, 192));
    EXPECT_TRUE(blur->targets[0].isSmooth());
    EXPECT_EQ(blur->quad[2].position, sf::Vector2f(256, 192));
    EXPECT_EQ(blur->quad[2].texCoords, sf::Vector2f(256, 192));

    // The view's centre is moved onto 4-pixel boundaries of the map.
    blur->SetView(sf::View(sf::Vector2f(1513, 887), sf::Vector2f(1024, 768)));
    EXPECT_EQ(blur->targets[0].getView().getCenter(), sf::Vector2f(1512, 884));

    blur->BeginFrame();
    Glow(1500, 850);  // by the view's corner
    const sf::Sprite sprite = blur->Draw(view);
    ASSERT_NE(sprite.getTexture(), nullptr);
    const sf::FloatRect bounds = sprite.getGlobalBounds();
    EXPECT_FLOAT_EQ(bounds.left, 1000);
    EXPECT_FLOAT_EQ(bounds.top, 500);
    EXPECT_FLOAT_EQ(bounds.width, 1024);
    EXPECT_FLOAT_EQ(bounds.height, 768);
}

TEST_F(BlurEffectGl, AFrameWithoutGlowDrawsNothingAndRunsNoPass) {
    blur->BeginFrame();
    blur->targets[1].clear(sf::Color::Red);
    blur->targets[1].display();
    EXPECT_EQ(blur->Draw(view).getTexture(), nullptr);
    // The intermediate target was not touched.
    EXPECT_EQ(blur->targets[1].getTexture().copyToImage().getPixel(10, 10), sf::Color::Red);
    EXPECT_EQ(blur->horizontalShader, nullptr);
}

TEST_F(BlurEffectGl, GlowSpreadsAndTwoDrawingsInAFrameBlurOnce) {
    if (!sf::Shader::isAvailable() || !resources->CheckShaders())
        GTEST_SKIP() << "no shader support";
    blur->BeginFrame();
    // Map (1400, 800) is texel ((1400 - 1000) / 4, (800 - 500) / 4) = (100, 75).
    Glow(1400, 800);
    Glow(1600, 800);
    (void)blur->Draw(view);
    EXPECT_FALSE(blur->needsBlur);
    ASSERT_NE(blur->horizontalShader, nullptr);
    const sf::Image once = Result();
    EXPECT_GT(once.getPixel(102, 77).r, 0);
    // The halo reaches beyond the square (texels 100 to 103).
    EXPECT_GT(once.getPixel(106, 77).r, 0);
    EXPECT_GT(once.getPixel(102, 81).r, 0);
    EXPECT_EQ(once.getPixel(150, 150), sf::Color::Black);

    (void)blur->Draw(view);
    EXPECT_EQ(Result().getPixel(106, 77), once.getPixel(106, 77));
    EXPECT_EQ(Result().getPixel(108, 77), once.getPixel(108, 77));

    // The next frame starts black again.
    blur->BeginFrame();
    EXPECT_EQ(Result().getPixel(102, 77), sf::Color::Black);
}

TEST_F(BlurEffectGl, APassWithoutAShaderIsAPlainCopyThatReplacesTheDestination) {
    blur->targets[1].clear(sf::Color::Red);
    blur->targets[0].clear(sf::Color(0, 0, 0, 0));
    sf::RectangleShape square(sf::Vector2f(8, 8));
    square.setPosition(40, 40);
    blur->targets[0].draw(square);
    blur->targets[0].display();

    blur->Pass(blur->targets[0], blur->targets[1], nullptr);
    const sf::Image copy = blur->targets[1].getTexture().copyToImage();
    EXPECT_EQ(copy.getPixel(44, 44), sf::Color::White);
    EXPECT_EQ(copy.getPixel(10, 10), sf::Color(0, 0, 0, 0));
}

TEST_F(BlurEffectGl, WithoutItsRenderTexturesTheGameRunsWithoutTheBlur) {
    // A window too small for a quarter-size texture: the driver refuses it.
    std::stringstream log;
    std::streambuf* saved = std::cerr.rdbuf(log.rdbuf());
    BlurEffect none(*resources, 3, 3);
    std::cerr.rdbuf(saved);
    EXPECT_FALSE(none.ready);
    EXPECT_NE(log.str().find("Failed to create the render textures of the blur (0 x 0).\n"
                             "The game runs without the blur."),
              std::string::npos)
        << log.str();

    none.BeginFrame();
    sf::RectangleShape square(sf::Vector2f(16, 16));
    none.AddGlow(square, view);
    EXPECT_FALSE(none.hasContent);
    EXPECT_EQ(none.Draw(view).getTexture(), nullptr);
    EXPECT_EQ(none.horizontalShader, nullptr);
}
