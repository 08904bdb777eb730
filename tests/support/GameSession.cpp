#include "support/GameSession.h"

#include "app/StateId.h"
#include "screens/ErrorMenu.h"
#include "sfxt/Button.h"

#include <SFML/Graphics/Image.hpp>

#include <boost/filesystem.hpp>

#include <algorithm>
#include <cmath>
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

}  // namespace

bool GameSession::LeaveErrorScreen()
{
    const float cell = sfxt::Button::CellSize;
    const float x = (static_cast<float>(ErrorMenu::ButtonColumn) + 2.5f) * cell;  // five cells wide
    const double message = WhiteShare(driver_->Capture());
    if (message == 0)
        return Fail("no error message is shown");
    for (unsigned row = ErrorMenu::FirstButtonRow; row <= ErrorMenu::LastButtonRow + 1; ++row) {
        Click(sf::Vector2f(x, (static_cast<float>(row) + 0.5f) * cell), sf::Vector2f(0, 0));
        // The screen takes the click where the cursor is when it reads it.
        std::this_thread::sleep_for(200ms);
        driver_->MoveMouse(2, 2);
        std::this_thread::sleep_for(300ms);
        const Picture now = driver_->Capture();
        if (!process_->Running() || now.Empty())
            return Fail("the game ended on the error screen");
        if (WhiteShare(now) < 0.2 * message) {
            last_ = now;
            return true;
        }
    }
    return Fail("the error screen's button was not found");
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
