// Every playing level of the built data, played and drawn for a while by
// the whole program: the real window, renderer, audio and game, with the
// player standing still. A level that throws, or leaves its playing screen,
// fails here.
#include "app/Application.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "game/sim/Game.h"
#include "app/Surface.h"

#include "support/TempDataDir.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

#include <set>

namespace {

// Distinct colours in the window's picture: a drawn level shows many.
std::size_t ColoursOnScreen(sf::RenderWindow& window)
{
    sf::Texture grab;
    grab.create(window.getSize().x, window.getSize().y);
    grab.update(window);
    sf::Image image = grab.copyToImage();
    std::set<sf::Uint32> colours;
    for (unsigned y = 0; y < image.getSize().y; y += 8)
        for (unsigned x = 0; x < image.getSize().x; x += 8)
            colours.insert(image.getPixel(x, y).toInteger());
    return colours.size();
}

}  // namespace

TEST(PlayEveryLevel, EachLevelRunsAndDraws)
{
    testsupport::TempDataDir dir;
    ASSERT_EQ(dir.CopyBuiltArchives(), 4);
    Application& app = Application::Instance();
    ASSERT_TRUE(app.Startup());
    app.profiles->AddProfile("Tester");
    app.profiles->currentProfile = 0;

    for (std::uint16_t world = 1; world <= 3; ++world) {
        for (std::uint16_t level = 1; level <= 4; ++level) {
            Profile* profile = app.profiles->GetCurrentProfile();
            ASSERT_NE(profile, nullptr);
            profile->world = world;
            profile->level = level;
            app.SwitchState(StateNewGame);
            auto* game = dynamic_cast<Game*>(app.current.get());
            ASSERT_NE(game, nullptr) << world << "-" << level << ": state " << app.state;
            EXPECT_EQ(game->LoadedWorld(), world);
            EXPECT_EQ(game->LoadedLevel(), level);
            // Five seconds of play: the level start, the spawn, and standing.
            for (int pass = 0; pass < 50; ++pass)
                app.RunPass(sf::milliseconds(100));
            EXPECT_EQ(app.current.get(), game) << world << "-" << level << ": state " << app.state;
            EXPECT_GT(ColoursOnScreen(app.window->window), 20u) << world << "-" << level;
        }
    }
    app.SwitchState(StateQuit);
}
