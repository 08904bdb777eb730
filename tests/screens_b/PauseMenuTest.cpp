#include "ScreenTestSupport.h"

#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "screens/PauseMenu.h"

#include <SFML/Graphics/View.hpp>

#include <gtest/gtest.h>

#include <memory>

using namespace screenstest;

namespace {

// A paused game of level 1-1 for a profile with a saved game, as the
// application holds it behind the pause menu.
struct PausedGame {
    PausedGame()
    {
        ProfileStore& store = *App().profiles;
        store.profiles.clear();
        Profile profile;
        profile.name = "Pim";
        profile.world = 1;
        profile.level = 1;
        profile.furthestWorld = 1;
        profile.furthestLevel = 1;
        profile.savedGame = true;
        profile.stats.totalCoins = 77;
        store.profiles.push_back(profile);
        store.currentProfile = 0;
        game = std::make_unique<Game>(*App().window, false);
        // The level start has started the level's music.
        App().audio->PlayMainMusic();
        game->SetPhase(PhasePlaying);
        game->Pause();
    }

    Profile& profile() { return App().profiles->profiles.at(0); }

    std::unique_ptr<Game> game;
};

}  // namespace

TEST(PauseMenu, TheButtonsResumeOpenTheOptionsOrLeave)
{
    PausedGame paused;
    PauseMenu menu(paused.game.get(), App().window.get());
    struct Case {
        const sfxt::Button* button;
        sf::Mouse::Button mouse;
        int result;
    } cases[] = {
        {&menu.resumeButton, sf::Mouse::Right, StateResumeGame},
        {&menu.resumeButton, sf::Mouse::Left, StateResumeGame},
        {&menu.optionsButton, sf::Mouse::Middle, StateOptionsFromPause},
        {&menu.optionsButton, sf::Mouse::Left, StateOptionsFromPause},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Click(menu, Centre(c.button->sprite), c.mouse), c.result);
        EXPECT_EQ(Click(menu, BottomRight(c.button->sprite), c.mouse), c.result);
        EXPECT_EQ(Click(menu, Beside(c.button->sprite), c.mouse), StateStay);
    }
    // Nothing of the above touched the saved game.
    EXPECT_TRUE(paused.profile().savedGame);
    EXPECT_TRUE(paused.game->IsPaused());
}

TEST(PauseMenu, LeavingGoesToTheLevelSelectionWhateverTheGameSays)
{
    {
        // Paused in play: the game may not be left without force, and the
        // saved game stays as it was.
        PausedGame paused;
        PauseMenu menu(paused.game.get(), App().window.get());
        EXPECT_EQ(Click(menu, Centre(menu.leaveButton.sprite)), StateLevelSelection);
        EXPECT_TRUE(paused.profile().savedGame);
    }
    {
        // With the level completed, leaving saves the game.
        PausedGame paused;
        paused.profile().savedGame = false;
        paused.game->SetPhase(PhaseLevelCompleted);
        PauseMenu menu(paused.game.get(), App().window.get());
        EXPECT_EQ(Click(menu, Centre(menu.leaveButton.sprite), sf::Mouse::Right), StateLevelSelection);
        EXPECT_TRUE(paused.profile().savedGame);
    }
}

TEST(PauseMenu, ClosingTheWindowLeavesTheGameByForceAndQuits)
{
    PausedGame paused;
    PauseMenu menu(paused.game.get(), App().window.get());
    EXPECT_EQ(menu.HandleEvent(Closed()), StateQuit);
    EXPECT_FALSE(paused.profile().savedGame);
    EXPECT_EQ(paused.profile().stats.totalCoins, 0u);

    ProfileStore written;
    written.LoadProfiles();
    ASSERT_EQ(written.profiles.size(), 1u);
    EXPECT_FALSE(written.profiles[0].savedGame);
}

TEST(PauseMenu, OnlyTheKeyBoundToPauseResumes)
{
    GameWindow& window = *App().window;
    const auto bindings = window.keyBindings;
    PausedGame paused;
    PauseMenu menu(paused.game.get(), &window);

    ASSERT_TRUE(window.BindKey(KeyActionPause, sf::Keyboard::P));
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::P)), StateResumeGame);
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::Escape)), StateStay);
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::Unknown)), StateStay);

    ASSERT_TRUE(window.BindKey(KeyActionPause, sf::Keyboard::Escape));
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::Escape)), StateResumeGame);
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::P)), StateStay);

    // An unbound Pause is not reached by a key SFML cannot name.
    window.keyBindings[KeyActionPause].key = sf::Keyboard::Unknown;
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::Unknown)), StateStay);
    window.keyBindings = bindings;
}

TEST(PauseMenu, ShowsTheGameAsItPausedWithTheMenuOnTheScreen)
{
    sf::View scrolled = Window().getDefaultView();
    scrolled.setCenter(900, 600);
    Window().setView(scrolled);
    PausedGame paused;   // pauses with the scrolled view
    Window().setView(Window().getDefaultView());

    PauseMenu menu(paused.game.get(), App().window.get());
    // The game's view is centred again where it paused.
    EXPECT_EQ(App().graphics->layerOffsets[2], sf::Vector2f(900 - 512, 600 - 384));
    menu.Draw();
    EXPECT_EQ(Window().getView().getCenter(), Window().getDefaultView().getCenter());
    EXPECT_EQ(menu.title.heading.getString().toAnsiString(), "Pause");
}
