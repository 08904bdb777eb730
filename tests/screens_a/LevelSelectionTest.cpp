#include "MenuTestSupport.h"

#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "screens/LevelSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace menutest;

namespace {

using Screen = Scripted<LevelSelection>;

std::vector<std::string> Labels(const Screen& screen)
{
    std::vector<std::string> labels;
    for (const auto& button : screen.levelButtons)
        labels.push_back(button.GetString());
    return labels;
}

const sfxt::TextButton* FindLevel(const Screen& screen, const std::string& label)
{
    for (const auto& button : screen.levelButtons)
        if (button.GetString() == label)
            return &button;
    return nullptr;
}

// A screen over a profile at (3, 4) with the given flag, loaded or not.
Profile& PlayerWithEveryLevel(bool savedGame)
{
    Profile profile = MakeProfile("P", 3, 4);
    profile.world = 2;
    profile.level = 2;
    profile.savedGame = savedGame;
    profile.stats.lives = 7;
    profile.stats.totalCoins = 420;
    profile.stats.ammunition = {1, 2, 3};
    SetProfiles({profile});
    return App().profiles->profiles[0];
}

}  // namespace

TEST(LevelSelection, ButtonsFollowTheFurthestLevelReached)
{
    const struct {
        std::uint16_t world, level;
        std::vector<std::string> labels;
    } cases[] = {
        {1, 1, {"1-1"}},
        {2, 3, {"1-1", "1-2", "1-3", "1-4", "2-1", "2-2", "2-3"}},
        {3, 4, {"1-1", "1-2", "1-3", "1-4", "2-1", "2-2", "2-3", "2-4", "3-1", "3-2", "3-3", "3-4"}},
        {4, 1, {"1-1", "1-2", "1-3", "1-4", "2-1", "2-2", "2-3", "2-4", "3-1", "3-2", "3-3", "3-4"}},
    };
    for (const auto& c : cases) {
        SetProfiles({MakeProfile("P", c.world, c.level)});
        Screen screen;
        EXPECT_EQ(Labels(screen), c.labels) << c.world << "-" << c.level;
    }

    // One column per world around the back button, one row per level.
    SetProfiles({MakeProfile("P", 3, 4)});
    Screen screen;
    const sf::Vector2f back = Centre(screen.backButton.sprite);
    const struct {
        const char* label;
        float x, y;
    } places[] = {{"1-1", back.x - 140, 460}, {"2-3", back.x, 590}, {"3-4", back.x + 140, 655}};
    for (const auto& p : places) {
        const sfxt::TextButton* button = FindLevel(screen, p.label);
        ASSERT_NE(button, nullptr) << p.label;
        EXPECT_EQ(button->sprite.getPosition(), sf::Vector2f(p.x, p.y)) << p.label;
    }
    EXPECT_EQ(screen.resumeButton.GetString(), "Resume (1-1)");
    EXPECT_EQ(screen.resumeButton.sprite.getPosition(), back + sf::Vector2f(0, 396));
}

TEST(LevelSelection, OnlyTheBackButtonWorksWhileTheSoundsLoad)
{
    Profile& profile = PlayerWithEveryLevel(true);
    SetLoadingProgress(0.5f);
    Screen screen;
    screen.Draw();
    EXPECT_FALSE(screen.loaded);
    EXPECT_EQ(screen.barFill.getTextureRect().width, 100);
    EXPECT_EQ(screen.barFill.getPosition(), screen.barFrame.getPosition());

    EXPECT_EQ(screen.Step(Press(Centre(FindLevel(screen, "1-1")->sprite)),
                          Press(Centre(screen.resumeButton.sprite))),
              StateStay);
    EXPECT_EQ(profile.world, 2);
    EXPECT_EQ(profile.stats.lives, 7);
    EXPECT_EQ(screen.Step(Press(Centre(screen.backButton.sprite))), StateProfileSelection);

    // The first frame at 1 draws no buttons yet; from then on they count.
    SetLoadingProgress(1.f);
    screen.Draw();
    EXPECT_TRUE(screen.loaded);
    screen.Draw();
    EXPECT_EQ(screen.Step(Press(Centre(screen.resumeButton.sprite))), StateNewGame);
    EXPECT_EQ(profile.world, 2);
    EXPECT_EQ(profile.level, 2);
    EXPECT_EQ(profile.stats.lives, 7);   // the saved game is taken up as it is
    EXPECT_EQ(screen.Step(Closed()), StateQuit);
}

TEST(LevelSelection, ALevelChoiceSetsTheLevelAndFreshStats)
{
    SetLoadingProgress(1.f);
    for (bool savedGame : {true, false}) {
        Profile& profile = PlayerWithEveryLevel(savedGame);
        Screen screen;
        screen.Draw();
        ASSERT_TRUE(screen.loaded);
        // Without a saved game the resume button is not there to hit.
        EXPECT_EQ(screen.Step(Press(Centre(screen.resumeButton.sprite))), savedGame ? StateNewGame : StateStay);

        EXPECT_EQ(screen.Step(Press(sf::Vector2f(2, 2)), Press(Centre(FindLevel(screen, "3-2")->sprite))),
                  StateNewGame);
        EXPECT_EQ(profile.world, 3);
        EXPECT_EQ(profile.level, 2);
        EXPECT_EQ(profile.stats, PlayerStats());
        EXPECT_EQ(profile.savedGame, savedGame);
    }
}
