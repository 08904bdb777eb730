// The application's error handlers, over the real services in a working
// directory without the level archive: no backdrop level can be loaded. The
// singleton lives for the whole test program, so the tests run in order and
// the last one quits.
#include "app/Application.h"
#include "app/AudioManager.h"
#include "app/DemoSlot.h"
#include "app/GameWindow.h"
#include "app/ResourceException.h"
#include "app/Surface.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "screens/CreditsMenu.h"
#include "screens/ErrorMenu.h"

#include "support/ApplicationFixture.h"
#include "support/XDisplay.h"

#include <SFML/System/Lock.hpp>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using testsupport::Is;

Application& App()
{
    return testsupport::ApplicationOver(
        [](testsupport::TempDataDir& dir) { std::remove(dir.DataPath("Levels.vrk").c_str()); });
}

// The working directory is the application's.
bool Logged(const std::string& entry)
{
    return testsupport::ReadWholeFile("Data/Log.txt").find(entry) != std::string::npos;
}

bool Exists(const std::string& path)
{
    return std::ifstream(path).good();
}

// A screen whose step fails as a screen does when a resource is missing.
struct FailingScreen : Surface {
    int Update() override { throw ResourceException("Loading error at Gfx/Item.png", "Texture"); }
    void Draw() override {}
};

}  // namespace

TEST(ApplicationRecovery, AStartWhoseBackdropCannotLoadShowsTheErrorScreen)
{
    Application& app = App();
    ASSERT_NE(app.state, StateQuit) << "the services were made";
    EXPECT_TRUE(app.Startup());   // recoverable: the loop runs
    EXPECT_TRUE(Logged("\nEncountered problem at startup: Failed to load level 0-1\n"));
    EXPECT_EQ(app.state, StateError);
    ASSERT_TRUE(Is<ErrorMenu>(app.current));
    const auto& menu = static_cast<const ErrorMenu&>(*app.current);
    EXPECT_FALSE(menu.IsFatal());
    EXPECT_EQ(menu.GetMessage(), "Failed to load level 0-1");
    ASSERT_NE(app.demo, nullptr);
    EXPECT_FALSE(app.demo->active);   // the failed backdrop rests
    // The profiles were loaded all the same.
    EXPECT_TRUE(Exists("Data/Profiles.txt"));
}

TEST(ApplicationRecovery, ABackdropSlotWithoutItsGameRunsThePlainBackground)
{
    Application& app = App();
    app.demo->game.reset();   // as when making the backdrop game failed
    app.demo->plain = false;
    app.SwitchState(StateCredits);
    EXPECT_TRUE(Is<CreditsMenu>(app.current));
    EXPECT_TRUE(app.demo->active);
    EXPECT_TRUE(app.demo->plain);
    app.RunPass(sf::milliseconds(60));
    EXPECT_EQ(app.state, StateStay);
}

// Last: this one quits.
TEST(ApplicationRecovery, TheLoopShowsAFailedStepAndGoesOnUntilQuit)
{
    Application& app = App();
    app.current = std::make_unique<FailingScreen>();
    // The error screen that takes its place reads a close request and quits.
    testsupport::RequestClose(testsupport::SharedDisplay(), app.window->window.getSystemHandle());
    app.Run();
    EXPECT_TRUE(Logged("\nError: Loading error at Gfx/Item.png\n"));
    EXPECT_EQ(app.state, StateQuit);
    EXPECT_EQ(app.current, nullptr);
    EXPECT_FALSE(app.window->window.isOpen());
    // Quitting stopped the music and cancelled the sound loader, and waited
    // for it.
    EXPECT_EQ(app.audio->state, MusicStopped);
    sf::Lock lock(app.audio->mutex);
    EXPECT_TRUE(app.audio->cancel);
}
