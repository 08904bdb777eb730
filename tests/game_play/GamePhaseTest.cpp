#include "GamePlayFixture.h"

#include "app/GameLogicError.h"
#include "app/ResourceIds.h"

#include <string>

TEST_F(GamePlay, LevelLoadsWithItsMusicAndCheckpointSnapshot)
{
    Start(2, 3);
    EXPECT_EQ(game->GetPhase(), PhaseLevelStart);
    EXPECT_EQ(game->GetFrameCounter(), -100);
    EXPECT_EQ(services.mainMusic, std::uint32_t{MusicVolcano3});
    EXPECT_FALSE(services.cursorVisible);
    ASSERT_NE(game->GetSnapshot(), nullptr);
    EXPECT_EQ(game->GetSnapshot()->tilemap.Columns(), TheWorld().tilemap.Columns());
    EXPECT_GT(TheWorld().tilemap.Columns(), 4u);
    EXPECT_NO_THROW(game->CheckLevel());
}

TEST_F(GamePlay, LevelChecksRejectBrokenMapsInOrder)
{
    Start();
    struct Case {
        const char* name;
        void (*edit)(GamePlay&);
        const char* error;  // null: passes
    };
    const Case cases[] = {
        {"room", [](GamePlay&) {}, nullptr},
        {"two checkpoints, no flag",
         [](GamePlay& t) {
             t.SetTile(8, 11, 6);
             t.SetTile(20, 11, 0);
         },
         "No unique active checkpoint found."},
        {"no checkpoint", [](GamePlay& t) { t.SetTile(4, 11, 0); }, "No unique active checkpoint found."},
        {"no flag", [](GamePlay& t) { t.SetTile(20, 11, 0); }, "No level-end flag found."},
        {"moving lift without path", [](GamePlay& t) { t.TheWorld().lifts.emplace_back(1, 200, 200); },
         "Missing waypoints at dynamic lifts."},
        {"dropping lift without path", [](GamePlay& t) { t.TheWorld().lifts.emplace_back(3, 200, 200); }, nullptr},
    };
    for (const Case& c : cases) {
        Room();
        c.edit(*this);
        if (!c.error) {
            EXPECT_NO_THROW(game->CheckLevel()) << c.name;
            continue;
        }
        try {
            game->CheckLevel();
            ADD_FAILURE() << c.name << ": no error";
        } catch (const GameLogicError& e) {
            EXPECT_EQ(e.GetMessage(), c.error) << c.name;
            EXPECT_TRUE(e.IsRecoverable());
        }
    }
}

TEST_F(GamePlay, LevelStartSpawnsThePlayerOnTheCheckpointThenPlays)
{
    Start();
    Room();
    Step(99);
    EXPECT_EQ(game->GetPhase(), PhaseLevelStart);
    EXPECT_EQ(services.CountSound(SoundSpawn), 0);
    Step();
    EXPECT_EQ(game->GetPhase(), PhaseSpawning);
    EXPECT_EQ(game->GetFrameCounter(), 0);
    EXPECT_EQ(services.CountSound(SoundSpawn), 1);
    EXPECT_GE(services.mainMusicPlays, 1);
    EXPECT_FLOAT_EQ(ThePlayer().x, 36 * 4.5f);
    EXPECT_FLOAT_EQ(ThePlayer().y, FloorY - Player::Height / 2);

    services.effects.clear();
    Step(29);
    EXPECT_EQ(game->GetPhase(), PhaseSpawning);
    EXPECT_EQ(services.effects.size(), 100u);  // 20 particles in each of five steps
    Step();
    EXPECT_EQ(game->GetPhase(), PhasePlaying);
}

TEST_F(GamePlay, KeysAndFocusInPlay)
{
    Start();
    Room();
    StartPlaying();

    // Escape does not leave a running level.
    services.Press(sf::Keyboard::Escape);
    EXPECT_EQ(Step(), StateStay);
    EXPECT_EQ(game->GetPhase(), PhasePlaying);

    // ...but runs the action bound to it.
    services.Bind(KeyActionJump, sf::Keyboard::Escape);
    StandAt(300);
    Step();
    services.sounds.clear();
    services.Press(sf::Keyboard::Escape);
    Step();
    EXPECT_EQ(services.CountSound(SoundJump), 1);

    services.Press(sf::Keyboard::I);
    Step();
    EXPECT_FALSE(services.showInterface);

    services.Press(sf::Keyboard::P);
    EXPECT_EQ(Step(), StatePause);
    EXPECT_EQ(game->GetPhase(), PhasePaused);
    EXPECT_TRUE(services.musicPaused);
    const int counter = game->GetFrameCounter();
    Step(3);
    EXPECT_EQ(game->GetFrameCounter(), counter);  // a paused game does not count
    game->Resume();
    EXPECT_EQ(game->GetPhase(), PhasePlaying);
    EXPECT_FALSE(services.musicPaused);

    services.Send(sf::Event::LostFocus);
    EXPECT_EQ(Step(), StatePause);
}

TEST_F(GamePlay, ClosingTheWindowDuringPlayThrowsTheSavedGameAway)
{
    Start();
    Room();
    StartPlaying();
    CurrentProfile().savedGame = true;
    CurrentProfile().stats.lives = 7;
    services.Send(sf::Event::Closed);
    EXPECT_EQ(Step(), StateQuit);
    EXPECT_FALSE(CurrentProfile().savedGame);
    EXPECT_EQ(CurrentProfile().stats.lives, 3);
    EXPECT_EQ(CurrentProfile().stats.hearts, 3);
    EXPECT_TRUE(dir_.Exists("Data/Profiles.txt"));
}

TEST_F(GamePlay, LevelEndAdvancesTheProfileAndWaitsForReturn)
{
    Start();
    Room();
    StartPlaying();
    ThePlayer().stats.lives = 3;
    ThePlayer().stats.hearts = 2;
    ThePlayer().stats.ammunition = {1, 0, 4};
    ThePlayer().stats.totalCoins = 10;
    game->TouchTile(0, 20, 11);  // only entering the flag ends the level
    EXPECT_EQ(game->GetPhase(), PhasePlaying);
    game->TouchTile(4, 20, 11);
    EXPECT_EQ(game->GetPhase(), PhaseLevelEnd);

    Step();
    EXPECT_EQ(game->GetPhase(), PhaseLevelCompleted);
    ASSERT_FALSE(services.jingles.empty());
    EXPECT_EQ(services.jingles.back(), std::uint32_t{MusicEndOfLevel});
    EXPECT_EQ(CurrentProfile().stats.totalCoins, 10u + 335u);
    EXPECT_EQ(CurrentProfile().world, 1);
    EXPECT_EQ(CurrentProfile().level, 2);
    EXPECT_FALSE(CurrentProfile().savedGame);

    services.Press(sf::Keyboard::Return);  // the title is still fading in
    EXPECT_EQ(Step(), StateStay);
    int steps = 1;
    while (game->GetPhase() == PhaseLevelCompleted && steps < 200) {
        Step();
        ++steps;
    }
    EXPECT_EQ(steps, 99);
    EXPECT_EQ(game->GetPhase(), PhaseLevelDone);
    services.Press(sf::Keyboard::Return);
    EXPECT_EQ(Step(), StateNewGame);
}

TEST_F(GamePlay, EscapeAfterTheLevelSavesTheGame)
{
    Start();
    Room();
    StartPlaying();
    game->TouchTile(4, 20, 11);
    Step();
    ASSERT_EQ(game->GetPhase(), PhaseLevelCompleted);
    services.Press(sf::Keyboard::Escape);
    EXPECT_EQ(Step(), StateLevelSelection);
    EXPECT_TRUE(CurrentProfile().savedGame);

    ProfileStore reread;
    reread.LoadProfiles();
    ASSERT_EQ(reread.profiles.size(), 1u);
    EXPECT_TRUE(reread.profiles[0].savedGame);
    EXPECT_EQ(reread.profiles[0].level, 2);
}

TEST_F(GamePlay, FinishingTheLastLevelShowsVictory)
{
    Start(3, 4);
    Room();
    StartPlaying();
    CurrentProfile().savedGame = true;
    ThePlayer().stats.totalCoins = 500;
    game->TouchTile(4, 20, 11);
    Step();
    EXPECT_EQ(game->GetPhase(), PhaseVictory);
    EXPECT_FALSE(CurrentProfile().savedGame);
    ASSERT_EQ(services.profiles.highscores.size(), 1u);
    EXPECT_EQ(services.profiles.highscores.begin()->name, "Tess");
    int steps = 1;
    int result = StateStay;
    while (result == StateStay && steps < 200) {
        result = Step();
        ++steps;
    }
    EXPECT_EQ(result, StateVictory);
    EXPECT_EQ(steps, 100);
}

TEST_F(GamePlay, LosingTheLastLifeIsGameOverAndReturnTriesAgain)
{
    Start();
    Room();
    StartPlaying();
    StandAt(300);
    ThePlayer().stats.lives = 1;
    CurrentProfile().stats.lives = 1;
    CurrentProfile().savedGame = true;
    game->KillPlayer(false);
    EXPECT_EQ(ThePlayer().hurtTimer, 1);
    EXPECT_EQ(services.CountSound(SoundDie), 1);
    int steps = 0;
    while (game->GetPhase() == PhasePlaying && steps < 300) {
        Step();
        ++steps;
    }
    EXPECT_EQ(game->GetPhase(), PhaseGameOver);
    EXPECT_EQ(game->GetFadeAlpha(), 255);
    EXPECT_EQ(services.musicRestarts, 1);
    ASSERT_FALSE(services.jingles.empty());
    EXPECT_EQ(services.jingles.back(), std::uint32_t{MusicGameOver});
    EXPECT_EQ(ThePlayer().stats.lives, 0);
    // Game over neither moves the player nor restores the checkpoint.
    EXPECT_NEAR(ThePlayer().x, 300, 40);

    services.Press(sf::Keyboard::Return);
    EXPECT_EQ(Step(), StateNewGame);
    EXPECT_FALSE(CurrentProfile().savedGame);
    EXPECT_EQ(CurrentProfile().stats.lives, 3);
}

TEST_F(GamePlay, BackdropPlaysAlongWithoutReadingEvents)
{
    Game backdrop(true, services);
    EXPECT_EQ(backdrop.GetPhase(), PhaseBackdrop);
    EXPECT_EQ(backdrop.GetPlayer(), nullptr);
    sf::Vector2f centre;
    backdrop.LoadLevel(0, 1, &centre);
    EXPECT_FLOAT_EQ(centre.x, backdrop.GetWorld().tilemap.Columns() * 36 * 0.5f);
    EXPECT_FLOAT_EQ(centre.y, backdrop.GetWorld().tilemap.Rows() * 36 * 0.5f);
    backdrop.WakeEnemies();
    for (const Enemy& enemy : backdrop.GetWorld().enemies)
        EXPECT_GE(enemy.counter, Enemy::WakingCounter);

    services.Send(sf::Event::Closed);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(backdrop.Update(), StateStay);
    EXPECT_EQ(services.events.size(), 1u);
    EXPECT_EQ(backdrop.GetFrameCounter(), -50);
    EXPECT_EQ(backdrop.GetFadeAlpha(), 0);
}
