// The configuration file, read by the window as the game starts: whatever
// "Data/Config.txt" holds, the options come out of the choice lists, and the
// file on disk afterwards loads clean to the same options (a damaged file
// has been written anew from them; a value off its choices is logged at each
// load until the file is saved); options that loaded clean save and load
// back unchanged.
#include "FuzzSupport.h"

#include "app/GameWindow.h"

#include <SFML/Window/GlResource.hpp>

#include <memory>
#include <sstream>
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

// The log without its time stamps and without the entries of values that
// are not among their option's choices: those give way to the defaults, and
// the file keeps them until it is saved again.
std::string WithoutOffChoices(const std::string& logged)
{
    std::istringstream in(logged);
    std::string rest;
    for (std::string line; std::getline(in, line);) {
        const bool stamp = line.find_first_not_of("0123456789.: ") == std::string::npos;
        const bool offChoice =
            (line.rfind("Invalid ", 0) == 0 && line.find(" in \"Data/Config.txt\": ") != std::string::npos) ||
            line == "The default is used instead.";
        if (!stamp && !offChoice)
            rest += line + "\n";
    }
    return rest;
}

// Loads the file as it now stands: it must load clean, but for the values
// off their choices when those may still be in it.
Options LoadClean(GameWindow& window, const char* when, bool offChoicesStay)
{
    LogCapture log;
    window.LoadConfig();
    const std::string unexpected = offChoicesStay ? WithoutOffChoices(log.Text()) : log.Text();
    FUZZ_CHECK(unexpected.empty(), std::string("the file does not load clean ") + when + ": " + log.Text());
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
    FUZZ_CHECK(LoadClean(*window, "after the first load", true) == loaded, "the file on disk holds other options");

    window->SaveConfig();
    FUZZ_CHECK(LoadClean(*window, "after a save", false) == loaded, "saved options load back differently");

    const std::string failed = "Failed to load configuration: ";
    const std::size_t at = logged.find(failed);
    if (at == std::string::npos) {
        FUZZ_CHECK(WithoutOffChoices(logged).empty(), "an unexpected log entry: " + logged);
        return logged.empty() ? "loaded" : "loaded, with defaults for values off their choices";
    }
    return "reset: " + OneLine(logged.substr(at + failed.size(), logged.find(".\n", at) - at - failed.size()));
}
