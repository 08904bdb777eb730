#include "ScreenTestSupport.h"

#include "app/GameWindow.h"
#include "sfxt/TextPlacement.h"

#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace screenstest {

namespace {

testsupport::TempDataDir* workDir = nullptr;

}  // namespace

Application& App()
{
    if (!workDir) {
        workDir = new testsupport::TempDataDir;   // kept until the process ends
        EXPECT_EQ(workDir->CopyBuiltArchives(), 4);
    }
    Application& app = Application::Instance();
    // Without its services (the archives were missing) no screen can be built.
    if (!app.graphics || !app.profiles || !app.audio)
        throw std::runtime_error("the application did not start: see Data/Log.txt");
    return app;
}

sf::RenderWindow& Window()
{
    return App().window->window;
}

std::string DataPath(const std::string& relative)
{
    App();
    return workDir->Path() + "/" + relative;
}

sf::Event PressAt(sf::Vector2f point, sf::Mouse::Button button)
{
    sf::RenderWindow& window = Window();
    const sf::Vector2i pixel = window.mapCoordsToPixel(point);
    sf::Mouse::setPosition(pixel, window);
    EXPECT_EQ(sf::Mouse::getPosition(window), pixel) << "the cursor did not move";
    sf::Event event;
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton.button = button;
    event.mouseButton.x = pixel.x;
    event.mouseButton.y = pixel.y;
    return event;
}





sf::Vector2f Beside(const sf::Sprite& sprite)
{
    const sf::Vector2f corner = sprite.getPosition() - sprite.getOrigin();
    return corner - sf::Vector2f(3, 3);
}

sf::FloatRect Box(const sf::Text& text)
{
    const sf::Vector2f corner = text.getPosition() - text.getOrigin();
    const sf::Vector2f size = GetTextSize(text);
    return sf::FloatRect(corner.x, corner.y, size.x, size.y);
}

}  // namespace screenstest
