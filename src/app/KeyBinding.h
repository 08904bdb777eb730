#pragma once

#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <string>
#include <vector>

// The eleven bound actions; KeyActionNone (11) means none.
enum KeyAction : std::uint32_t {
    KeyActionLeft = 0,
    KeyActionRight = 1,
    KeyActionUp = 2,
    KeyActionDown = 3,
    KeyActionJump = 4,
    KeyActionJetpack = 5,
    KeyActionRocket = 6,
    KeyActionRollingBomb = 7,
    KeyActionMine = 8,
    KeyActionPause = 9,
    KeyActionInterface = 10,
    KeyActionNone = 11,
};

constexpr std::size_t KeyActionCount = 11;

// One action with its display name and the key bound to it (Unknown, -1,
// when unbound).
struct KeyBinding {
    std::uint32_t action = KeyActionNone;
    std::string name;
    sf::Keyboard::Key key = sf::Keyboard::Unknown;
};

// The first action bound to the key; KeyActionNone when none is. A key SFML
// cannot name is no binding, even where actions are unbound.
inline KeyAction BoundAction(const std::vector<KeyBinding>& bindings, sf::Keyboard::Key key)
{
    if (key == sf::Keyboard::Unknown)
        return KeyActionNone;
    for (const KeyBinding& binding : bindings)
        if (binding.key == key)
            return static_cast<KeyAction>(binding.action);
    return KeyActionNone;
}

// The key bound to the action; Unknown when it is unbound.
inline sf::Keyboard::Key BoundKey(const std::vector<KeyBinding>& bindings, KeyAction action)
{
    for (const KeyBinding& binding : bindings)
        if (binding.action == action)
            return binding.key;
    return sf::Keyboard::Unknown;
}
