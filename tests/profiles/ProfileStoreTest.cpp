#include "app/ProfileStore.h"
#include "support/TempDataDir.h"

#include "ProfileTestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace profiletest;

namespace {

std::vector<std::string> Names(const std::vector<Profile>& profiles)
{
    std::vector<std::string> names;
    for (const Profile& profile : profiles)
        names.push_back(profile.name);
    return names;
}

}  // namespace

TEST(ProfileStore, AddProfileKeepsFiveUniqueStorableNames)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    ProfileStore store;
    store.AddProfile("Ann");
    ASSERT_EQ(1u, store.profiles.size());
    const Profile& fresh = store.profiles[0];
    EXPECT_EQ(PlayerStats(), fresh.stats);
    EXPECT_EQ(1, fresh.world);
    EXPECT_EQ(1, fresh.level);
    EXPECT_EQ(1, fresh.furthestWorld);
    EXPECT_EQ(1, fresh.furthestLevel);
    EXPECT_FALSE(fresh.savedGame);
    EXPECT_EQ(0u, fresh.equipment);
    EXPECT_EQ(ProfilesFile({{"Ann", "0", "1", "1", "1", "1", "3", "0", "0", "0", "0", "0", "0"}}),
              dir.ReadFile("Data/Profiles.txt"));

    // Taken names (byte-wise), names the file could not hold and names longer
    // than a player can type are refused.
    const std::string longest(ProfileStore::MaxNameLength, 'L');
    for (const std::string& name : {std::string("Ann"), std::string("ann"), std::string("Ann "), std::string("a; b"),
                                    std::string("line\nbreak"), longest + "x", std::string("Bob"), longest,
                                    std::string("Dee"), std::string("Eve")})
        store.AddProfile(name);
    const std::vector<std::string> five = {"Ann", "ann", "Ann ", "Bob", longest};
    EXPECT_EQ(five, Names(store.profiles));
    store.AddProfile("Zed");  // a sixth is refused, and the file is not written
    ProfileStore reread;
    reread.LoadProfiles();
    EXPECT_EQ(five, Names(reread.profiles));
    EXPECT_EQ("", log.Text());
}

TEST(ProfileStore, HighscoresKeepTheEightBestWithTiesInEntryOrder)
{
    testsupport::TempDataDir dir;
    LogCapture log;
    ProfileStore store;
    store.AddProfile("player");
    store.SaveHighscores();
    auto enter = [&store](const std::string& name, std::uint32_t totalCoins) {
        store.profiles[0].name = name;
        store.profiles[0].stats.totalCoins = totalCoins;
        store.AddHighscore();
    };

    enter("A", 100);
    enter("B", 300);
    enter("C", 100);
    enter("D", 200);
    EXPECT_EQ((Lines{{"B", "300"}, {"D", "200"}, {"A", "100"}, {"C", "100"}}), Entries(store));

    for (auto [name, score] : std::vector<std::pair<std::string, int>>{{"E", 50}, {"F", 50}, {"G", 40}, {"H", 30}})
        enter(name, score);
    const Lines eight = {{"B", "300"}, {"D", "200"}, {"A", "100"}, {"C", "100"},
                         {"E", "50"},  {"F", "50"},  {"G", "40"},  {"H", "30"}};
    EXPECT_EQ(eight, Entries(store));
    enter("low", 10);  // lower than all: entered and dropped at once
    enter("tie", 30);  // equal to the lowest, placed after it: dropped
    EXPECT_EQ(eight, Entries(store));

    // The table is read from the file first, so entries dropped from memory
    // only are back.
    store.highscores.clear();
    enter("K", 45);
    const Lines pushed = {{"B", "300"}, {"D", "200"}, {"A", "100"}, {"C", "100"},
                          {"E", "50"},  {"F", "50"},  {"K", "45"},  {"G", "40"}};
    EXPECT_EQ(pushed, Entries(store));
    EXPECT_EQ(HighscoresFile(pushed), dir.ReadFile("Data/Highscore.txt"));

    // A total beyond the signed range keeps the top score.
    enter("rich", 4000000000u);
    EXPECT_EQ((std::vector<std::string>{"rich", "2147483647"}), Entries(store).front());

    // Without a current profile nothing is entered.
    const std::string before = dir.ReadFile("Data/Highscore.txt");
    store.currentProfile = 1;
    store.AddHighscore();
    EXPECT_EQ(before, dir.ReadFile("Data/Highscore.txt"));
    EXPECT_EQ("", log.Text());
}

TEST(ProfileStore, AdvanceLevelMovesOnAndRaisesTheFurthestLevel)
{
    struct Case {
        std::uint16_t world, level, furthestWorld, furthestLevel;
        std::uint16_t wantWorld, wantLevel, wantFurthestWorld, wantFurthestLevel;
    };
    const std::vector<Case> cases = {
        {1, 2, 1, 2, 1, 3, 1, 3},  // plain step
        {1, 4, 1, 4, 2, 1, 2, 1},  // next world
        {1, 4, 2, 1, 2, 1, 2, 1},  // already reached
        {1, 2, 3, 1, 1, 3, 3, 1},  // replaying an early level
        {3, 4, 3, 4, 4, 1, 4, 1},  // past the last level: the end of the game
        {4, 1, 4, 1, 5, 1, 5, 1},  // beyond the worlds
        {0, 3, 0, 0, 1, 1, 1, 1},  // a broken record starts over at the first level
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.world) + "-" + std::to_string(c.level));
        ProfileStore store;
        store.profiles.resize(2);
        store.currentProfile = 1;
        Profile& profile = store.profiles[1];
        profile.world = c.world;
        profile.level = c.level;
        profile.furthestWorld = c.furthestWorld;
        profile.furthestLevel = c.furthestLevel;
        store.AdvanceLevel();
        EXPECT_EQ(c.wantWorld, profile.world);
        EXPECT_EQ(c.wantLevel, profile.level);
        EXPECT_EQ(c.wantFurthestWorld, profile.furthestWorld);
        EXPECT_EQ(c.wantFurthestLevel, profile.furthestLevel);
        EXPECT_EQ(0, store.profiles[0].world);
    }

    ProfileStore none;
    none.AdvanceLevel();  // no profile to advance
    none.currentProfile = 3;
    none.profiles.resize(1);
    none.AdvanceLevel();
    EXPECT_EQ(0, none.profiles[0].level);
    EXPECT_EQ(nullptr, none.GetCurrentProfile());
}

TEST(ProfileStore, WeaponAndJetpackKeysNeedSomeProfileWithTheExtra)
{
    ProfileStore store;
    auto available = [&store] {
        std::string marks;
        for (std::uint32_t action = KeyActionLeft; action <= KeyActionNone; ++action)
            marks += store.IsActionAvailable(static_cast<KeyAction>(action)) ? 'y' : '-';
        return marks;
    };
    //                 actions 0 to 11: L R U D J Jet Rkt Bmb Min P I None
    EXPECT_EQ("yyyyy----yyy", available());
    store.profiles.resize(3);
    EXPECT_EQ("yyyyy----yyy", available());
    store.profiles[1].equipment = Profile::EquipmentJetpack;
    EXPECT_EQ("yyyyyy---yyy", available());
    store.profiles[2].equipment = Profile::EquipmentRocket | Profile::EquipmentMine;
    store.currentProfile = 0;  // any profile counts, not only the current one
    EXPECT_EQ("yyyyyyy-yyyy", available());
    store.profiles[0].equipment = Profile::EquipmentRollingBomb;
    EXPECT_EQ("yyyyyyyyyyyy", available());
}
