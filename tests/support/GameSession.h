#pragma once

#include "support/FileWatch.h"
#include "support/GameProcess.h"
#include "support/WindowDriver.h"

#include <SFML/System/Vector2.hpp>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace testsupport {

// The title of the game's window.
extern const std::string GameWindowTitle;

// The top left, in view coordinates, of the view in which the menus are
// drawn: that of a backdrop level's camera on the centre of its map, or the
// same view over the plain background when no backdrop could be loaded.
sf::Vector2f MenuViewCorner(sf::Vector2f windowSize);

// The built game binary started in a working directory, seen and played as a
// person would: its window's picture is read back from the screen, and it is
// given mouse clicks and key presses through XTest. Every wait is bounded;
// a failed one returns false and leaves its reason in Failure().
class GameSession {
public:
    // Starts the game in `directory` and waits for its window. Reads of
    // "Data/Levels.vrk" are counted when the file is there.
    explicit GameSession(const std::string& directory);

    bool Started() const { return driver_ != nullptr; }
    const std::string& Failure() const { return failure_; }
    GameProcess& Process() { return *process_; }
    const WindowDriver& Driver() const { return *driver_; }
    sf::Vector2f WindowSize() const;
    // The picture found by the last wait that succeeded.
    const Picture& Last() const { return last_; }

    // Polls the window's picture until `done` holds for it; given up at once
    // when the game ends. The picture found becomes Last().
    bool WaitFor(const std::string& step, const std::function<bool(const Picture&)>& done,
                 std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Waits until the window's picture has not changed by more than a small
    // share for a while (a heading that bobs still counts as still).
    bool WaitForStill(const std::string& step, std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // How many times the game has finished reading the level archive.
    int LevelLoads();
    // Whether the game loads a level after `loads` loads, within the timeout.
    bool WaitForLevelLoad(int loads, std::chrono::milliseconds timeout);
    // The rest of a step that switched to a screen with a backdrop: the
    // switch loads the backdrop level anew and then makes the screen; the
    // step is done once a frame drawn after that is on the window and it
    // differs clearly from the previous step's picture.
    bool WaitForScreen(const std::string& step, int loadsBefore);
    // Clicks a point of the view whose top left is `viewCorner`, and waits
    // for the screen with a backdrop that it leads to.
    bool ClickToScreen(const std::string& step, sf::Vector2f point, sf::Vector2f viewCorner);
    void Click(sf::Vector2f point, sf::Vector2f viewCorner) const;
    // Leaves the error screen by its button, which stands under the message
    // in the menus' button column: the button is found on the picture and
    // clicked, the pointer kept on it until the screen changes and then
    // moved off the buttons.
    bool LeaveErrorScreen();
    // The window pixel under a point of the view whose top left is `corner`.
    static sf::Vector2i Pixel(sf::Vector2f point, sf::Vector2f corner);

    // The share of pixels that differ between a step's picture and the one
    // before, kept for the report.
    double Changed(const std::string& step, const Picture& before, const Picture& now);
    const std::map<std::string, double>& Changes() const { return changes_; }

private:
    bool Fail(const std::string& why);

    std::string directory_;
    std::unique_ptr<GameProcess> process_;
    std::unique_ptr<WindowDriver> driver_;
    std::unique_ptr<FileWatch> levels_;
    Picture last_;
    std::map<std::string, double> changes_;
    std::string failure_;
};

// Writes a picture as a PNG file; false when it cannot be written.
bool SavePicture(const Picture& picture, const std::string& path);

}  // namespace testsupport
