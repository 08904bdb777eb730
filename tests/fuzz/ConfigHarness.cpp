// The configuration file, read by the window as the game starts: whatever
// "Data/Config.txt" holds, the options come out of the choice lists, and the
// file on disk afterwards loads clean to the same options (a damaged file
// has been written anew from them); options that loaded clean save and load
// back unchanged.
#include "FuzzSupport.h"

#include "app/GameWindow.h"

#include <SFML/Window/GlResource.hpp>

#include <memory>
#include <string>
#include <vector>

// The window is never opened here, and the harness runs without a display:
// the GL context that SFML makes for every window object is left out.
sf::GlResource::GlResource() {}
sf::GlResource::~GlResource() {}

namespace {

using namespace fuzz;

const char* const ConfigPath = "Data/Config.txt";

struct Options {
    std::vector<std::uint32_t> selected;
    std::vector<sf::Keyboard::Key> keys;
    bool operator==(const Options& other) const { return selected == other.selected && keys == other.keys; }
};

Options OptionsOf(const GameWindow& window)
{
    Options options{window.selected, {}};
    for (const KeyBinding& binding : window.keyBindings)
        options.keys.push_back(binding.key);
    return options;
}

void CheckChoices(const GameWindow& window)
{
    FUZZ_CHECK(window.selected[OptionFullscreen] < window.yesNoChoices.size() &&
                   window.selected[OptionAntialiasing] < window.yesNoChoices.size() &&
                   window.selected[OptionFrameMode] < window.frameModeChoices.size() &&
                   window.selected[OptionMusicVolume] < window.volumeChoices.size() &&
                   window.selected[OptionSoundVolume] < window.volumeChoices.size(),
               "an option outside its choices");
    FUZZ_CHECK(window.keyBindings.size() == KeyActionCount, "the bindings lost their actions");
}

// Loads the file as it now stands: it must load clean.
Options LoadClean(GameWindow& window, const char* when)
{
    LogCapture log;
    window.LoadConfig();
    FUZZ_CHECK(log.Text().empty(), std::string("the file does not load clean ") + when + ": " + log.Text());
    CheckChoices(window);
    return OptionsOf(window);
}

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    WriteFile(ConfigPath, std::string(reinterpret_cast<const char*>(data), size));
    std::string logged;
    std::unique_ptr<GameWindow> window;
    {
        LogCapture log;
        window = std::make_unique<GameWindow>();
        logged = log.Text();
    }
    CheckChoices(*window);
    const Options loaded = OptionsOf(*window);
    FUZZ_CHECK(LoadClean(*window, "after the first load") == loaded, "the file on disk holds other options");

    window->SaveConfig();
    FUZZ_CHECK(LoadClean(*window, "after a save") == loaded, "saved options load back differently");

    const std::string failed = "Failed to load configuration: ";
    const std::size_t at = logged.find(failed);
    if (at == std::string::npos) {
        FUZZ_CHECK(logged.empty(), "an unexpected log entry: " + logged);
        return "loaded";
    }
    return "reset: " + OneLine(logged.substr(at + failed.size(), logged.find(".\n", at) - at - failed.size()));
}
