// The end of the game played by the whole program: the last level of the
// last world is finished on its flag, the game goes through its level end to
// the victory screen, the score lands in the highscore file and the player
// goes on to the highscore table behind which the menus' backdrop plays.
// The application is a singleton over one working directory, so the whole
// road is one test in a program of its own.
#include "app/Application.h"
#include "app/AudioManager.h"
#include "app/DemoSlot.h"
#include "app/FrameDuration.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "app/Surface.h"
#include "game/objects/Player.h"
#include "game/sim/Game.h"
#include "game/world/World.h"
#include "screens/HighscoreMenu.h"
#include "screens/VictoryMenu.h"

#include "support/SyntheticInput.h"
#include "support/TempDataDir.h"

#include <SFML/Window/Mouse.hpp>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

template <typename T>
T* As(const std::unique_ptr<Surface>& s)
{
    return dynamic_cast<T*>(s.get());
}

// One pass of the main loop that runs exactly one step, and draws.
void Step(Application& app)
{
    app.RunPass(FrameDuration);
}

// The cursor on the window pixel under `point` (in the coordinates of the
// window's current view), and the press of the left button there.
sf::Event PressAt(sf::RenderWindow& window, sf::Vector2f point)
{
    const sf::Vector2i pixel = window.mapCoordsToPixel(point);
    sf::Mouse::setPosition(pixel, window);
    EXPECT_EQ(sf::Mouse::getPosition(window), pixel) << "the cursor did not move";
    sf::Event event;
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton.button = sf::Mouse::Left;
    event.mouseButton.x = pixel.x;
    event.mouseButton.y = pixel.y;
    return event;
}

std::vector<std::pair<std::string, long>> Entries(const ProfileStore& store)
{
    std::vector<std::pair<std::string, long>> entries;
    for (const Highscore& h : store.highscores)
        entries.emplace_back(h.name, h.score);
    return entries;
}

}  // namespace

TEST(VictoryRoad, TheLastFlagLeadsThroughTheVictoryScreenToTheHighscores)
{
    // Made before the application, so that it outlives it: the application
    // writes its log there when it is destroyed at exit.
    static testsupport::TempDataDir workDir;
    ASSERT_EQ(workDir.CopyBuiltArchives(), 4);
    Application& app = Application::Instance();
    ASSERT_TRUE(app.window && app.graphics && app.audio && app.profiles)
        << "the application did not start: see Data/Log.txt";

    // A saved game before the last level, and a table that already holds a
    // score, both written by the store as the game writes them.
    {
        ProfileStore store;
        store.AddProfile("Tester");
        Profile& p = store.profiles.at(0);
        p.world = 3;
        p.level = 4;
        p.furthestWorld = 3;
        p.furthestLevel = 4;
        p.savedGame = true;
        p.equipment = Profile::EquipmentRocket | Profile::EquipmentMine;
        p.stats.lives = 4;
        p.stats.coins = 17;
        p.stats.totalCoins = 1234;
        p.stats.ammunition = {3, 0, 2};
        store.SaveProfiles();
        store.highscores.insert(Highscore{"Odo", 500});
        store.SaveHighscores();
    }
    ASSERT_TRUE(app.Startup());
    ASSERT_EQ(app.profiles->profiles.size(), 1u);
    ASSERT_TRUE(app.profiles->profiles[0].savedGame);

    // The level starts as from the level selection.
    app.SwitchState(StateNewGame);
    Game* game = As<Game>(app.current);
    ASSERT_NE(game, nullptr) << "state " << app.state;
    EXPECT_EQ(game->LoadedWorld(), 3);
    EXPECT_EQ(game->LoadedLevel(), 4);
    for (int steps = 0; game->GetPhase() != PhasePlaying && steps < 300; ++steps) {
        Step(app);
        ASSERT_EQ(app.current.get(), game) << "state " << app.state;
    }
    ASSERT_EQ(game->GetPhase(), PhasePlaying);

    // The player stands in the level-end flag.
    Tilemap& map = game->GetWorld().tilemap;
    int flagColumn = -1;
    int flagRow = -1;
    for (std::uint32_t c = 0; c < map.Columns() && flagColumn < 0; ++c)
        for (std::uint32_t r = 0; r < map.Rows() && flagColumn < 0; ++r)
            if (map.At(c, r).id == 7) {
                flagColumn = static_cast<int>(c);
                flagRow = static_cast<int>(r);
            }
    ASSERT_GE(flagColumn, 0) << "no flag in level 3-4";
    Player& player = *game->GetPlayer();
    player.x = 36 * (flagColumn + 0.5f);
    player.y = 36 * (flagRow + 1.f) - player.height / 2;
    player.horizontalSpeed = 0;
    player.verticalSpeed = 0;
    player.stepMotionX = 0;
    player.state = StateAirborne;
    player.lift = nullptr;
    Step(app);
    ASSERT_EQ(game->GetPhase(), PhaseLevelEnd);

    // The bonus of the level end comes from the player as it reached the flag.
    const PlayerStats atFlag = player.stats;
    const long total = static_cast<long>(atFlag.totalCoins) + 5 * (5 * atFlag.lives + atFlag.hearts) +
                       50 * (atFlag.ammunition[0] + atFlag.ammunition[1] + atFlag.ammunition[2]);
    EXPECT_EQ(total, 1234 + 5 * (5 * 4 + 3) + 50 * 5) << "the player was hurt or collected on the way";

    Step(app);
    ASSERT_EQ(game->GetPhase(), PhaseVictory);

    // A hundred steps after the flag the victory screen takes over.
    int steps = 1;
    while (!As<VictoryMenu>(app.current) && steps < 300) {
        ASSERT_EQ(app.current.get(), game) << "state " << app.state;
        Step(app);
        ++steps;
    }
    auto* victory = As<VictoryMenu>(app.current);
    ASSERT_NE(victory, nullptr) << "state " << app.state;
    EXPECT_EQ(steps, 100);
    EXPECT_EQ(app.state, StateVictory);
    EXPECT_EQ(app.background, nullptr);
    EXPECT_FALSE(app.demo->active);
    EXPECT_EQ(app.audio->mainMusic, MusicVictory);
    EXPECT_EQ(victory->title.text.string.toAnsiString(),
              "Congratulations, Tester!\nYour final score: " + std::to_string(total) + "\n\nThanks for playing!");

    // What the files hold, as a store reads them anew (checksums verified).
    {
        ProfileStore stored;
        stored.LoadHighscores();
        EXPECT_EQ(Entries(stored), (std::vector<std::pair<std::string, long>>{{"Tester", total}, {"Odo", 500}}));
        stored.LoadProfiles();
        ASSERT_EQ(stored.profiles.size(), 1u);
        const Profile& p = stored.profiles[0];
        EXPECT_EQ(p.name, "Tester");
        EXPECT_FALSE(p.savedGame);
        EXPECT_EQ(p.world, 4);
        EXPECT_EQ(p.level, 1);
        EXPECT_EQ(p.stats.totalCoins, static_cast<std::uint32_t>(total));
        EXPECT_FALSE(workDir.Exists("Data/Highscore_error.txt"));
        EXPECT_FALSE(workDir.Exists("Data/Profiles_error.txt"));
    }

    // The player clicks the highscores button of the drawn screen and lands
    // in the table, with the backdrop and the menu music behind it.
    Step(app);
    ASSERT_EQ(app.current.get(), victory);
    const sf::Vector2f button = testsupport::Centre(victory->highscoresButton.sprite);
    const int next = victory->HandleEvent(PressAt(app.window->window, button));
    ASSERT_EQ(next, StateHighscores);
    app.SwitchState(next);
    auto* table = As<HighscoreMenu>(app.current);
    ASSERT_NE(table, nullptr) << "state " << app.state;
    EXPECT_EQ(app.state, StateHighscores);
    ASSERT_TRUE(app.demo->active);
    EXPECT_EQ(app.demo->game->LoadedWorld(), 0);
    EXPECT_EQ(app.demo->game->LoadedLevel(), StateBackdropLevels[StateHighscores]);
    EXPECT_EQ(app.audio->mainMusic, MusicMenu);
    EXPECT_EQ(app.audio->state, MusicMainPlaying);
    ASSERT_EQ(table->names.size(), 2u);
    EXPECT_EQ(table->names[0].getString().toAnsiString(), "Tester");
    EXPECT_EQ(table->scores[0].getString().toAnsiString(), std::to_string(total));
    for (int pass = 0; pass < 10; ++pass)
        Step(app);
    EXPECT_EQ(app.current.get(), table);

    app.SwitchState(StateQuit);
}
