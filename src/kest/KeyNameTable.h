#pragma once

#include <map>
#include <string>
#include <vector>

#include <SFML/Window/Keyboard.hpp>

namespace kest {

// The names of the keyboard keys, by which the key bindings are stored in
// "Data/Config.txt" and shown in the option menu. The names are those the
// keys had when the bindings format was fixed ("Return", "Dash",
// "BackSlash", ...), whatever SFML calls the enumerators today; the table
// goes by key number, which SFML has kept.
class KeyNameTable {
public:
    // The one table, built on first use.
    static const KeyNameTable& instance();

    // The key's name; throws StringConversionException for a key outside
    // the table (any value other than Unknown and 0 to 100).
    const std::string& toString(sf::Keyboard::Key key) const;

    // The key of an exact, case-sensitive name; throws
    // StringConversionException when no key has that name.
    sf::Keyboard::Key toKeyboardKey(const std::string& name) const;

    KeyNameTable(const KeyNameTable&) = delete;
    KeyNameTable& operator=(const KeyNameTable&) = delete;

private:
    KeyNameTable();

    std::vector<std::string> names_;                 // indexed by key + 1
    std::map<std::string, sf::Keyboard::Key> keys_;  // name -> key
};

// Shorthands for KeyNameTable::instance().toString / toKeyboardKey.
std::string toString(sf::Keyboard::Key key);
sf::Keyboard::Key toKeyboardKey(const std::string& name);

}  // namespace kest
