// The real game binary played through its menus with synthetic mouse and
// keyboard input: a new profile, a few seconds of level 1-1, pause, leave,
// back to the main menu and quit. Click points come from the screens' own
// layout (the buttons' grid cells) and from the view in which the menus are
// drawn: that of the backdrop level playing behind them, centred on the
// level's map, so the points follow a change of the backdrop maps.
#include "support/FileWatch.h"
#include "support/GameProcess.h"
#include "support/SyntheticInput.h"
#include "support/TempDataDir.h"
#include "support/WindowDriver.h"

#include "app/GameWindow.h"
#include "app/KeyBinding.h"
#include "app/StateId.h"
#include "game/GraphicsContext.h"
#include "game/LevelLoader.h"
#include "game/Scenery.h"
#include "game/World.h"
#include "kest/KeyNameTable.h"
#include "screens/LevelSelection.h"
#include "screens/ProfileSelection.h"
#include "sfxt/Button.h"
#include "sfxt/TextEntryField.h"

#include <SFML/Graphics/Texture.hpp>
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

const std::string Title = "Vrenk II";

// --- Layout ----------------------------------------------------------------

// The centre of a sprite button as the screens place it: style, column and
// row of the grid of 36-pixel cells.
sf::Vector2f ButtonCentre(ButtonStyle style, unsigned column, unsigned row)
{
    static const sf::Texture none;
    return testsupport::Centre(sfxt::Button(none, style, column, row).sprite);
}

// The top left of the view in which a menu with a backdrop is drawn: the
// backdrop game draws its play field last, in the view of layer 2, after
// the camera was put on the centre of the backdrop level's map (its tiles
// are 36 pixels square).
sf::Vector2f BackdropViewCorner(StateId state, sf::Vector2f windowSize)
{
    const std::uint16_t level = StateBackdropLevels[static_cast<std::size_t>(state)];
    World world;
    std::vector<Scenery> foreground, background;
    short backgroundIndex = -1;
    LevelLoader(&world, &foreground, &background, &backgroundIndex).Load(0, level);
    const sf::Vector2f centre(static_cast<float>(world.tilemap.Columns() * 36) * 0.5f,
                              static_cast<float>(world.tilemap.Rows() * 36) * 0.5f);
    return GraphicsContext::SnapOffset((centre - windowSize / 2.f) * LayerParallax[2]);
}

// The key bound to an action when the game starts without a configuration
// file; its name is also its X keysym name ("Right", "P").
std::string KeyNameFor(KeyAction action)
{
    return kest::toString(BoundKey(GameWindow::DefaultKeyBindings(), action));
}

// --- Driving ---------------------------------------------------------------

class Walkthrough : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::WindowDriver::HasXTest())
            GTEST_SKIP() << "the display offers no XTest extension";
        ASSERT_EQ(dir.CopyBuiltArchives(), 4);
    }

    // Polls the window's picture until `done` holds for it; bounded, and
    // given up at once when the game ends. The picture found becomes the one
    // that the next step is compared with.
    bool WaitFor(const std::string& step, const std::function<bool(const Picture&)>& done,
                 std::chrono::milliseconds timeout = 20s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline && game->Running()) {
            Picture now = driver->Capture();
            if (!now.Empty() && done(now)) {
                last = std::move(now);
                return true;
            }
            std::this_thread::sleep_for(20ms);
        }
        const auto change = changes.find(step);
        ADD_FAILURE() << "the window never showed the step \"" << step << "\""
                      << (change == changes.end() ? std::string()
                                                  : " (last change " + std::to_string(change->second) + ")")
                      << Log();
        return false;
    }

    // Whether the game finished loading another level after `loads` loads,
    // within the timeout.
    bool WaitForLevelLoad(int loads, std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (levels->Reads() <= loads) {
            if (std::chrono::steady_clock::now() >= deadline || !game->Running())
                return false;
            std::this_thread::sleep_for(10ms);
        }
        return true;
    }

    // The rest of a step that switched to a screen with a backdrop: the
    // switch loads the backdrop level anew and then makes the screen; the
    // step is done once a frame drawn after that is on the window (the
    // heading bobs, so every frame differs from the one before) and it
    // differs clearly from the previous step's picture.
    bool WaitForScreen(const std::string& step, int loadsBefore)
    {
        if (!WaitForLevelLoad(loadsBefore, 20s)) {
            ADD_FAILURE() << "no level was loaded for the step \"" << step << "\"" << Log();
            return false;
        }
        const Picture previous = last;
        const Picture atLoad = driver->Capture();
        return WaitFor(step, [&](const Picture& now) {
            return testsupport::DifferingShare(atLoad, now, 0) > 0 && Changed(step, previous, now) > 0.05;
        });
    }

    // Clicks a point and waits for the screen that it leads to.
    bool ClickToScreen(const std::string& step, sf::Vector2f point, sf::Vector2f viewCorner)
    {
        const int loads = levels->Reads();
        Click(point, viewCorner);
        return WaitForScreen(step, loads);
    }

    // The share of pixels that differ between a step's picture and the one
    // before, kept for the report.
    double Changed(const std::string& step, const Picture& before, const Picture& now)
    {
        const double share = testsupport::DifferingShare(before, now);
        changes[step] = share;
        return share;
    }

    // The window pixel under a point of the view whose top left is `corner`.
    static sf::Vector2i Pixel(sf::Vector2f point, sf::Vector2f corner)
    {
        return sf::Vector2i(static_cast<int>(std::lround(point.x - corner.x)),
                            static_cast<int>(std::lround(point.y - corner.y)));
    }

    void Click(sf::Vector2f point, sf::Vector2f corner) const
    {
        const sf::Vector2i pixel = Pixel(point, corner);
        driver->Click(pixel.x, pixel.y);
    }

    std::string Log() const { return "\n--- Data/Log.txt ---\n" + dir.ReadFile("Data/Log.txt"); }

    testsupport::TempDataDir dir;
    std::unique_ptr<testsupport::GameProcess> game;
    std::unique_ptr<testsupport::WindowDriver> driver;
    std::unique_ptr<testsupport::FileWatch> levels;
    Picture last;
    std::map<std::string, double> changes;
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
                                       "\"Data/(Config|Profiles)\\.txt\"\\.\n(Default|Empty) file has been created\\.");
    log = std::regex_replace(log, firstStart, "");
    std::vector<std::string> found;
    for (const char* marker : {"An error occurred", "Error: ", "EXCEPTION", "UNKNOWN EXCEPTION", "Failed to"})
        if (log.find(marker) != std::string::npos)
            found.emplace_back(marker);
    return found;
}

TEST_F(Walkthrough, ANewProfilePlaysLevelOneOneAndTheGameQuitsFromItsMenus)
{
    const auto begin = std::chrono::steady_clock::now();
    game = std::make_unique<testsupport::GameProcess>(testsupport::GameBinary(), dir.Path());
    ASSERT_TRUE(game->WaitForWindow(Title, 60s)) << Log();
    driver = std::make_unique<testsupport::WindowDriver>(Title);
    ASSERT_TRUE(driver->Found());
    const sf::Vector2f windowSize(static_cast<float>(driver->Width()), static_cast<float>(driver->Height()));

    // The views of the menus (these loads come before the watch on the
    // level archive, which counts the game's loads only).
    const sf::Vector2f mainMenu = BackdropViewCorner(StateMainMenu, windowSize);
    const sf::Vector2f profileMenu = BackdropViewCorner(StateProfileSelection, windowSize);
    const sf::Vector2f levelMenu = BackdropViewCorner(StateLevelSelection, windowSize);
    const sf::Vector2f screenView(0, 0);  // the pause menu draws in the screen's layer
    levels = std::make_unique<testsupport::FileWatch>(dir.DataPath("Levels.vrk"));
    ASSERT_TRUE(levels->Watching());

    const sf::Vector2f back = ButtonCentre(13, 12, 9);  // on the profile and the level selection
    const sf::Vector2f firstProfile(back.x, ProfileSelection::ListTop);
    const sf::Vector2f levelOneOne(back.x - LevelSelection::WorldSpacing, LevelSelection::LevelTop);
    // The name field's box starts at the corner of the cell (2, 11).
    const sf::Vector2i fieldCorner =
        Pixel(sf::Vector2f(2 * sfxt::Button::CellSize, 11 * sfxt::Button::CellSize), profileMenu);
    const sf::Vector2i fieldSize(static_cast<int>(TextEntryField::Width), static_cast<int>(TextEntryField::Height));
    const auto fieldChanged = [&](const Picture& before, const Picture& now) {
        return testsupport::DifferingShare(Cut(before, fieldCorner, fieldSize), Cut(now, fieldCorner, fieldSize));
    };
    const std::string right = KeyNameFor(KeyActionRight);
    const std::string pause = KeyNameFor(KeyActionPause);

    // The main menu is up once the backdrop is drawn: no longer a dark,
    // empty window.
    ASSERT_TRUE(WaitFor("main menu", [](const Picture& p) { return testsupport::DarkShare(p) < 0.5; }, 60s));

    ASSERT_TRUE(ClickToScreen("profile selection", ButtonCentre(0, 12, 9), mainMenu));  // play

    // New: the name field appears under the new button; the name shows in
    // it; Return makes the profile, writes the file and hides the field.
    Picture before = last;
    Click(ButtonCentre(6, 2, 8), profileMenu);
    ASSERT_TRUE(WaitFor("new profile", [&](const Picture& now) { return fieldChanged(before, now) > 0.5; }));
    before = last;
    ASSERT_TRUE(driver->Type("walker"));
    ASSERT_TRUE(WaitFor("name typed", [&](const Picture& now) { return fieldChanged(before, now) > 0.02; }));
    before = last;
    ASSERT_TRUE(driver->TapKey("Return"));
    ASSERT_TRUE(WaitFor("profile made", [&](const Picture& now) {
        return fieldChanged(before, now) > 0.5 && dir.ReadFile("Data/Profiles.txt").find("walker") != std::string::npos;
    }));

    ASSERT_TRUE(ClickToScreen("level selection", firstProfile, profileMenu));

    // The level buttons show once the sound effects have loaded; a click on
    // the place of 1-1 does nothing before, so it is repeated until the game
    // loads the level.
    int loads = levels->Reads();
    bool loading = false;
    for (const auto deadline = std::chrono::steady_clock::now() + 30s;
         !loading && std::chrono::steady_clock::now() < deadline && game->Running();) {
        Click(levelOneOne, levelMenu);
        loading = WaitForLevelLoad(loads, 500ms);
    }
    ASSERT_TRUE(loading) << "level 1-1 never started" << Log();
    // Its start shows the map's overview on black for 2.5 s.
    before = last;
    ASSERT_TRUE(WaitFor("level start", [&](const Picture& now) {
        return testsupport::DarkShare(now) > 0.3 && Changed("level start", before, now) > 0.05;
    }));
    // Then the level fades in; it is played once the picture's brightness
    // holds still.
    double brightness = -1;
    auto measured = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitFor("level played", [&](const Picture& now) {
        if (testsupport::DarkShare(now) > 0.3)
            return false;
        const auto at = std::chrono::steady_clock::now();
        if (brightness >= 0 && at - measured < 150ms)
            return false;
        const double b = testsupport::MeanBrightness(now);
        const bool steady = brightness >= 0 && std::abs(b - brightness) < 0.01 * b;
        brightness = b;
        measured = at;
        return steady;
    }));

    // Right held until the player has run out of the camera's dead zone and
    // the view scrolls after him.
    before = last;
    ASSERT_TRUE(driver->PressKey(right));
    const bool ran = WaitFor("ran right", [&](const Picture& now) { return Changed("ran right", before, now) > 0.05; });
    ASSERT_TRUE(driver->ReleaseKey(right));
    ASSERT_TRUE(ran);

    // The pause menu darkens the paused game.
    const double playing = testsupport::MeanBrightness(last);
    before = last;
    ASSERT_TRUE(driver->TapKey(pause));
    ASSERT_TRUE(WaitFor("paused", [&](const Picture& now) {
        Changed("paused", before, now);
        return testsupport::MeanBrightness(now) < 0.75 * playing;
    }));

    ASSERT_TRUE(ClickToScreen("left the level", ButtonCentre(12, 16, 10), screenView));
    ASSERT_TRUE(ClickToScreen("back to the profile selection", back, levelMenu));
    ASSERT_TRUE(ClickToScreen("back to the main menu", back, profileMenu));
    Click(ButtonCentre(5, 7, 21), mainMenu);  // quit

    EXPECT_EQ(game->WaitForExit(30s), 0) << Log();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    RecordProperty("seconds", std::to_string(seconds));
    std::cout << "The walkthrough took " << seconds << " s. Share of the picture changed by each step:";
    for (const auto& entry : changes)
        std::cout << "\n  " << entry.first << ": " << entry.second;
    std::cout << std::endl;

    EXPECT_TRUE(ErrorEntries(dir.ReadFile("Data/Log.txt")).empty()) << Log();
    const std::string profiles = dir.ReadFile("Data/Profiles.txt");
    EXPECT_NE(profiles.find("walker"), std::string::npos) << profiles;
}

}  // namespace
