// The application itself, over the real services in a temporary working
// directory under X. The singleton lives for the whole test program, so the
// tests run in order and the last one quits.
#include "app/Application.h"
#include "app/AudioManager.h"
#include "app/DemoSlot.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "app/ResourceException.h"
#include "app/Surface.h"
#include "game/sim/Game.h"
#include "screens/ErrorMenu.h"
#include "screens/LevelSelection.h"
#include "screens/MainMenu.h"
#include "screens/OptionMenu.h"
#include "screens/PauseMenu.h"

#include "support/ApplicationFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::Is;

// The real services over the game's own data: the menus draw with its GUI
// texture and the backdrop plays its levels.
Application& App()
{
    return testsupport::ApplicationOver();
}

Game& Backdrop()
{
    return *App().demo->game;
}

// A screen that returns what it is told and counts its calls.
struct ScriptedScreen : Surface {
    explicit ScriptedScreen(int result, int* updates, int* draws) : result_(result), updates_(updates), draws_(draws) {}
    int Update() override { ++*updates_; return result_; }
    void Draw() override { ++*draws_; }
    int result_;
    int* updates_;
    int* draws_;
};

}  // namespace

TEST(Application, StartsIntoTheMainMenuWithTheMenuBackdrop)
{
    Application& app = App();
    ASSERT_TRUE(app.window->window.isOpen());
    ASSERT_TRUE(app.Startup());
    EXPECT_EQ(app.state, StateMainMenu);
    EXPECT_TRUE(Is<MainMenu>(app.current));
    EXPECT_TRUE(app.demo->active);
    EXPECT_EQ(Backdrop().LoadedLevel(), 1);
    EXPECT_EQ(app.audio->mainMusic, MusicMenu);
    EXPECT_EQ(app.audio->state, MusicMainPlaying);
    EXPECT_TRUE(app.audio->suppressed);
}

TEST(Application, MenuToMenuReloadsTheBackdropWithoutRestartingTheMusic)
{
    Application& app = App();
    int loads = Backdrop().LoadCount();
    app.audio->mainMusic = 3;   // would become 18 again if the menu music were restarted
    app.SwitchState(StateCredits);
    EXPECT_EQ(Backdrop().LoadedLevel(), 6);
    EXPECT_EQ(Backdrop().LoadCount(), loads + 1);
    EXPECT_EQ(app.audio->mainMusic, 3u);
    app.SwitchState(StateCredits);   // the same level is loaded anew
    EXPECT_EQ(Backdrop().LoadCount(), loads + 2);
    app.audio->mainMusic = MusicMenu;
}

TEST(Application, PauseOptionsAndResumeKeepOneGame)
{
    Application& app = App();
    app.profiles->AddProfile("Tester");   // a new game plays the current profile
    app.profiles->currentProfile = 0;
    app.SwitchState(StateNewGame);
    ASSERT_TRUE(Is<Game>(app.current));
    Surface* game = app.current.get();
    EXPECT_FALSE(app.demo->active);
    EXPECT_NE(app.audio->mainMusic, MusicMenu);     // the menu music stops for the game

    struct Step {
        int id;
        bool pauseMenu, optionMenu, gameCurrent;
        bool demoActive;
        std::uint16_t backdropLevel;
    } steps[] = {
        {StatePause, true, false, false, false, 0},
        {StateOptionsFromPause, false, true, false, true, 4},
        {StateBackToPauseMenu, true, false, false, false, 0},
        {StateResumeGame, false, false, true, false, 0},
    };
    for (const Step& s : steps) {
        app.SwitchState(s.id);
        EXPECT_EQ(Is<PauseMenu>(app.current), s.pauseMenu) << s.id;
        EXPECT_EQ(Is<OptionMenu>(app.current), s.optionMenu) << s.id;
        EXPECT_EQ(app.current.get() == game, s.gameCurrent) << s.id;
        if (!s.gameCurrent) {
            EXPECT_EQ(app.background.get(), game) << s.id;
        }
        EXPECT_EQ(app.demo->active, s.demoActive) << s.id;
        if (s.backdropLevel) {
            EXPECT_EQ(Backdrop().LoadedLevel(), s.backdropLevel) << s.id;
        }
        // A paused game means no menu music, with or without a backdrop.
        EXPECT_NE(app.audio->mainMusic, MusicMenu) << s.id;
    }
    EXPECT_EQ(app.background, nullptr);
    EXPECT_FALSE(static_cast<Game*>(game)->IsPaused());
}

TEST(Application, LeavingThePauseMenuForAnotherScreenDropsThePausedGame)
{
    Application& app = App();
    app.SwitchState(StatePause);
    ASSERT_NE(app.background, nullptr);
    app.SwitchState(StateLevelSelection);
    EXPECT_TRUE(Is<LevelSelection>(app.current));
    EXPECT_EQ(app.background, nullptr);
    EXPECT_TRUE(app.demo->active);
    EXPECT_EQ(Backdrop().LoadedLevel(), 3);
    EXPECT_EQ(app.audio->state, MusicMainPlaying);   // back behind menus: the menu music starts
}

TEST(Application, AnErrorShowsTheErrorScreenAndKeepsThePausedGame)
{
    Application& app = App();
    app.SwitchState(StateNewGame);
    app.SwitchState(StatePause);
    Surface* paused = app.background.get();
    app.HandleError(ResourceException("Loading error at Gfx/Item.png", "Texture"), false);
    EXPECT_EQ(app.state, StateError);
    ASSERT_TRUE(Is<ErrorMenu>(app.current));
    auto& menu = static_cast<ErrorMenu&>(*app.current);
    EXPECT_FALSE(menu.IsFatal());
    EXPECT_EQ(menu.GetMessage(), "Loading error at Gfx/Item.png");
    EXPECT_EQ(app.background.get(), paused);
    app.SwitchState(StateMainMenu);
    EXPECT_EQ(app.background, nullptr);
}

TEST(Application, APassRunsItsStepsAndDrawsOnce)
{
    Application& app = App();
    int updates = 0, draws = 0;
    app.current = std::make_unique<ScriptedScreen>(StateStay, &updates, &draws);
    sf::Time left = app.RunPass(sf::milliseconds(60));
    EXPECT_EQ(updates, 2);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(left, sf::milliseconds(10));
    EXPECT_EQ(app.state, StateStay);
}

// Last: this one quits.
TEST(Application, QuittingInTheFirstStepEndsThePass)
{
    Application& app = App();
    int updates = 0, draws = 0;
    app.current = std::make_unique<ScriptedScreen>(StateQuit, &updates, &draws);
    app.RunPass(sf::milliseconds(100));
    EXPECT_EQ(updates, 1);       // the later steps find no screen
    EXPECT_EQ(draws, 0);         // and nothing is drawn
    EXPECT_EQ(app.state, StateQuit);
    EXPECT_EQ(app.current, nullptr);
    EXPECT_FALSE(app.demo->active);
    EXPECT_FALSE(app.window->window.isOpen());
    app.Run();                   // returns at once
}
