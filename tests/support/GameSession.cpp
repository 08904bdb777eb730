#include "support/GameSession.h"

#include "app/StateId.h"
#include "screens/ErrorMenu.h"
#include "sfxt/Button.h"

#include <SFML/Graphics/Image.hpp>

#include <boost/filesystem.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>

namespace testsupport {

using namespace std::chrono_literals;

const std::string GameWindowTitle = "Vrenk II";

sf::Vector2f MenuViewCorner(sf::Vector2f windowSize)
{
    const float cell = sfxt::Button::CellSize;
    const sf::Vector2f centre(static_cast<float>(BackdropColumns) * cell / 2,
                              static_cast<float>(BackdropRows) * cell / 2);
    const sf::Vector2f corner = centre - windowSize / 2.f;
    return sf::Vector2f(std::floor(corner.x + 0.5f), std::floor(corner.y + 0.5f));
}

GameSession::GameSession(const std::string& directory) : directory_(directory)
{
    process_ = std::make_unique<GameProcess>(GameBinary(), directory);
    if (!process_->WaitForWindow(GameWindowTitle, 60s)) {
        Fail("the game's window never opened");
        return;
    }
    driver_ = std::make_unique<WindowDriver>(GameWindowTitle);
    if (!driver_->Found()) {
        driver_.reset();
        Fail("the game's window vanished");
        return;
    }
    const std::string archive = directory + "/Data/Levels.vrk";
    if (boost::filesystem::exists(archive))
        levels_ = std::make_unique<FileWatch>(archive);
}

sf::Vector2f GameSession::WindowSize() const
{
    return sf::Vector2f(static_cast<float>(driver_->Width()), static_cast<float>(driver_->Height()));
}

bool GameSession::Fail(const std::string& why)
{
    failure_ = why;
    return false;
}

bool GameSession::WaitFor(const std::string& step, const std::function<bool(const Picture&)>& done,
                          std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline && process_->Running()) {
        Picture now = driver_->Capture();
        if (!now.Empty() && done(now)) {
            last_ = std::move(now);
            return true;
        }
        std::this_thread::sleep_for(20ms);
    }
    const auto change = changes_.find(step);
    return Fail("the window never showed the step \"" + step + "\"" +
                (change == changes_.end() ? std::string() : " (last change " + std::to_string(change->second) + ")"));
}

bool GameSession::WaitForStill(const std::string& step, std::chrono::milliseconds timeout)
{
    Picture before;
    auto measured = std::chrono::steady_clock::now();
    return WaitFor(
        step,
        [&](const Picture& now) {
            const auto at = std::chrono::steady_clock::now();
            if (!before.Empty() && at - measured < 300ms)
                return false;
            const bool still = !before.Empty() && DifferingShare(before, now) < 0.02;
            before = now;
            measured = at;
            return still;
        },
        timeout);
}

int GameSession::LevelLoads()
{
    return levels_ ? levels_->Reads() : 0;
}

bool GameSession::WaitForLevelLoad(int loads, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (LevelLoads() <= loads) {
        if (std::chrono::steady_clock::now() >= deadline || !process_->Running())
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

bool GameSession::WaitForScreen(const std::string& step, int loadsBefore)
{
    if (!WaitForLevelLoad(loadsBefore, 20s))
        return Fail("no level was loaded for the step \"" + step + "\"");
    const Picture previous = last_;
    const Picture atLoad = driver_->Capture();
    return WaitFor(step, [&](const Picture& now) {
        return DifferingShare(atLoad, now, 0) > 0 && Changed(step, previous, now) > 0.05;
    });
}

bool GameSession::ClickToScreen(const std::string& step, sf::Vector2f point, sf::Vector2f viewCorner)
{
    const int loads = LevelLoads();
    Click(point, viewCorner);
    return WaitForScreen(step, loads);
}

sf::Vector2i GameSession::Pixel(sf::Vector2f point, sf::Vector2f corner)
{
    return sf::Vector2i(static_cast<int>(std::lround(point.x - corner.x)),
                        static_cast<int>(std::lround(point.y - corner.y)));
}

void GameSession::Click(sf::Vector2f point, sf::Vector2f viewCorner) const
{
    const sf::Vector2i pixel = Pixel(point, viewCorner);
    driver_->Click(pixel.x, pixel.y);
}

namespace {

// The share of pure white pixels: the error screen's message is white text,
// which no menu shows.
double WhiteShare(const Picture& picture)
{
    const auto n = std::count(picture.pixels.begin(), picture.pixels.end(), 0xFFFFFFu);
    return picture.pixels.empty() ? 0 : static_cast<double>(n) / static_cast<double>(picture.pixels.size());
}

// The error screen's button, found on its picture: the lowest thing drawn in
// the button column (nothing stands under the button). Its middle, one cell
// above its lowest pixels (the button is two cells high), or false when the
// column shows only the background.
bool FindErrorButton(const Picture& picture, sf::Vector2f& middle)
{
    const std::uint32_t background = 0xA26B2A;  // the error screen's (162, 107, 42)
    const float cell = sfxt::Button::CellSize;
    const int left = static_cast<int>(static_cast<float>(ErrorMenu::ButtonColumn) * cell);
    const int right = std::min(picture.width, left + static_cast<int>(5 * cell));  // five cells wide
    for (int y = picture.height - 1; y >= 0; --y)
        for (int x = left; x < right; ++x)
            if (picture.pixels[static_cast<std::size_t>(y * picture.width + x)] != background) {
                middle = sf::Vector2f(static_cast<float>(left) + 2.5f * cell, static_cast<float>(y) + 1 - cell);
                return true;
            }
    return false;
}

}  // namespace

bool GameSession::LeaveErrorScreen()
{
    const Picture shown = driver_->Capture();
    const double message = WhiteShare(shown);
    if (message == 0)
        return Fail("no error message is shown");
    sf::Vector2f button;
    if (!FindErrorButton(shown, button))
        return Fail("the error screen's button was not found");
    // The screen judges the click where the cursor is when it reads it: the
    // pointer stays on the button until the screen has changed.
    Click(button, sf::Vector2f(0, 0));
    const bool left = WaitFor("left the error screen", [message](const Picture& now) {
        return WhiteShare(now) < 0.2 * message;
    });
    driver_->MoveMouse(2, 2);
    if (!process_->Running())
        return Fail("the game ended on the error screen");
    return left;
}

double GameSession::Changed(const std::string& step, const Picture& before, const Picture& now)
{
    const double share = DifferingShare(before, now);
    changes_[step] = share;
    return share;
}

bool SavePicture(const Picture& picture, const std::string& path)
{
    if (picture.Empty())
        return false;
    sf::Image image;
    image.create(static_cast<unsigned>(picture.width), static_cast<unsigned>(picture.height));
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
            image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                           sf::Color(static_cast<sf::Uint8>(p >> 16), static_cast<sf::Uint8>(p >> 8),
                                     static_cast<sf::Uint8>(p)));
        }
    return image.saveToFile(path);
}

}  // namespace testsupport
