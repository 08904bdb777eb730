// The real game binary played through its menus with synthetic mouse and
// keyboard input: a new profile, a few seconds of level 1-1, pause, leave,
// back to the main menu and quit; the way out when the level archive is
// missing; and a profile that cannot be saved. Click points come from the screens' own layout (the buttons' grid
// cells) and from the view in which the menus are drawn: that of the backdrop
// level playing behind them, centred on its map (every backdrop has the size
// the menus are laid out for).
#include "support/BlockedSaves.h"
#include "support/GameSession.h"
#include "support/SyntheticInput.h"
#include "support/TempDataDir.h"
#include "support/WindowDriver.h"

#include "app/GameWindow.h"
#include "app/KeyBinding.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "kest/KeyNameTable.h"
#include "screens/LevelSelection.h"
#include "screens/ProfileSelection.h"
#include "sfxt/Button.h"
#include "sfxt/TextEntryField.h"

#include <SFML/Graphics/Texture.hpp>
#include <boost/filesystem.hpp>
#include <SFML/System/Vector2.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using testsupport::Picture;

namespace {

// --- Layout ----------------------------------------------------------------

// The centre of a sprite button as the screens place it: style, column and
// row of the grid of 36-pixel cells.
sf::Vector2f ButtonCentre(ButtonStyle style, unsigned column, unsigned row)
{
    static const sf::Texture none;
    return testsupport::Centre(sfxt::Button(none, style, column, row).sprite);
}

// The key bound to an action when the game starts without a configuration
// file; its name is also its X keysym name ("Right", "P").
std::string KeyNameFor(KeyAction action)
{
    return kest::toString(BoundKey(GameWindow::DefaultKeyBindings(), action));
}

class Walkthrough : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::WindowDriver::HasXTest())
            GTEST_SKIP() << "the display offers no XTest extension";
        ASSERT_EQ(dir.CopyBuiltArchives(), 4);
    }

    std::string Log() const { return "\n--- Data/Log.txt ---\n" + dir.ReadFile("Data/Log.txt"); }

    testsupport::TempDataDir dir;
};

// The pixels of a box of a picture (clipped to it).
Picture Cut(const Picture& picture, sf::Vector2i corner, sf::Vector2i size)
{
    Picture cut;
    const int left = std::max(corner.x, 0), top = std::max(corner.y, 0);
    const int right = std::min(corner.x + size.x, picture.width), bottom = std::min(corner.y + size.y, picture.height);
    cut.width = std::max(right - left, 0);
    cut.height = std::max(bottom - top, 0);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            cut.pixels.push_back(picture.pixels[static_cast<std::size_t>(y * picture.width + x)]);
    return cut;
}

// Log entries that report an error. The first start finds neither a
// configuration nor a profiles file and says so while it writes them: those
// two notes are expected.
std::vector<std::string> ErrorEntries(std::string log)
{
    static const std::regex firstStart("Failed to load (configuration|profiles): \\(Input\\) Can't open file "
                                       "\"Data/(Config|Profiles)\\.txt\" \\(No such file or directory\\)\\.\n"
                                       "(Default|Empty) file has been created\\.");
    log = std::regex_replace(log, firstStart, "");
    std::vector<std::string> found;
    for (const char* marker : {"An error occurred", "Error: ", "EXCEPTION", "UNKNOWN EXCEPTION", "Failed to"})
        if (log.find(marker) != std::string::npos)
            found.emplace_back(marker);
    return found;
}

// Starts a level from the level selection by its button. The level buttons
// show once the sound effects have loaded; a click on the place of one does
// nothing before, so it is repeated until the game loads the level.
bool StartLevel(testsupport::GameSession& game, sf::Vector2f button, sf::Vector2f menuView)
{
    const int loads = game.LevelLoads();
    for (const auto deadline = std::chrono::steady_clock::now() + 30s;
         std::chrono::steady_clock::now() < deadline && game.Process().Running();) {
        game.Click(button, menuView);
        if (game.WaitForLevelLoad(loads, 500ms))
            return true;
    }
    return false;
}

TEST_F(Walkthrough, ANewProfilePlaysLevelOneOneAndTheGameQuitsFromItsMenus)
{
    const auto begin = std::chrono::steady_clock::now();
    testsupport::GameSession game(dir.Path());
    ASSERT_TRUE(game.Started()) << game.Failure() << Log();
    const testsupport::WindowDriver& driver = game.Driver();

    // Every menu with a backdrop stands in the same view; the pause menu
    // draws in the screen's layer.
    const sf::Vector2f menuView = testsupport::MenuViewCorner(game.WindowSize());
    const sf::Vector2f screenView(0, 0);

    const sf::Vector2f back = ButtonCentre(13, 12, 9);  // on the profile and the level selection
    const sf::Vector2f firstProfile(back.x, ProfileSelection::ListTop);
    const sf::Vector2f levelOneOne(back.x - LevelSelection::WorldSpacing, LevelSelection::LevelTop);
    // The name field's box starts at the corner of the cell (2, 11).
    const sf::Vector2i fieldCorner = testsupport::GameSession::Pixel(
        sf::Vector2f(2 * sfxt::Button::CellSize, 11 * sfxt::Button::CellSize), menuView);
    const sf::Vector2i fieldSize(static_cast<int>(TextEntryField::Width), static_cast<int>(TextEntryField::Height));
    const auto fieldChanged = [&](const Picture& before, const Picture& now) {
        return testsupport::DifferingShare(Cut(before, fieldCorner, fieldSize), Cut(now, fieldCorner, fieldSize));
    };
    const std::string right = KeyNameFor(KeyActionRight);
    const std::string pause = KeyNameFor(KeyActionPause);

    // The main menu is up once the backdrop is drawn: no longer a dark,
    // empty window.
    ASSERT_TRUE(game.WaitFor("main menu", [](const Picture& p) { return testsupport::DarkShare(p) < 0.5; }, 60s))
        << game.Failure() << Log();

    ASSERT_TRUE(game.ClickToScreen("profile selection", ButtonCentre(0, 12, 9), menuView))  // play
        << game.Failure() << Log();

    // New: the name field appears under the new button; the name shows in
    // it; Return makes the profile, writes the file and hides the field.
    Picture before = game.Last();
    game.Click(ButtonCentre(6, 2, 8), menuView);
    ASSERT_TRUE(game.WaitFor("new profile", [&](const Picture& now) { return fieldChanged(before, now) > 0.5; }))
        << game.Failure() << Log();
    before = game.Last();
    ASSERT_TRUE(driver.Type("walker"));
    ASSERT_TRUE(game.WaitFor("name typed", [&](const Picture& now) { return fieldChanged(before, now) > 0.02; }))
        << game.Failure() << Log();
    before = game.Last();
    ASSERT_TRUE(driver.TapKey("Return"));
    ASSERT_TRUE(game.WaitFor("profile made", [&](const Picture& now) {
        return fieldChanged(before, now) > 0.5 && dir.ReadFile("Data/Profiles.txt").find("walker") != std::string::npos;
    })) << game.Failure() << Log();

    ASSERT_TRUE(game.ClickToScreen("level selection", firstProfile, menuView)) << game.Failure() << Log();

    ASSERT_TRUE(StartLevel(game, levelOneOne, menuView)) << "level 1-1 never started" << Log();
    // The level starts with the map's overview on black, for as long as the
    // game's own clock says, and then fades in. It is played once the
    // picture is bright and its brightness holds over three frames that the
    // game drew one after another: a step of the fade changes it by more.
    before = game.Last();
    Picture seen;
    std::vector<double> brightness;
    ASSERT_TRUE(game.WaitFor("level played", [&](const Picture& now) {
        game.Changed("level played", before, now);
        if (testsupport::DarkShare(now) > 0.3) {
            brightness.clear();
            return false;
        }
        if (!seen.Empty() && testsupport::DifferingShare(seen, now, 0) == 0)
            return false;  // no new frame yet
        seen = now;
        brightness.push_back(testsupport::MeanBrightness(now));
        if (brightness.size() < 3)
            return false;
        const double b = brightness.back();
        return std::all_of(brightness.end() - 3, brightness.end(),
                           [b](double other) { return std::abs(other - b) < 0.01 * b; });
    }, 60s)) << game.Failure() << Log();

    // Right held until the player has run out of the camera's dead zone and
    // the view scrolls after him.
    before = game.Last();
    ASSERT_TRUE(driver.PressKey(right));
    const bool ran =
        game.WaitFor("ran right", [&](const Picture& now) { return game.Changed("ran right", before, now) > 0.05; });
    ASSERT_TRUE(driver.ReleaseKey(right));
    ASSERT_TRUE(ran) << game.Failure() << Log();

    // The pause menu darkens the paused game.
    const double playing = testsupport::MeanBrightness(game.Last());
    before = game.Last();
    ASSERT_TRUE(driver.TapKey(pause));
    ASSERT_TRUE(game.WaitFor("paused", [&](const Picture& now) {
        game.Changed("paused", before, now);
        return testsupport::MeanBrightness(now) < 0.75 * playing;
    })) << game.Failure() << Log();

    ASSERT_TRUE(game.ClickToScreen("left the level", ButtonCentre(12, 16, 10), screenView))
        << game.Failure() << Log();
    ASSERT_TRUE(game.ClickToScreen("back to the profile selection", back, menuView)) << game.Failure() << Log();
    ASSERT_TRUE(game.ClickToScreen("back to the main menu", back, menuView)) << game.Failure() << Log();
    game.Click(ButtonCentre(5, 7, 21), menuView);  // quit

    EXPECT_EQ(game.Process().WaitForExit(30s), 0) << Log();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    RecordProperty("seconds", std::to_string(seconds));
    std::cout << "The walkthrough took " << seconds << " s. Share of the picture changed by each step:";
    for (const auto& entry : game.Changes())
        std::cout << "\n  " << entry.first << ": " << entry.second;
    std::cout << std::endl;

    EXPECT_TRUE(ErrorEntries(dir.ReadFile("Data/Log.txt")).empty()) << Log();
    const std::string profiles = dir.ReadFile("Data/Profiles.txt");
    EXPECT_NE(profiles.find("walker"), std::string::npos) << profiles;
}

// The share of a picture's pixels of one colour (0xRRGGBB).
double ColourShare(const Picture& picture, std::uint32_t colour)
{
    const auto n = std::count(picture.pixels.begin(), picture.pixels.end(), colour);
    return picture.pixels.empty() ? 0 : static_cast<double>(n) / static_cast<double>(picture.pixels.size());
}

// Without the level archive no backdrop can be loaded: the start shows the
// error, its back button leads to the main menu over the backdrop's plain
// background, and quit ends the program cleanly.
TEST_F(Walkthrough, WithoutTheLevelArchiveTheMenusStillLeadToQuit)
{
    boost::filesystem::remove(dir.DataPath("Levels.vrk"));
    testsupport::GameSession game(dir.Path());
    ASSERT_TRUE(game.Started()) << game.Failure() << Log();
    const std::uint32_t plain = 0xA26B2A;  // the backdrop's background, (162, 107, 42)

    ASSERT_TRUE(game.WaitFor("error", [plain](const Picture& p) { return ColourShare(p, plain) > 0.5; }, 60s))
        << game.Failure() << Log();
    ASSERT_TRUE(game.WaitForStill("error shown")) << game.Failure() << Log();
    EXPECT_NE(dir.ReadFile("Data/Log.txt").find("Failed to load level 0-1"), std::string::npos) << Log();

    ASSERT_TRUE(game.LeaveErrorScreen()) << game.Failure() << Log();
    ASSERT_TRUE(game.WaitForStill("main menu shown")) << game.Failure() << Log();
    EXPECT_GT(ColourShare(game.Last(), plain), 0.5);

    game.Click(ButtonCentre(5, 7, 21), testsupport::MenuViewCorner(game.WindowSize()));  // quit
    EXPECT_EQ(game.Process().WaitForExit(30s), 0) << Log();
    const std::string log = dir.ReadFile("Data/Log.txt");
    const std::string note = "The menus are shown without a backdrop level from now on.";
    const std::size_t first = log.find(note);
    EXPECT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find(note, first + 1), std::string::npos) << "said more than once:\n" << log;
}


// A profile made while its file cannot be saved (a read-only or full disk):
// the player is told on screen, and the profile stays for the rest of the run
// although the profile selection reads the file anew each time it opens.
TEST_F(Walkthrough, AProfileThatCannotBeSavedIsToldAndStaysForTheRun)
{
    testsupport::GameSession game(dir.Path());
    ASSERT_TRUE(game.Started()) << game.Failure() << Log();
    const sf::Vector2f menuView = testsupport::MenuViewCorner(game.WindowSize());
    const sf::Vector2f back = ButtonCentre(13, 12, 9);
    const sf::Vector2f firstProfile(back.x, ProfileSelection::ListTop);
    const std::uint32_t errorBackground = 0xA26B2A;  // (162, 107, 42)

    ASSERT_TRUE(game.WaitFor("main menu", [](const Picture& p) { return testsupport::DarkShare(p) < 0.5; }, 60s))
        << game.Failure() << Log();
    testsupport::BlockedSaves blocked(dir, "Profiles.txt");
    ASSERT_TRUE(game.ClickToScreen("profile selection", ButtonCentre(0, 12, 9), menuView))  // play
        << game.Failure() << Log();
    // The name field's box starts at the corner of the cell (2, 11).
    const sf::Vector2i fieldCorner = testsupport::GameSession::Pixel(
        sf::Vector2f(2 * sfxt::Button::CellSize, 11 * sfxt::Button::CellSize), menuView);
    const sf::Vector2i fieldSize(static_cast<int>(TextEntryField::Width), static_cast<int>(TextEntryField::Height));
    const auto fieldChanged = [&](const Picture& before, const Picture& now) {
        return testsupport::DifferingShare(Cut(before, fieldCorner, fieldSize), Cut(now, fieldCorner, fieldSize));
    };
    Picture before = game.Last();
    game.Click(ButtonCentre(6, 2, 8), menuView);  // new
    ASSERT_TRUE(game.WaitFor("name field", [&](const Picture& now) { return fieldChanged(before, now) > 0.5; }))
        << game.Failure() << Log();
    before = game.Last();
    ASSERT_TRUE(game.Driver().Type("zoe"));
    ASSERT_TRUE(game.WaitFor("name typed", [&](const Picture& now) { return fieldChanged(before, now) > 0.02; }))
        << game.Failure() << Log();
    ASSERT_TRUE(game.Driver().TapKey("Return"));
    ASSERT_TRUE(game.WaitFor("told", [&](const Picture& p) { return ColourShare(p, errorBackground) > 0.5; }, 30s))
        << game.Failure() << Log();
    ASSERT_TRUE(game.WaitForStill("told shown")) << game.Failure() << Log();
    EXPECT_NE(dir.ReadFile("Data/Log.txt").find("Failed to save profiles"), std::string::npos) << Log();

    ASSERT_TRUE(game.LeaveErrorScreen()) << game.Failure() << Log();
    ASSERT_TRUE(game.WaitForStill("main menu again")) << game.Failure() << Log();
    ASSERT_TRUE(game.ClickToScreen("profile selection again", ButtonCentre(0, 12, 9), menuView))
        << game.Failure() << Log();
    // Only a listed profile leads on to the level selection.
    ASSERT_TRUE(game.ClickToScreen("level selection of the unsaved profile", firstProfile, menuView))
        << game.Failure() << Log();
    ASSERT_TRUE(game.ClickToScreen("back to the profile selection", back, menuView)) << game.Failure() << Log();
    ASSERT_TRUE(game.ClickToScreen("back to the main menu", back, menuView)) << game.Failure() << Log();
    game.Click(ButtonCentre(5, 7, 21), menuView);  // quit
    EXPECT_EQ(game.Process().WaitForExit(30s), 0) << Log();
    EXPECT_EQ(dir.ReadFile("Data/Profiles.txt").find("zoe"), std::string::npos) << "the save was blocked";
}

// Closing the window during a level whose saves fail: the save on the way
// out fails, no screen is left to tell it, so the game ends with a line for
// the file on its standard error and a failure.
TEST_F(Walkthrough, ClosingTheWindowDuringAGameWhoseSaveFailsEndsWithTheFailureOnTheTerminal)
{
    {
        ProfileStore store;  // the working directory is the game's
        store.AddProfile("ann");
    }
    testsupport::GameSession game(dir.Path());
    ASSERT_TRUE(game.Started()) << game.Failure() << Log();
    const sf::Vector2f menuView = testsupport::MenuViewCorner(game.WindowSize());
    const sf::Vector2f back = ButtonCentre(13, 12, 9);
    const sf::Vector2f firstProfile(back.x, ProfileSelection::ListTop);
    const sf::Vector2f levelOneOne(back.x - LevelSelection::WorldSpacing, LevelSelection::LevelTop);

    ASSERT_TRUE(game.WaitFor("main menu", [](const Picture& p) { return testsupport::DarkShare(p) < 0.5; }, 60s))
        << game.Failure() << Log();
    ASSERT_TRUE(game.ClickToScreen("profile selection", ButtonCentre(0, 12, 9), menuView))  // play
        << game.Failure() << Log();
    ASSERT_TRUE(game.ClickToScreen("level selection", firstProfile, menuView)) << game.Failure() << Log();
    ASSERT_TRUE(StartLevel(game, levelOneOne, menuView)) << "level 1-1 never started" << Log();

    testsupport::BlockedSaves blocked(dir, "Profiles.txt");
    ASSERT_TRUE(game.Process().CloseWindow(testsupport::GameWindowTitle));
    EXPECT_EQ(game.Process().WaitForExit(30s), 1) << Log();
    const std::string told = game.Process().ErrorOutput();
    EXPECT_EQ(told,
              "Vrenk II could not save \"Data/Profiles.txt\", and what changed in it is lost: (Output) Can't open file "
              "\"Data/Profiles.txt.tmp\" (Is a directory)\n")
        << Log();
    EXPECT_NE(dir.ReadFile("Data/Log.txt").find("\nFailed to save profiles: "), std::string::npos) << Log();
}

}  // namespace
