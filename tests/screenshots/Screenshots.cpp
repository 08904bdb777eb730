// screenshots <folder>
//
// Pictures of every screen of the built game as a player sees it: the real
// binary runs on the display in $DISPLAY (scripts/screenshots starts a
// virtual one), is played through its menus with synthetic mouse and
// keyboard input, and its window is read back from the screen into PNG
// files. Three runs: one over the game's own data (the menus, a level, the
// pause menu), one with a short last level so that the victory screen is
// reached in a few seconds, and one without the level archive (the error
// screen and the menus without a backdrop).
#include "app/GameWindow.h"
#include "app/KeyBinding.h"
#include "app/Profile.h"
#include "app/ProfileStore.h"
#include "kest/KeyNameTable.h"
#include "screens/HighscoreMenu.h"
#include "screens/LevelSelection.h"
#include "screens/ProfileSelection.h"
#include "sfxt/Button.h"

#include "support/GameSession.h"
#include "support/SyntheticInput.h"
#include "support/TempDataDir.h"

#include <SFML/Graphics/Texture.hpp>

#include <boost/filesystem.hpp>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using testsupport::GameSession;
using testsupport::Picture;
namespace fs = boost::filesystem;

namespace {

std::string outFolder;
int saved = 0;

sf::Vector2f ButtonCentre(ButtonStyle style, unsigned column, unsigned row)
{
    static const sf::Texture none;
    return testsupport::Centre(sfxt::Button(none, style, column, row).sprite);
}

std::string KeyNameFor(KeyAction action)
{
    return kest::toString(BoundKey(GameWindow::DefaultKeyBindings(), action));
}

// A step that must succeed; the run ends with the reason otherwise.
void Require(bool ok, GameSession& game, const std::string& what)
{
    if (ok)
        return;
    std::cerr << "screenshots: " << what << ": " << game.Failure() << '\n';
    std::exit(1);
}

// Lets the screen settle a moment (its backdrop never holds still), then
// saves its picture.
void Shoot(GameSession& game, const std::string& name)
{
    std::this_thread::sleep_for(800ms);
    Require(game.WaitFor(name, [](const Picture&) { return true; }), game, name);
    const std::string path = outFolder + "/" + name + ".png";
    if (!testsupport::SavePicture(game.Last(), path)) {
        std::cerr << "screenshots: cannot write " << path << '\n';
        std::exit(1);
    }
    std::cout << path << '\n';
    ++saved;
}

void WriteProfiles(const std::vector<Profile>& profiles, const std::vector<Highscore>& scores)
{
    ProfileStore store;
    store.profiles = profiles;
    store.SaveProfiles();
    for (const Highscore& h : scores)
        store.highscores.insert(h);
    store.SaveHighscores();
}

Profile MakeProfile(const std::string& name, std::uint16_t world, std::uint16_t level, std::uint32_t score)
{
    Profile p;
    p.name = name;
    p.world = world;
    p.level = level;
    p.furthestWorld = 3;
    p.furthestLevel = 4;
    p.savedGame = true;
    p.equipment = Profile::EquipmentRocket | Profile::EquipmentRollingBomb | Profile::EquipmentMine |
                  Profile::EquipmentJetpack;
    p.stats.lives = 4;
    p.stats.hearts = 3;
    p.stats.totalCoins = score;
    p.stats.ammunition = {5, 3, 2};
    return p;
}

// Waits for the game's window and its main menu: no longer a dark, empty
// window once the backdrop is drawn.
void WaitForMainMenu(GameSession& game)
{
    Require(game.Started(), game, "start");
    Require(game.WaitFor("main menu", [](const Picture& p) { return testsupport::DarkShare(p) < 0.5; }, 60s), game,
            "main menu");
}

// Waits for a level to start and to be played: its start shows the map's
// overview on black, then the level fades in.
void WaitForPlay(GameSession& game, const std::string& name)
{
    Require(game.WaitFor(name + " start", [](const Picture& p) { return testsupport::DarkShare(p) > 0.3; }), game,
            name);
    Require(game.WaitFor(name, [](const Picture& p) { return testsupport::DarkShare(p) < 0.3; }), game, name);
    std::this_thread::sleep_for(1s);
}

// Starts a level by a click on the level selection, waits until it is
// played, and runs right for a while.
void PlayLevel(GameSession& game, sf::Vector2f button, sf::Vector2f view, const std::string& name,
               std::chrono::milliseconds run)
{
    const int loads = game.LevelLoads();
    game.Click(button, view);
    Require(game.WaitForLevelLoad(loads, 20s), game, name);
    WaitForPlay(game, name);
    const std::string right = KeyNameFor(KeyActionRight);
    game.Driver().PressKey(right);
    std::this_thread::sleep_for(run);
    game.Driver().ReleaseKey(right);
}

// The menus, a level in play and the pause menu over the game's own data.
void MenusAndPlay(const testsupport::TempDataDir& dir)
{
    WriteProfiles({MakeProfile("Explorer", 2, 1, 48210), MakeProfile("Night owl", 1, 3, 35120),
                   MakeProfile("Speedrun", 3, 2, 29980)},
                  {{"Explorer", 48210}, {"Night owl", 35120}, {"Speedrun", 29980}, {"Explorer", 18400},
                   {"Night owl", 9150}});
    GameSession game(dir.Path());
    WaitForMainMenu(game);
    const sf::Vector2f menu = testsupport::MenuViewCorner(game.WindowSize());
    const sf::Vector2f back = ButtonCentre(13, 12, 9);
    Shoot(game, "main-menu");
    Require(game.ClickToScreen("credits", ButtonCentre(1, 7, 8), menu), game, "credits");
    Shoot(game, "credits");
    Require(game.ClickToScreen("main menu", back, menu), game, "back");
    Require(game.ClickToScreen("options", ButtonCentre(2, 16, 12), menu), game, "options");
    Shoot(game, "options");
    Require(game.ClickToScreen("main menu", ButtonCentre(11, 4, 21), menu), game, "cancel");
    Require(game.ClickToScreen("highscores", ButtonCentre(3, 20, 21), menu), game, "highscores");
    Shoot(game, "highscores");
    Require(game.ClickToScreen("main menu", back, menu), game, "back");

    Require(game.ClickToScreen("profile selection", ButtonCentre(0, 12, 9), menu), game, "play");
    Shoot(game, "profile-selection");
    // Delete mode with the second profile marked, then out of it again.
    game.Click(ButtonCentre(7, 23, 8), menu);
    std::this_thread::sleep_for(300ms);
    game.Click(sf::Vector2f(back.x, ProfileSelection::ListTop + ProfileSelection::ListSpacing), menu);
    Shoot(game, "profile-delete");
    game.Click(ButtonCentre(7, 23, 8), menu);
    std::this_thread::sleep_for(300ms);

    Require(game.ClickToScreen("level selection", sf::Vector2f(back.x, ProfileSelection::ListTop), menu), game,
            "profile");
    // The level buttons show once the sound effects have loaded.
    std::this_thread::sleep_for(2s);
    Shoot(game, "level-selection");

    // Level 2-1 (world 2 stands under the back button), played for a moment.
    PlayLevel(game, sf::Vector2f(back.x, LevelSelection::LevelTop), menu, "level 2-1", 1500ms);
    Shoot(game, "level");
    game.Driver().TapKey(KeyNameFor(KeyActionPause));
    Shoot(game, "pause");

    Require(game.ClickToScreen("level selection", ButtonCentre(12, 16, 10), sf::Vector2f(0, 0)), game, "leave");
    Require(game.ClickToScreen("profile selection", back, menu), game, "back");
    Require(game.ClickToScreen("main menu", back, menu), game, "back");
    game.Click(ButtonCentre(5, 7, 21), menu);
    Require(game.Process().WaitForExit(30s) == 0, game, "quit");
}

// The victory screen, reached through a last level whose flag stands a few
// steps from the start, and the highscore table it leads to.
void Victory(const testsupport::TempDataDir& dir)
{
    const fs::path sources(VRENK_LEVEL_SOURCES);
    const fs::path work = fs::path(dir.Path()) / "levels";
    fs::create_directories(work);
    std::vector<std::string> args = {VRENK_LEVELC, dir.DataPath("Levels.vrk"), (work / "stage").string()};
    for (fs::directory_iterator it(sources), end; it != end; ++it) {
        const fs::path file = it->path();
        if (file.extension() == ".legend")
            fs::copy_file(file, work / file.filename(), fs::copy_option::overwrite_if_exists);
        else if (file.extension() == ".lvl" && file.filename() != "3-4.lvl")
            args.push_back(file.string());
    }
    std::ofstream(work.string() + "/3-4.lvl") << "level 3-4\n"
                                                 "title Last Step\n"
                                                 "background 2\n"
                                                 "include lab.legend\n"
                                                 "map\n"
                                                 "################\n"
                                                 "################\n"
                                                 "##............##\n"
                                                 "##............##\n"
                                                 "##............##\n"
                                                 "##..C....E....##\n"
                                                 "################\n"
                                                 "################\n"
                                                 "end\n";
    args.push_back((work / "3-4.lvl").string());
    std::string command;
    for (const std::string& a : args)
        command += "'" + a + "' ";
    if (std::system((command + "> /dev/null").c_str()) != 0) {
        std::cerr << "screenshots: levelc failed: " << command << '\n';
        std::exit(1);
    }

    WriteProfiles({MakeProfile("Explorer", 3, 4, 52340)}, {{"Night owl", 35120}, {"Speedrun", 29980}});
    GameSession game(dir.Path());
    WaitForMainMenu(game);
    const sf::Vector2f menu = testsupport::MenuViewCorner(game.WindowSize());
    const sf::Vector2f back = ButtonCentre(13, 12, 9);
    Require(game.ClickToScreen("profile selection", ButtonCentre(0, 12, 9), menu), game, "play");
    Require(game.ClickToScreen("level selection", sf::Vector2f(back.x, ProfileSelection::ListTop), menu), game,
            "profile");
    std::this_thread::sleep_for(2s);
    PlayLevel(game, back + sf::Vector2f(0, LevelSelection::ResumeBelowBack), menu, "last level", 2s);
    // The victory picture follows the level's fade to black.
    Require(game.WaitFor("level end", [](const Picture& p) { return testsupport::DarkShare(p) > 0.9; }), game,
            "level end");
    Require(game.WaitFor("victory", [](const Picture& p) { return testsupport::DarkShare(p) < 0.5; }), game,
            "victory");
    Shoot(game, "victory");
    Require(game.ClickToScreen("highscores", ButtonCentre(3, 4, 20), sf::Vector2f(0, 0)), game, "highscores");
    Shoot(game, "highscores-after-victory");
    Require(game.Process().CloseWindow(testsupport::GameWindowTitle), game, "close");
    Require(game.Process().WaitForExit(30s) == 0, game, "close");
}

// Without the level archive: the error at start-up, then the menus over the
// backdrop's plain background.
void MissingLevels(const testsupport::TempDataDir& dir)
{
    fs::remove(dir.DataPath("Levels.vrk"));
    GameSession game(dir.Path());
    Require(game.Started(), game, "start");
    Require(game.WaitFor("error", [](const Picture& p) { return testsupport::DarkShare(p) < 0.5; }, 60s), game,
            "error");
    Shoot(game, "error");
    Require(game.LeaveErrorScreen(), game, "back from the error");
    Shoot(game, "main-menu-without-backdrop");
    game.Click(ButtonCentre(5, 7, 21), testsupport::MenuViewCorner(game.WindowSize()));
    const int status = game.Process().WaitForExit(30s);
    Require(status == 0, game, "quit with status " + std::to_string(status));
}

void InFreshFolder(const std::function<void(const testsupport::TempDataDir&)>& run)
{
    testsupport::TempDataDir dir;
    if (dir.CopyBuiltArchives() != 4) {
        std::cerr << "screenshots: the built archives are missing\n";
        std::exit(1);
    }
    run(dir);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: screenshots <folder>\n";
        return 2;
    }
    outFolder = fs::absolute(argv[1]).string();
    fs::create_directories(outFolder);
    if (!testsupport::WindowDriver::HasXTest()) {
        std::cerr << "screenshots: the display offers no XTest extension\n";
        return 1;
    }
    InFreshFolder(MenusAndPlay);
    InFreshFolder(Victory);
    InFreshFolder(MissingLevels);
    std::cout << saved << " pictures in " << outFolder << '\n';
    return 0;
}
