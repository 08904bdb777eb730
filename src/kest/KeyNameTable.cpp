#include "kest/KeyNameTable.h"

#include <cstddef>

#include "kest/StringConversionException.h"

namespace kest {

namespace {

// Key number + 1 -> name. Row by row, the first key number of each row is
// given on the left.
const char* const KeyNames[] = {
    /*  -1 */ "Unknown",
    /*   0 */ "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    /*  13 */ "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    /*  26 */ "Num0", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Num8", "Num9",
    /*  36 */ "Escape", "LControl", "LShift", "LAlt", "LSystem",
    /*  41 */ "RControl", "RShift", "RAlt", "RSystem", "Menu",
    /*  46 */ "LBracket", "RBracket", "SemiColon", "Comma", "Period", "Quote",
    /*  52 */ "Slash", "BackSlash", "Tilde", "Equal", "Dash",
    /*  57 */ "Space", "Return", "BackSpace", "Tab", "PageUp",
    /*  62 */ "PageDown", "End", "Home", "Insert", "Delete",
    /*  67 */ "Add", "Subtract", "Multiply", "Divide", "Left", "Right", "Up", "Down",
    /*  75 */ "Numpad0", "Numpad1", "Numpad2", "Numpad3", "Numpad4",
    /*  80 */ "Numpad5", "Numpad6", "Numpad7", "Numpad8", "Numpad9",
    /*  85 */ "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8",
    /*  93 */ "F9", "F10", "F11", "F12", "F13", "F14", "F15",
    /* 100 */ "Pause",
};

constexpr int FirstKey = -1;
constexpr std::size_t NameCount = sizeof(KeyNames) / sizeof(KeyNames[0]);

static_assert(NameCount == 102, "one name for Unknown and each of the keys 0 to 100");
// The key numbers the names stand for; SFML renamed some enumerators but
// kept these values.
static_assert(sf::Keyboard::Unknown == -1 && sf::Keyboard::A == 0 && sf::Keyboard::Num0 == 26 &&
                  sf::Keyboard::Escape == 36 && sf::Keyboard::LBracket == 46 &&
                  sf::Keyboard::Space == 57 && sf::Keyboard::Add == 67 &&
                  sf::Keyboard::Numpad0 == 75 && sf::Keyboard::F1 == 85 &&
                  sf::Keyboard::Pause == 100,
              "SFML key numbers moved");
static_assert(sf::Keyboard::Equal == 55 && sf::Keyboard::Delete == 66 && sf::Keyboard::Down == 74,
              "SFML key numbers moved");

}  // namespace

const KeyNameTable& KeyNameTable::instance() {
    static const KeyNameTable table;
    return table;
}

KeyNameTable::KeyNameTable() {
    names_.reserve(NameCount);
    for (std::size_t i = 0; i < NameCount; ++i) {
        names_.emplace_back(KeyNames[i]);
        keys_.emplace(names_.back(), static_cast<sf::Keyboard::Key>(static_cast<int>(i) + FirstKey));
    }
}

const std::string& KeyNameTable::toString(sf::Keyboard::Key key) const {
    const long index = static_cast<long>(key) - FirstKey;
    if (index < 0 || index >= static_cast<long>(names_.size()))
        throw StringConversionException("kest::toString() - No match for key / mouse button found");
    return names_[static_cast<std::size_t>(index)];
}

sf::Keyboard::Key KeyNameTable::toKeyboardKey(const std::string& name) const {
    const auto found = keys_.find(name);
    if (found == keys_.end())
        throw StringConversionException(
            "kest::toKeyboardKey() / kest::toMouseButton() / kest::toJoystickAxis() - No match for "
            "string found");
    return found->second;
}

std::string toString(sf::Keyboard::Key key) { return KeyNameTable::instance().toString(key); }

sf::Keyboard::Key toKeyboardKey(const std::string& name) {
    return KeyNameTable::instance().toKeyboardKey(name);
}

}  // namespace kest
