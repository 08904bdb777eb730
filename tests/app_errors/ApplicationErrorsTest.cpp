// The application's answers to saves that fail and to errors that its way
// back cannot mend, over the real services and the built data under X. The
// singleton lives for the whole test program: each test starts it anew at
// the main menu, so that the tests pass in any order and alone.
#include "app/Application.h"
#include "app/DemoSlot.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "app/ResourceException.h"
#include "app/SaveFailureNotice.h"
#include "app/Surface.h"
#include "game/sim/Game.h"
#include "screens/ErrorMenu.h"
#include "screens/MainMenu.h"

#include "support/ApplicationFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using testsupport::Is;

Application& App()
{
    return testsupport::ApplicationOver();
}

const sf::Time OneStep = sf::milliseconds(25);

// The error screen in place, or null.
const ErrorMenu* ErrorScreen()
{
    return dynamic_cast<const ErrorMenu*>(App().current.get());
}

// What a store's notice tells of one failed save.
std::string Told(const std::string& fileName, const std::string& reason)
{
    SaveFailureNotice notice;
    notice.Report(fileName, reason);
    return notice.Take();
}

// The error screen tells of a failed save, and its way back leads to the main
// menu with nothing more to tell.
void ExpectToldThenBack(Application& app, const std::string& fileName, const std::string& reason)
{
    const ErrorMenu* screen = ErrorScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->IsFatal());
    EXPECT_EQ(screen->GetMessage(), Told(fileName, reason));
    app.SwitchState(StateMainMenu);
    app.RunPass(OneStep);
    EXPECT_TRUE(Is<MainMenu>(app.current));
}

// A backdrop game whose frame fails as one with a damaged texture does.
struct FailingBackdrop : Game {
    explicit FailingBackdrop(GameWindow& window) : Game(window, true) {}
    void Draw() override { throw ResourceException("Loading error at Gfx/Scenery.png", "Texture"); }
};

// A screen whose frame fails.
struct FailingScreen : Surface {
    int Update() override { return StateStay; }
    void Draw() override { throw ResourceException("Loading error at Gfx/Menu.png", "Texture"); }
};

// An error screen that cannot draw itself.
struct BrokenErrorScreen : ErrorMenu {
    BrokenErrorScreen() : ErrorMenu(false, "Loading error at Gfx/Item.png") {}
    void Draw() override { throw ResourceException("Loading error at Gfx/Title.png", "Texture"); }
};

// Every test starts where a start leads: the window open (a test before may
// have quit), nothing ending on an error, no paused game, nothing to tell,
// and the main menu over a new backdrop, drawn once.
class ApplicationErrors : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application& app = App();
        if (!app.window->window.isOpen())
            app.window->CreateGameWindow();
        app.failure.clear();
        app.background.reset();
        app.profiles->saveFailures = SaveFailureNotice();
        app.window->saveFailures = SaveFailureNotice();
        app.state = StateMainMenu;
        ASSERT_TRUE(app.Startup());
        app.RunPass(OneStep);
        ASSERT_TRUE(Is<MainMenu>(app.current));
    }
};

}  // namespace

TEST_F(ApplicationErrors, ASaveThatFailedDuringTheStartIsToldOnceTheStartIsDone)
{
    Application& app = App();
    app.state = StateMainMenu;   // as a new start has it
    app.window->saveFailures.Report("Data/Config.txt", "No space left on device");
    ASSERT_TRUE(app.Startup());
    const ErrorMenu* screen = ErrorScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->IsFatal());
    EXPECT_EQ(screen->GetMessage(), Told("Data/Config.txt", "No space left on device"));
    app.SwitchState(StateMainMenu);   // its way back
    app.RunPass(OneStep * 2.f);
    EXPECT_TRUE(Is<MainMenu>(app.current)) << "told once";
}

TEST_F(ApplicationErrors, ASaveThatFailsDuringAStepIsToldOnceAnErrorScreenIsLeft)
{
    Application& app = App();
    app.profiles->saveFailures.Report("Data/Profiles.txt", "Read-only file system");
    app.RunPass(OneStep);
    const ErrorMenu* screen = ErrorScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->IsFatal());
    EXPECT_EQ(screen->GetMessage(), Told("Data/Profiles.txt", "Read-only file system"));

    // Told while an error screen shows, a failure waits until it is left.
    app.profiles->saveFailures.Report("Data/Highscore.txt", "Read-only file system");
    app.RunPass(OneStep * 2.f);
    EXPECT_EQ(ErrorScreen(), screen);
    app.SwitchState(StateMainMenu);
    app.RunPass(OneStep);
    ExpectToldThenBack(app, "Data/Highscore.txt", "Read-only file system");
}

// A failed save during a level (at its end, say) does not break off the game
// in progress, paused or not: the player is told once it is left.
TEST_F(ApplicationErrors, ASaveThatFailsDuringAGameIsToldOnceTheGameIsLeft)
{
    Application& app = App();
    app.profiles->AddProfile("Tester");   // a new game plays the current profile
    app.profiles->currentProfile = 0;
    app.SwitchState(StateNewGame);
    app.profiles->saveFailures.Report("Data/Profiles.txt", "Disk full");
    app.RunPass(OneStep);
    EXPECT_TRUE(Is<Game>(app.current));
    app.SwitchState(StatePause);
    app.RunPass(OneStep);
    EXPECT_EQ(ErrorScreen(), nullptr) << "the paused game waits behind its menu";
    app.SwitchState(StateLevelSelection);
    app.RunPass(OneStep);
    ExpectToldThenBack(app, "Data/Profiles.txt", "Disk full");
}

// The failure lies in the backdrop level's frame, not in its load: the way
// back leads to the menus over the plain background.
TEST_F(ApplicationErrors, ABackdropThatFailsWhileItPlaysLeavesTheMenusOnThePlainBackground)
{
    Application& app = App();
    app.demo->game = std::make_unique<FailingBackdrop>(*app.window);
    app.SwitchState(StateMainMenu);
    ASSERT_TRUE(app.demo->active);
    ASSERT_FALSE(app.demo->plain);
    app.RunPass(OneStep);
    const ErrorMenu* screen = ErrorScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GetMessage(), "Loading error at Gfx/Scenery.png");
    EXPECT_FALSE(screen->IsFatal());
    EXPECT_TRUE(app.demo->plain);

    app.SwitchState(StateMainMenu);   // its way back
    app.RunPass(OneStep * 2.f);
    EXPECT_TRUE(Is<MainMenu>(app.current));
    EXPECT_EQ(app.state, StateStay);
    EXPECT_TRUE(app.demo->active);
}

TEST_F(ApplicationErrors, AnErrorThatComesStraightBackAfterTheWayBackMakesTheErrorScreenFatal)
{
    Application& app = App();
    app.current = std::make_unique<FailingScreen>();
    app.RunPass(OneStep);
    ASSERT_NE(ErrorScreen(), nullptr);
    EXPECT_FALSE(ErrorScreen()->IsFatal());

    app.SwitchState(StateMainMenu);   // its way back, to a screen that fails alike
    app.current = std::make_unique<FailingScreen>();
    app.RunPass(OneStep);
    const ErrorMenu* screen = ErrorScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->IsFatal());
    EXPECT_EQ(screen->GetMessage(), "Loading error at Gfx/Menu.png");
}

TEST_F(ApplicationErrors, TheWayOutOfAFatalErrorScreenEndsTheGameOnItsError)
{
    Application& app = App();
    auto broken = std::make_unique<BrokenErrorScreen>();   // made while the window is open
    app.HandleError(VrenkException("Loading error at Gfx/Item.png", "Texture", false), false);
    ASSERT_NE(ErrorScreen(), nullptr);
    ASSERT_TRUE(ErrorScreen()->IsFatal());
    app.SwitchState(StateQuit);   // its quit button
    EXPECT_EQ(app.failure, "Loading error at Gfx/Item.png");
    EXPECT_FALSE(app.window->window.isOpen());

    // An error screen that cannot draw itself ends the game on that error.
    app.failure.clear();
    app.state = StateError;
    app.current = std::move(broken);
    app.RunPass(OneStep);
    EXPECT_EQ(app.state, StateQuit);
    EXPECT_EQ(app.current, nullptr);
    EXPECT_EQ(app.failure, "Loading error at Gfx/Title.png");
}
