#include "app/GameWindow.h"

#include "app/FileReplacement.h"
#include "app/FrameDuration.h"
#include "app/Log.h"
#include "kest/KeyNameTable.h"
#include "kest/StringConversionException.h"
#include "t4/io/DataFileFormatter.h"
#include "t4/io/filereader.h"
#include "t4/io/io_exception.h"
#include "t4/io/memorywriter.h"
#include "t4/io/token_container.h"

#include <SFML/Window/VideoMode.hpp>

#include <algorithm>

const std::string ConfigFileTitle = std::string("Vrenk Config File (Version ") + "2.3.3" + ")";

namespace {

const char* const ConfigFileName = "Data/Config.txt";

// Makes `slot` point at `value` in its choice list; a value that is not in
// the list leaves the slot as it was and is logged under the option's name.
template <typename T>
void SelectValue(std::vector<std::uint32_t>& selected, OptionSlot slot, const std::vector<T>& choices, T value,
                 const std::string& option)
{
    auto it = std::find(choices.begin(), choices.end(), value);
    if (it != choices.end())
        selected[slot] = static_cast<std::uint32_t>(it - choices.begin());
    else
        Log("Invalid " + option + " in \"" + ConfigFileName + "\": " + std::to_string(value) +
            ".\nThe default is used instead.");
}

void SetKeyBinding(std::vector<KeyBinding>& bindings, KeyAction action, const std::string& name,
                   sf::Keyboard::Key key)
{
    bindings[action] = KeyBinding{action, name, key};
}

}  // namespace

GameWindow::GameWindow()
    : volumeChoices{0, 25, 50, 75, 100},
      yesNoChoices{true, false},
      frameModeChoices{FrameModeVSync, FrameModeFree, FrameModeLimit},
      keyBindings(KeyActionCount),
      selected(OptionSlotCount, 0),
      applied(OptionSlotCount, 0),
      unsaved_(ConfigFileName)
{
    selected[OptionEditedBinding] = KeyActionNone;
    LoadConfig();
}

void GameWindow::SetDefaultConfig(bool& fullscreen, std::uint32_t& frameMode, bool& antialiasing,
                                  std::uint32_t& musicVolume, std::uint32_t& soundVolume,
                                  std::vector<KeyBinding>& bindings)
{
    fullscreen = false;
    frameMode = FrameModeVSync;
    antialiasing = true;
    musicVolume = 100;
    soundVolume = 100;
    bindings = DefaultKeyBindings();
}

std::vector<KeyBinding> GameWindow::DefaultKeyBindings()
{
    std::vector<KeyBinding> bindings(KeyActionCount);
    SetKeyBinding(bindings, KeyActionLeft, "Left", sf::Keyboard::Left);
    SetKeyBinding(bindings, KeyActionRight, "Right", sf::Keyboard::Right);
    SetKeyBinding(bindings, KeyActionUp, "Up", sf::Keyboard::Up);
    SetKeyBinding(bindings, KeyActionDown, "Down", sf::Keyboard::Down);
    SetKeyBinding(bindings, KeyActionJump, "Jump", sf::Keyboard::F);
    SetKeyBinding(bindings, KeyActionJetpack, "Jetpack", sf::Keyboard::E);
    SetKeyBinding(bindings, KeyActionRocket, "Rocket", sf::Keyboard::D);
    SetKeyBinding(bindings, KeyActionRollingBomb, "Rolling Bomb", sf::Keyboard::S);
    SetKeyBinding(bindings, KeyActionMine, "Mine", sf::Keyboard::A);
    SetKeyBinding(bindings, KeyActionPause, "Pause", sf::Keyboard::P);
    SetKeyBinding(bindings, KeyActionInterface, "Interface", sf::Keyboard::I);
    return bindings;
}

bool GameWindow::CreateGameWindow()
{
    sf::ContextSettings settings(0, 0, IsAntialiased() ? 8u : 0u, 1, 1);
    sf::Uint32 style = IsFullscreen() ? (sf::Style::Fullscreen | sf::Style::Close) : sf::Style::Close;
    window.create(sf::VideoMode(1024, 768, 32), "Vrenk II", style, settings);
    // A new window starts with SFML's defaults again.
    window.setKeyRepeatEnabled(false);
    window.setMouseCursorVisible(cursorVisible_);
    return window.setActive(true);
}

void GameWindow::ApplyFrameMode(std::uint32_t frameMode)
{
    window.setFramerateLimit(frameMode == FrameModeLimit ? static_cast<unsigned>(1.0 / FrameDuration.asSeconds() + 0.5)
                                                         : 0u);
    window.setVerticalSyncEnabled(frameMode == FrameModeVSync);
}

void GameWindow::ApplyOptions(bool recreate)
{
    bool changed = yesNoChoices[selected[OptionFullscreen]] != yesNoChoices[applied[OptionFullscreen]] ||
                   yesNoChoices[selected[OptionAntialiasing]] != yesNoChoices[applied[OptionAntialiasing]];
    if (recreate || changed)
        CreateGameWindow();
    ApplyFrameMode(GetFrameMode());
    applied = selected;
}

bool GameWindow::BindKey(KeyAction action, sf::Keyboard::Key key)
{
    if (key == sf::Keyboard::Unknown || action >= keyBindings.size())
        return false;
    for (KeyBinding& binding : keyBindings)
        if (binding.key == key)
            binding.key = sf::Keyboard::Unknown;
    keyBindings[action].key = key;
    return true;
}

KeyAction GameWindow::ActionForKey(sf::Keyboard::Key key) const
{
    return BoundAction(keyBindings, key);
}

void GameWindow::SelectOptions(bool fullscreen, std::uint32_t frameMode, bool antialiasing, std::uint32_t musicVolume,
                               std::uint32_t soundVolume)
{
    SelectValue(selected, OptionFullscreen, yesNoChoices, fullscreen, "fullscreen");
    SelectValue(selected, OptionFrameMode, frameModeChoices, frameMode, "frame mode");
    SelectValue(selected, OptionAntialiasing, yesNoChoices, antialiasing, "antialiasing");
    SelectValue(selected, OptionMusicVolume, volumeChoices, musicVolume, "music volume");
    SelectValue(selected, OptionSoundVolume, volumeChoices, soundVolume, "sound volume");
}

void GameWindow::LoadConfig()
{
    // The binding being edited is left alone.
    const auto giveBack = [this](const SavedOptions& held) {
        const std::uint32_t edited = selected[OptionEditedBinding];
        selected = held.selected;
        selected[OptionEditedBinding] = edited;
        keyBindings = held.keyBindings;
    };
    if (unsaved_.Reload(giveBack, [this] { SaveConfig(); }))
        return;
    bool fullscreen, antialiasing;
    std::uint32_t frameMode, musicVolume, soundVolume;
    std::vector<KeyBinding> bindings;
    SetDefaultConfig(fullscreen, frameMode, antialiasing, musicVolume, soundVolume, bindings);
    // A value read that is not a choice leaves the default's choice.
    SelectOptions(fullscreen, frameMode, antialiasing, musicVolume, soundVolume);
    std::string error;
    try {
        t4::filereader reader(ConfigFileName, MakeDataFileFormatter());
        t4::token_container line;
        reader.read_data(line);
        line >> fullscreen >> frameMode >> antialiasing >> musicVolume >> soundVolume;
        for (KeyBinding& binding : bindings) {
            std::string name;
            line >> name;
            binding.key = kest::toKeyboardKey(name);
        }
    } catch (const t4::io_exception& e) {
        error = e.what();
    } catch (const kest::StringConversionException& e) {
        // An unknown key name is damage like any other.
        error = e.what();
    }
    SelectOptions(fullscreen, frameMode, antialiasing, musicVolume, soundVolume);
    keyBindings = bindings;
    if (!error.empty())
        ResetConfigFile(error);
}

bool GameWindow::WriteConfig(std::string& error) const
{
    // The whole file or nothing: a crash half-way never resets every option.
    return ReplaceFileWhole(ConfigFileName, [this] {
        t4::token_container line;
        line << IsFullscreen() << GetFrameMode() << IsAntialiased() << GetMusicVolume() << GetSoundVolume();
        for (const KeyBinding& binding : keyBindings)
            line << kest::toString(binding.key);
        t4::memorywriter writer(MakeDataFileFormatter());
        writer.open(ConfigFileTitle);
        writer.write_subtitle("Options");
        writer.write_data(line);
        writer.check_error();
        return writer.str();
    }, error);
}

bool GameWindow::StoreConfig(std::string& error)
{
    return unsaved_.Save(SavedOptions{selected, keyBindings},
                         [this](std::string& writeError) { return WriteConfig(writeError); }, saveFailures, error);
}

void GameWindow::SaveConfig()
{
    // The game goes on with its options in memory.
    std::string error;
    if (!StoreConfig(error))
        Log("Failed to save configuration: " + error + ".");
}

void GameWindow::ResetConfigFile(const std::string& reason)
{
    // The new file replaces the damaged one only once it is written whole.
    std::string error;
    if (StoreConfig(error))
        Log("Failed to load configuration: " + reason + ".\nDefault file has been created.");
    else
        Log("Failed to load configuration: " + reason + ".\nNo default file could be created: " + error + ".");
}

void GameWindow::SetMouseCursorVisible(bool visible)
{
    cursorVisible_ = visible;
    window.setMouseCursorVisible(visible);
}
